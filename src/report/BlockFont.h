#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace quillon
{

// The font a report block writes its texts in: the designed face (its stand-ins where the system
// lacks it come from the program's one fallback list), a size in points and the weight.
struct BlockFont {
    QString family;
    double pointSize = 0;
    bool bold = false;

    // The font for a painter on `device` whose transform maps the block's units onto it.
    QFont font(double unitsPerInch, const QPaintDevice* device) const;

    // The height of one text line in block units: after a text the current position moves this
    // far down.
    double lineHeight(double unitsPerInch) const;

    // The face the system really uses for this font.
    QString resolvedFamily() const;

private:
    QFont sized(double sizeInUnits, const QPaintDevice* device) const;
};

} // namespace quillon
