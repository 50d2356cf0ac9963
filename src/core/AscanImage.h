#pragma once

#include "core/Record.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

namespace quillon
{

// An A-scan saved as an image file: the surface inside the picture box's single-line border,
// whole, as the window frames it, and under it an optional caption line. Sizes are in drawing
// units; the surface keeps its 258.75 x 231.75.
class AscanImage
{
public:
    // `paintSurface` paints the surface in its own drawing units; an empty caption adds no line.
    explicit AscanImage(std::function<void(QPainter&)> paintSurface, QString caption = {});

    QSizeF size() const;
    // Where the surface lies in the image.
    static QRectF surfaceArea();

    void paint(QPainter& painter) const;
    QImage image(double pixelsPerUnit) const;
    // As files: PNG by Qt's writer, SVG by Qt SVG; empty when it cannot be written.
    QByteArray png(double pixelsPerUnit) const;
    QByteArray svg(double pixelsPerUnit) const;

private:
    std::function<void(QPainter&)> m_paintSurface;
    QString m_caption;
};

// The caption of an A-scan image: "Mem 7   tested 2024-09-01 10:00   line4.dat", without what
// is unknown (a memory of 0 or less, a record without a valid tested time, no file); the
// file's name only, not its folder.
QString ascanCaption(int memory, const Record& record, const QString& sourceFile);

} // namespace quillon
