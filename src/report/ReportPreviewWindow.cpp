#include "report/ReportPreviewWindow.h"

#include "view/Widgets.h"
#include "view/WindowSettings.h"

#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon
{

ReportPreviewWindow::ReportPreviewWindow(QPrinter& printer, std::function<void(QPrinter&)> paint,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmpreview"));
    setWindowTitle(tr("Print Preview"));
    setAttribute(Qt::WA_DeleteOnClose);

    preview = named(new QPrintPreviewWidget(&printer, this), "preview");
    connect(preview, &QPrintPreviewWidget::paintRequested, this,
            [paint = std::move(paint)](QPrinter* device) { paint(*device); });

    auto button = [this](const char* name, const QString& text) {
        return named(new QPushButton(text, this), name);
    };
    QPushButton* zoomIn = button("cmdzoomin", tr("Zoom In"));
    QPushButton* zoomOut = button("cmdzoomout", tr("Zoom Out"));
    QPushButton* fit = button("cmdfit", tr("Whole Page"));
    cmdprint = button("cmdprint", tr("Print"));
    cmdclose = button("cmdclose", tr("Close"));
    connect(zoomIn, &QPushButton::clicked, preview, [this] { preview->zoomIn(); });
    connect(zoomOut, &QPushButton::clicked, preview, [this] { preview->zoomOut(); });
    connect(fit, &QPushButton::clicked, preview, &QPrintPreviewWidget::fitInView);
    connect(cmdclose, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdprint, &QPushButton::clicked, this, [this] {
        close();
        emit printRequested();
    });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {zoomIn, zoomOut, fit})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdprint);
    buttons->addWidget(cmdclose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(preview, 1);
    resize(760, 900);
    WindowSettings::keepGeometry(this);
}

} // namespace quillon
