// The board's paint box. What the game draws goes into its canvas, an
// off-screen copy of the board, and shows at once; a repaint of the window
// shows the canvas again.
#pragma once

#include <QImage>
#include <QWidget>

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    TPaintBox(QWidget* parent, QRect geometry);

    // Format_RGB32, the size of the paint box. The game gives the box its
    // first canvas; until then (null) the box shows black.
    QImage Canvas;

    // Shows the part of the canvas that was drawn on.
    void Changed(QRect area) { update(area); }
    void Changed() { update(); }

    // A frame drawn over the canvas, never into it, around `area`; an
    // empty area shows none. Only the old and the new place are redrawn.
    void SetFrame(QRect area);
    QRect Frame() const { return FrameArea; }

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    class TExactPress* ExactPress;
    QRect FrameArea;
};
