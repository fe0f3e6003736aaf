// An image control: shows its picture at its top left corner, unscaled.
// Whoever changes the picture calls Changed() so that it shows at once.
#pragma once

#include <QImage>
#include <QWidget>

class TImage : public QWidget {
public:
    // A control of a fixed size; `picture` may be null until something
    // draws on it.
    TImage(QWidget* parent, QRect geometry, QImage picture = {});

    QImage Picture;

    void Changed();
    void Changed(QRect area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A picture without see-through pixels that covers the whole control
    // hides what lies behind it, which then need not be painted.
    void KeepOpacity();
};
