#pragma once

#include "core/PanelTexts.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;

namespace quillon
{

// The "Menu Data" group: the instrument's menu values in 37 boxes under its captions (four
// columns), the readouts "Beam Path", "Surface", "Depth", and the time and date line. The
// boxes show exactly what they are given; what they hold is read back by texts().
class SetupPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit SetupPanel(QWidget* parent = nullptr);

    // Boxes in the order of kPanelFields (txtzero .. txtblk2).
    const std::array<QLineEdit*, kPanelFieldCount>& boxes() const { return m_boxes; }
    // txtbeam, txtsurf, txtdpth.
    const std::array<QLineEdit*, kReadoutCount>& readouts() const { return m_readouts; }
    QLabel* timeDate() const { return m_timeDate; }

    // Fills the boxes; characters of code 0 are shown as nothing.
    void setTexts(const PanelTexts& texts);
    // The boxes as they stand: the characters they were filled with, or what was typed.
    PanelTexts texts() const;

private:
    static QString shown(QString text);

    PanelTexts m_stored;
    std::array<QLineEdit*, kPanelFieldCount> m_boxes{};
    std::array<QLineEdit*, kReadoutCount> m_readouts{};
    QLabel* m_timeDate = nullptr;
};

} // namespace quillon
