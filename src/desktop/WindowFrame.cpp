#include "WindowFrame.h"

#include "X11Desktop.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QMargins FrameMargins(QWidget* window)
{
    // Once the window has been on the screen the toolkit knows its frame;
    // before that the window manager is asked.
    const QRect outer = window->frameGeometry();
    const QRect client = window->geometry();
    if (outer != client)
        return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
                outer.bottom() - client.bottom()};
    return RequestFrameExtents(window).value_or(QMargins());
}

namespace {

// MoveOuter with the frame already known: asking the window manager for it
// costs a round trip to the display server or more.
void MoveOuterWithFrame(QWidget* window, QPoint outerTopLeft, const QMargins& frame)
{
    const QPoint client = outerTopLeft + QPoint(frame.left(), frame.top());
    // move() counts in the part of the frame that the toolkit knows of, and
    // places the client corner where it knows none.
    const QPoint knownFrame = window->geometry().topLeft() - window->pos();
    window->move(client - knownFrame);
}

} // namespace

void MoveOuter(QWidget* window, QPoint outerTopLeft)
{
    MoveOuterWithFrame(window, outerTopLeft, FrameMargins(window));
}

QSize OuterSize(QWidget* window)
{
    return window->size().grownBy(FrameMargins(window));
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QMargins frame = FrameMargins(window);
    const QSize outer = window->size().grownBy(frame);
    MoveOuterWithFrame(window,
                       {std::max(area.left(), area.left() + (area.width() - outer.width()) / 2),
                        std::max(area.top(), area.top() + (area.height() - outer.height()) / 2)},
                       frame);
}
