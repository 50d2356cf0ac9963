#include "view/NoteLinesPanel.h"

#include "view/Latin1Validator.h"
#include "view/PanelStyle.h"
#include "view/Widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    for (int n = 0; n < kNoteLines; ++n) {
        auto* caption = captionLabel(QString::fromLatin1(kNoteCaptions[n]), kCaptionBlue, this);
        auto* line = new QLineEdit(this);
        line->setObjectName(QStringLiteral("txtnoteLn%1").arg(n));
        line->setFont(panelFont());
        line->setMaxLength(kNoteLength);
        line->setValidator(validator);
        line->setMinimumWidth(line->fontMetrics().averageCharWidth() * (kNoteLength + 4));
        const int row = n % kLinesPerBlock;
        const int col = 2 * (n / kLinesPerBlock);
        grid->addWidget(caption, row, col, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(line, row, col + 1);
        m_lines[n] = line;
    }
    m_save = named(new QPushButton(QStringLiteral("S  A  V  E"), this), "cmdtxtsav");
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
        m_lines[n]->setText(texts[n]);
}

NoteTexts NoteLinesPanel::texts() const
{
    NoteTexts texts;
    for (int n = 0; n < kNoteLines; ++n)
        texts[n] = m_lines[n]->text();
    return texts;
}

NoteEdits NoteLinesPanel::edits() const
{
    NoteEdits edits;
    for (int n = 0; n < kNoteLines; ++n)
        if (m_lines[n]->text() != m_shown[n])
            edits[n] = m_lines[n]->text();
    return edits;
}

} // namespace quillon
