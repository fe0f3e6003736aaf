// One board of the level, drawn with the game's pictures: the target or
// the start. Tells which cell the mouse presses, drags over and leaves;
// marks cells (a stone picked for a swap, the stone a solution moves). From
// the keyboard, the arrow keys move a frame over the cells and Space or
// Enter press the cell under it, as a click would.
#pragma once

#include "LevelRecord.h"

#include <QWidget>

#include <vector>

class BoardPictures;

class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int CentreCell = 41; // where the keyboard's frame starts

    BoardView(const BoardPictures& pictures, QWidget* parent);

    void Show(const TCells& cells);
    void Mark(std::vector<int> cells);

    QSize sizeHint() const override;

signals:
    void CellPressed(int cell);
    void CellEntered(int cell); // while the button is held
    void Released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int CellUnder(QPoint at) const;

    const BoardPictures& Pictures;
    QImage Picture;
    std::vector<int> Marked;
    int LastCell = 0;
    int KeyCell = CentreCell; // under the keyboard's frame
};
