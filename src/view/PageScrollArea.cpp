#include "view/PageScrollArea.h"

namespace quillon
{

PageScrollArea::PageScrollArea(QWidget* parent) : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
}

QSize PageScrollArea::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
}

} // namespace quillon
