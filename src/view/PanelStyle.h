#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QLineEdit;

namespace quillon
{

// The look of the setup panel, the note lines and the print options: 9.75-point "MS Sans Serif"
// where the system has it, else its stand-in from the program's fallback list; blue bold
// captions; grey boxes.
inline constexpr double kPanelFontSize = 9.75;
inline const QColor kCaptionBlue{0, 0, 255};
inline const QColor kCaptionRed{255, 0, 0};

QFont panelFont(bool bold = false);

// A caption label in the given colour, bold.
QLabel* captionLabel(const QString& text, const QColor& color, QWidget* parent = nullptr);
// A panel box: grey (button face) background, regular panel font unless bold.
QLineEdit* panelBox(const QString& objectName, QWidget* parent = nullptr, bool bold = false);

} // namespace quillon
