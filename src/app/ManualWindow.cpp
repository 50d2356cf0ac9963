#include "app/ManualWindow.h"

#include "view/Widgets.h"
#include "view/WindowSettings.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quillon
{

ManualWindow::ManualWindow(const QString& manualPath, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmmanual"));
    setWindowTitle(tr("User manual"));

    m_browser = named(new QTextBrowser(this), "txtmanual");
    m_browser->setOpenExternalLinks(true); // links out of the manual go to the system
    m_browser->setSource(QUrl::fromLocalFile(manualPath));

    auto* back = named(new QPushButton(tr("Back"), this), "cmdmanualback");
    back->setEnabled(false);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);

    auto* findLabel = new QLabel(tr("Find:"), this);
    m_find = named(new QLineEdit(this), "txtmanualfind");
    m_find->setPlaceholderText(tr("Text in the manual (Enter: next, Shift+Enter: previous)"));
    m_find->setClearButtonEnabled(true);
    findLabel->setBuddy(m_find);
    connect(m_find, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Typing searches from the start of the current match, so the match grows in place.
        QTextCursor from = m_browser->textCursor();
        from.setPosition(from.selectionStart());
        m_browser->setTextCursor(from);
        find(text);
    });
    auto* closeFind = new QAction(this);
    closeFind->setShortcut(QKeySequence(Qt::Key_Escape));
    closeFind->setShortcutContext(Qt::WidgetShortcut);
    m_find->addAction(closeFind);
    connect(closeFind, &QAction::triggered, this, [this] {
        m_find->clear();
        m_browser->setFocus();
    });
    connect(m_find, &QLineEdit::returnPressed, this, [this] { find(m_find->text()); });

    auto* showFind = new QAction(this);
    showFind->setShortcuts({QKeySequence::Find, QKeySequence::FindNext});
    addAction(showFind);
    connect(showFind, &QAction::triggered, this, [this] {
        m_find->setFocus();
        m_find->selectAll();
    });
    auto* findPrevious = new QAction(this);
    findPrevious->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Return));
    findPrevious->setShortcutContext(Qt::WidgetShortcut);
    m_find->addAction(findPrevious);
    connect(findPrevious, &QAction::triggered, this, [this] { find(m_find->text(), true); });

    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addStretch(1);
    bar->addWidget(findLabel);
    bar->addWidget(m_find, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);
    resize(820, 680);
    WindowSettings::keepGeometry(this);
}

bool ManualWindow::find(const QString& text, bool backwards)
{
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_browser->find(text, flags))
        return true;
    // Once round from the other end.
    QTextCursor wrap = m_browser->textCursor();
    wrap.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
    m_browser->setTextCursor(wrap);
    return m_browser->find(text, flags);
}

} // namespace quillon
