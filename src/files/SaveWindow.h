#pragma once

#include "core/Module1.h"
#include "files/BankSaver.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon
{

class DriveList;
class FolderList;

// frmsave, "File Save": writes the whole bank into the file named in txtfilename, in the folder
// shown by Dir1. Every showing proposes the bank file last opened or saved in this run; before
// there is one, the name "temp.dat" in the folder the last save wrote to (kept in the settings
// from one run to the next), or in the process's current directory when there is none or it has
// gone. "Ok" writes and closes the form; when a file of that name exists it first asks whether to
// replace it ("Replace" / "Cancel", without blocking; Cancel writes nothing and leaves the form
// open). A file that cannot be written is reported and the form stays open. "Cancel" and closing
// the window save nothing.
class SaveWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SaveWindow(Module1& module, QWidget* parent = nullptr);

    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtfilename = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdsaveok = nullptr;
    QPushButton* cmdsavecancel = nullptr;

    void cmdsaveok_Click();

    // The question asked before the file at `path` is replaced.
    static QString replaceQuestion(const QString& path);

signals:
    // The bank was written to `path`; the form has closed.
    void saved(const QString& path);
    // The form was closed without a save.
    void closedWithoutSaving();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Dir1_Change();
    void save(const QString& folder, const QString& name);

    const Module1& m_module;
    BankSaver m_saver;
    bool m_saving = false;
    bool m_asking = false; // the replace question is on screen
};

} // namespace quillon
