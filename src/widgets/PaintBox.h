// The board's paint box. It keeps no picture of its own: its paint event
// asks the window that owns it to draw the part that is to be shown, and a
// window that changes what a part shows asks for that part to be drawn.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    TPaintBox(QWidget* parent, QRect geometry);

    // Draws `area` of the box (in its own pixels) with `painter`, every
    // pixel of it. Until it is given, the box shows black.
    std::function<void(QPainter& painter, QRect area)> OnPaint;

    // Asks for `area`, or for the whole box, to be drawn again.
    void Changed(QRect area) { update(area); }
    void Changed() { update(); }

    // What the box shows, drawn at its own size without the frame.
    QImage Picture() const;

    // A frame drawn over what the box shows around `area`; an empty area
    // shows none. Only the old and the new place are drawn again.
    void SetFrame(QRect area);
    QRect Frame() const { return FrameArea; }

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Draw(QPainter& painter, QRect area) const;

    class TExactPress* ExactPress;
    QRect FrameArea;
};
