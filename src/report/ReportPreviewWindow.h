#pragma once

#include <QWidget>

#include <functional>

class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace quillon
{

// "Print Preview": the report pages as the printer would print them, page after page, with
// zoom buttons, "Print" and "Close". Not modal; destroyed when it closes. The pages are painted
// by `paint` into the printer the preview stands in for, all in one document.
class ReportPreviewWindow : public QWidget
{
    Q_OBJECT
public:
    ReportPreviewWindow(QPrinter& printer, std::function<void(QPrinter&)> paint,
                        QWidget* parent = nullptr);

    QPrintPreviewWidget* preview = nullptr;
    QPushButton* cmdprint = nullptr;
    QPushButton* cmdclose = nullptr;

signals:
    // "Print": the pages go to the printer; the window has closed.
    void printRequested();
};

} // namespace quillon
