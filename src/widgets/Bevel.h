// A bevel: a 3-D box or a line along the top edge, raised or lowered.
#pragma once

#include "Panel.h"

#include <QWidget>

enum class BevelShape {
    Box,
    TopLine
};

class TBevel : public QWidget {
public:
    TBevel(QWidget* parent, QRect geometry, BevelShape shape, BevelCut style);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    BevelShape Shape;
    BevelCut Style;
};
