#include "view/SetupPanel.h"

#include "view/PanelStyle.h"
#include "view/Widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace quillon
{

namespace
{

// The panel as the instrument's menu screen lays it out: nine rows of four columns, each box
// under its caption. An empty name is a caption without a box ("ENTER").
constexpr int kColumns = 4;
constexpr int kCaptionedRows = 9;
constexpr std::array<std::array<const char*, kColumns>, kCaptionedRows> kGrid{{
    {"txtzero", "txtrange", "txtvelo", "txtdelay"},
    {"txtgate", "txtstart", "txtend", "txtlevel"},
    {"txtgate2", "txtstart2", "txtend2", "txtlevel2"},
    {"txtmem", "txtmemno", "txtaction", ""},
    {"txtreject", "txtsetref", "txtVideo", "txtmode"},
    {"txtclock", "txtcolor", "txthorn", "txtbrt"},
    {"txtdac", "txtcur", "txtpoint", "Txtent"},
    {"txtmea", "txtxoff", "txtangle", "txtthick"},
    {"txtblk1", "txthud", "txtbeep", "txtblk2"},
}};
//: The caption of the instrument's ENTER key on its menu screen
constexpr const char* kCaptionOnly = QT_TRANSLATE_NOOP("quillon::SetupPanel", "ENTER");
constexpr int kGainBox = 4;
constexpr int kRefBox = 16;

} // namespace

SetupPanel::SetupPanel(QWidget* parent) : QGroupBox(tr("Menu Data"), parent)
{
    setObjectName(QStringLiteral("fraMenuData"));
    for (int i = 0; i < kPanelFieldCount; ++i)
        m_boxes[i] = panelBox(QString::fromLatin1(kPanelFields[i].control), this, i == kGainBox);
    for (int i = 0; i < kReadoutCount; ++i)
        m_readouts[i] = panelBox(QString::fromLatin1(kReadoutFields[i].control), this);

    // Every column is two grid columns wide: the last two rows put the caption in the first
    // and the box in the second; the rows above span both.
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    for (int row = 0; row < kCaptionedRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            const char* control = kGrid[row][col];
            const int index = panelFieldIndex(control);
            const QString caption =
                index >= 0 ? panelCaptionLabel(kPanelFields[index].caption) : tr(kCaptionOnly);
            const QColor color = index == kGainBox ? kCaptionRed : kCaptionBlue;
            grid->addWidget(captionLabel(caption, color, this), 2 * row, 2 * col, 1, 2,
                            Qt::AlignBottom | Qt::AlignLeft);
            if (index >= 0)
                grid->addWidget(m_boxes[index], 2 * row + 1, 2 * col, 1, 2);
        }
        grid->setRowMinimumHeight(2 * row + 1, m_boxes[0]->sizeHint().height() + 4);
    }

    // Row 10: the readouts with their captions at the left, in the default font and colour.
    const int gapRow = 2 * kCaptionedRows;
    const int readoutRow = gapRow + 1;
    for (int i = 0; i < kReadoutCount; ++i) {
        auto* caption = new QLabel(panelCaptionLabel(kReadoutFields[i].caption), this);
        grid->addWidget(caption, readoutRow, 2 * i, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(m_readouts[i], readoutRow, 2 * i + 1);
    }
    // Row 11: "Gain" (red), "REF", and the time and date line two columns wide.
    const int gainRow = readoutRow + 1;
    grid->addWidget(
        captionLabel(panelCaptionLabel(kPanelFields[kGainBox].caption), kCaptionRed, this), gainRow,
        0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_boxes[kGainBox], gainRow, 1);
    grid->addWidget(
        captionLabel(panelCaptionLabel(kPanelFields[kRefBox].caption), kCaptionBlue, this), gainRow,
        2, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_boxes[kRefBox], gainRow, 3);
    m_timeDate = named(captionLabel(QString(), kCaptionBlue, this), "txttmdt");
    grid->addWidget(m_timeDate, gainRow, 4, 1, 4, Qt::AlignLeft | Qt::AlignVCenter);
    m_timeDate->setTextFormat(Qt::PlainText);
    grid->setRowMinimumHeight(gapRow, 10);
    grid->setRowStretch(gainRow + 1, 1);

    // Boxes as wide as the instrument's seven characters, the readouts as their five.
    const QFontMetrics metrics(panelFont(true));
    const int margin = 2 * m_boxes[0]->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 12;
    for (QLineEdit* box : m_boxes)
        box->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("DAC -12")) + margin);
    for (QLineEdit* box : m_readouts)
        box->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("000.0")) + margin);
    m_boxes[kGainBox]->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("00.0 dB")) + margin);
    m_boxes[kRefBox]->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("00.0")) + margin);
}

void SetupPanel::setTexts(const PanelTexts& texts)
{
    m_stored = texts;
    for (int i = 0; i < kPanelFieldCount; ++i)
        m_boxes[i]->setText(shown(texts.boxes[i]));
    for (int i = 0; i < kReadoutCount; ++i)
        m_readouts[i]->setText(shown(texts.readouts[i]));
    m_timeDate->setText(shown(texts.txttmdt));
}

QString SetupPanel::shown(QString text)
{
    // Characters of code 0 (what a memory never received holds) are shown as nothing, as in the
    // note boxes: they would draw as boxes.
    return text.remove(QChar(0));
}

PanelTexts SetupPanel::texts() const
{
    // A box as it was filled gives its stored characters (what the comparisons and the leading
    // numbers read); a box changed by hand gives what it shows.
    const auto text = [](const QString& box, const QString& stored) {
        return box == shown(stored) ? stored : box;
    };
    PanelTexts texts;
    for (int i = 0; i < kPanelFieldCount; ++i)
        texts.boxes[i] = text(m_boxes[i]->text(), m_stored.boxes[i]);
    for (int i = 0; i < kReadoutCount; ++i)
        texts.readouts[i] = text(m_readouts[i]->text(), m_stored.readouts[i]);
    texts.txttmdt = text(m_timeDate->text(), m_stored.txttmdt);
    return texts;
}

} // namespace quillon
