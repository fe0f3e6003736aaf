// A panel with the classic 3-D frame: an outer bevel (raised or lowered,
// of a given width) and an optional inner bevel, filled with its colour.
#pragma once

#include <QColor>
#include <QWidget>

enum class BevelCut {
    None,
    Raised,
    Lowered
};

class TPanel : public QWidget {
public:
    TPanel(QWidget* parent, QRect geometry, QColor colour, BevelCut outer, BevelCut inner, int bevelWidth = 1);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor Colour;
    BevelCut Outer;
    BevelCut Inner;
    int BevelWidth;
};

// Draws `width` rings of a 3-D frame just inside `area`: top and left in
// `topLeft`, bottom and right in `bottomRight`; returns the area inside.
QRect DrawFrame3D(class QPainter& painter, QRect area, QColor topLeft, QColor bottomRight, int width);

// The colours of a bevel that looks raised or lowered.
QColor BevelTopLeft(BevelCut cut);
QColor BevelBottomRight(BevelCut cut);
