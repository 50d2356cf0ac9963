#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPaintDevice;

namespace quillon
{

// The faces the windows, the A-scan, the report page and the document were designed with, and
// the faces that stand in for each where the system lacks it: first a face of the same metrics,
// then a face of the same kind that Debian installs everywhere.
//
//   "MS Sans Serif", "Arial"  ->  "Liberation Sans", "DejaVu Sans"
//   "Courier"                 ->  "Liberation Mono", "DejaVu Sans Mono"
//   "Times New Roman"         ->  "Liberation Serif", "DejaVu Serif"
//
// Any other face is asked for as it is, with the platform's sans-serif behind it.

// The designed face followed by its stand-ins, in the order they are tried.
QStringList fontFamilies(const QString& designed);

// The kind of face the designed one is (sans-serif, fixed-pitch, serif), for when none of the
// list is installed.
QFont::StyleHint fontKind(const QString& designed);

// The designed face at `pointSize` points, with its stand-ins behind it.
QFont designedFont(const QString& designed, double pointSize, bool bold = false);

// The same font sized so that its em is `sizeInUnits` drawing units on `device`, for a painter
// whose transform maps drawing units onto the device.
QFont fontInUnits(const QString& designed, double sizeInUnits, const QPaintDevice* device,
                  bool bold = false);

// The face the system really draws a font with.
QString resolvedFamily(const QFont& font);

} // namespace quillon
