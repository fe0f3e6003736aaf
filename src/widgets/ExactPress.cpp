#include "ExactPress.h"

#include <QMouseEvent>
#include <QWidget>

#include <cmath>
#include <utility>

void TExactPress::Watch(QWidget* widget)
{
    QWindow* window = widget->window()->windowHandle();
    if (window == Watched)
        return;
    if (Watched)
        Watched->removeEventFilter(this);
    Watched = window;
    if (window)
        window->installEventFilter(this);
}

std::optional<QPointF> TExactPress::Take(QPointF reported)
{
    const std::optional<QPointF> pressed = std::exchange(Pressed, std::nullopt);
    // Only the press that was rounded to `reported`: a press sent straight
    // to the widget passes the window by.
    if (pressed && std::abs(pressed->x() - reported.x()) <= 0.5 && std::abs(pressed->y() - reported.y()) <= 0.5)
        return pressed;
    return std::nullopt;
}

bool TExactPress::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        Pressed = static_cast<QMouseEvent*>(event)->globalPosition();
    return false;
}
