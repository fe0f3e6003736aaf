// Playing the board from the keyboard: the arrow keys move a cursor over
// the cells, Space or Return presses the cell under it exactly as a left
// mouse press on the cell's centre does.
#pragma once

#include "StoneRules.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <vector>

class QKeyEvent;
class QShortcut;
class TPaintBox;

// The cell the cursor goes to from `cell` by one `step`; it stops at the
// board's edges.
int CursorStep(int cell, TStep step);

class TBoardKeyboard : public QObject {
    Q_OBJECT
public:
    // The cursor's first cell: the centre of the board.
    static constexpr int StartCell = 41;

    // `press` is handed the centre of a cell, in the board's pixels.
    TBoardKeyboard(QWidget* window, TPaintBox* board, std::function<void(QPoint)> press);

    int Cell() const { return CursorCell; }
    // Whether the cursor shows: the player is using the keyboard.
    bool Showing() const { return Visible; }

    // Gives the board the keyboard and shows the cursor where it was.
    void TakeKeyboard();

signals:
    // The cursor moved, showed or hid.
    void CursorChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Arrow(TStep step);
    void KeyPress(QKeyEvent* key);
    void Hide();
    void ShowFrame();

    TPaintBox* Board;
    std::vector<QShortcut*> Arrows;
    std::function<void(QPoint)> Press;
    int CursorCell = StartCell;
    bool Visible = false;
};
