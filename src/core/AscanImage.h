#pragma once

#include "core/Record.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace quillon
{

// An A-scan saved as an image file: the surface inside the picture box's single-line border,
// whole, as the window frames it, and under it an optional caption line. The border is one
// pixel wide and lies on whole pixels, the surface one pixel in from the image's corner.
class AscanImage
{
public:
    // `paintSurface` paints the surface in its own drawing units; an empty caption adds no line.
    AscanImage(std::function<void(QPainter&)> paintSurface, QString caption, double pixelsPerUnit);

    QSize pixelSize() const;

    // Paints the image through a painter that maps one drawing unit onto pixelsPerUnit pixels.
    void paint(QPainter& painter) const;
    QImage image() const;
    // As files: PNG by Qt's writer, SVG by Qt SVG; empty when it cannot be written.
    QByteArray png() const;
    QByteArray svg() const;

private:
    // The surface's whole pixels.
    QSize surfacePixels() const;
    int captionPixels() const;

    std::function<void(QPainter&)> m_paintSurface;
    QString m_caption;
    double m_pixelsPerUnit;
};

// The caption of an A-scan image: "Mem 7   tested 2024-09-01 10:00   line4.dat", without what
// is unknown (a memory of 0 or less, a record without a valid tested time, no file); the
// file's name only, not its folder.
QString ascanCaption(int memory, const Record& record, const QString& sourceFile);

} // namespace quillon
