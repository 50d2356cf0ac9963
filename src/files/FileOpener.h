#pragma once

#include "core/Edition.h"
#include "core/Module1.h"
#include "files/BankLoader.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace quillon
{

// `direct`: what happens to a file chosen in the open form, given on the command line or dropped
// on the main window. The file is read and checked first; one that cannot be used is reported
// (naming the file and the problem) and changes nothing. A bank file that would replace received
// records or notes not yet in any bank file is loaded only after the operator agrees. After a
// load `opened` is told the file and its kind (the window redraws the record on display and says
// what it opened).
class FileOpener : public QObject
{
    Q_OBJECT
public:
    FileOpener(Module1& module, const Edition& edition, QWidget* window,
               std::function<void(const QString& path, FileKind kind)> opened,
               QObject* parent = nullptr);

    void open(const QString& path);

signals:
    void failed(const QString& message);

private:
    void finish(const LoadedFile& file);

    Module1& m_module;
    BankLoader m_loader;
    QPointer<QWidget> m_window;
    std::function<void(const QString& path, FileKind kind)> m_opened;
};

} // namespace quillon
