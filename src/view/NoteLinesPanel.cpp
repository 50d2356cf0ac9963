#include "view/NoteLinesPanel.h"

#include "view/Latin1Validator.h"
#include "view/PanelStyle.h"
#include "view/Widgets.h"

#include <QCursor>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>

namespace quillon
{

NoteLinesPanel::NoteLinesPanel(QWidget* parent) : QWidget(parent)
{
    // Two blocks of six lines side by side, the save button at their right.
    constexpr int kLinesPerBlock = kNoteLines / 2;
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    auto* validator = new Latin1Validator(this);
    connect(validator, &Latin1Validator::refused, this, [this](const QString& characters) {
        const QString hint =
            tr("\"%1\" cannot be stored: the instrument's character set has no such character.")
                .arg(characters);
        QWidget* box = focusWidget();
        QToolTip::showText(box ? box->mapToGlobal(QPoint(0, box->height())) : QCursor::pos(), hint,
                           box);
        emit characterRefused(hint);
    });
    for (int n = 0; n < kNoteLines; ++n) {
        auto* caption = captionLabel(noteCaptionLabel(n), kCaptionBlue, this);
        auto* line = new QLineEdit(this);
        line->setObjectName(QStringLiteral("txtnoteLn%1").arg(n));
        line->setFont(panelFont());
        line->setMaxLength(kNoteLength);
        line->setValidator(validator);
        line->setMinimumWidth(line->fontMetrics().averageCharWidth() * (kNoteLength + 4));
        connect(line, &QLineEdit::textEdited, this, &NoteLinesPanel::edited);
        const int row = n % kLinesPerBlock;
        const int col = 2 * (n / kLinesPerBlock);
        grid->addWidget(caption, row, col, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(line, row, col + 1);
        m_lines[n] = line;
    }
    m_save = named(new QPushButton(tr("S  A  V  E"), this), "cmdtxtsav");
    m_save->setFont(panelFont(true));
    m_save->setMinimumHeight(m_lines[0]->sizeHint().height() * 2);
    grid->addWidget(m_save, 0, 4, kLinesPerBlock, 1, Qt::AlignVCenter);
    grid->setColumnMinimumWidth(2, 0);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void NoteLinesPanel::setTexts(const NoteTexts& texts)
{
    m_shown = texts;
    for (int n = 0; n < kNoteLines; ++n)
        m_lines[n]->setText(shownText(n));
}

QString NoteLinesPanel::shownText(int line) const
{
    QString text = m_shown[line];
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    text.truncate(end);
    return text;
}

void NoteLinesPanel::applyEdits(const NoteEdits& edits)
{
    for (int n = 0; n < kNoteLines; ++n)
        if (edits[n])
            m_lines[n]->setText(*edits[n]);
}

NoteTexts NoteLinesPanel::texts() const
{
    NoteTexts texts;
    const NoteEdits changed = edits();
    for (int n = 0; n < kNoteLines; ++n)
        texts[n] = changed[n] ? *changed[n] : m_shown[n];
    return texts;
}

NoteEdits NoteLinesPanel::edits() const
{
    NoteEdits edits;
    for (int n = 0; n < kNoteLines; ++n)
        if (m_lines[n]->text() != shownText(n))
            edits[n] = m_lines[n]->text();
    return edits;
}

bool NoteLinesPanel::hasFocusInLine() const
{
    return std::any_of(m_lines.begin(), m_lines.end(),
                       [](const QLineEdit* line) { return line->hasFocus(); });
}

} // namespace quillon
