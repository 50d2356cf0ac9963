#pragma once

#include <QScrollArea>

namespace quillon
{

// A window's page of controls that scrolls when the window is smaller than the page needs, and
// otherwise asks for the room the page's layout asks for (a plain scroll area asks for a few
// dozen characters at most).
class PageScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit PageScrollArea(QWidget* parent = nullptr);

    QSize sizeHint() const override;
};

} // namespace quillon
