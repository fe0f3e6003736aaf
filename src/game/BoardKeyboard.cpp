#include "BoardKeyboard.h"

#include "BoardGeometry.h"
#include "PaintBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>
#include <utility>

int CursorStep(int cell, TStep step)
{
    const int row = std::clamp(RowOf(cell) + step.Rows, 0, BoardSide - 1);
    const int column = std::clamp(ColumnOf(cell) + step.Columns, 0, BoardSide - 1);
    return CellAt(row, column);
}

TBoardKeyboard::TBoardKeyboard(QWidget* window, TPaintBox* board, std::function<void(QPoint)> press)
    : QObject(window), Board(board), Press(std::move(press))
{
    // Shortcuts of the window, so that the arrows reach the board wherever
    // the keyboard is in the window; the buttons would otherwise take them
    // to move the focus among themselves.
    const std::pair<Qt::Key, TStep> arrows[] = {
        {Qt::Key_Left, StepLeft}, {Qt::Key_Right, StepRight}, {Qt::Key_Up, StepUp}, {Qt::Key_Down, StepDown}};
    for (const auto& [key, step] : arrows) {
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { Arrow(step); });
        Arrows.push_back(shortcut);
    }
    Board->installEventFilter(this);
    // The mouse takes over; the cursor waits on the pressed cell for the
    // next key.
    connect(Board, &TPaintBox::MouseDown, this, [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        if (const int cell = BoardCellAt(x, y); cell != 0)
            CursorCell = cell;
        Hide();
    });
}

void TBoardKeyboard::TakeKeyboard()
{
    if (!Board->isEnabled())
        return;
    Board->setFocus(Qt::ShortcutFocusReason);
    Visible = true;
    ShowFrame();
}

void TBoardKeyboard::Arrow(TStep step)
{
    // The first arrow only shows where the cursor is.
    if (Visible && Board->hasFocus())
        CursorCell = CursorStep(CursorCell, step);
    TakeKeyboard();
}

void TBoardKeyboard::KeyPress(QKeyEvent* key)
{
    if (key->isAutoRepeat())
        return; // a held key presses once, as a held mouse button does
    if (!Visible) {
        TakeKeyboard();
        return;
    }
    Press(BoardCellOrigin(CursorCell) + QPoint(StonePixels / 2, StonePixels / 2));
}

void TBoardKeyboard::Hide()
{
    Visible = false;
    ShowFrame();
}

void TBoardKeyboard::ShowFrame()
{
    Board->SetFrame(Visible ? BoardCellRect(CursorCell) : QRect());
    emit CursorChanged();
}

bool TBoardKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Board)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool pressKey = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return
            || key->key() == Qt::Key_Enter;
        if (!pressKey || key->modifiers() != Qt::NoModifier)
            return false;
        KeyPress(key);
        return true; // never on to a button
    }
    case QEvent::FocusOut: {
        // Tab or a click elsewhere hands the keyboard to the buttons; a
        // dialog opening over the window leaves the board its keyboard.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason)
            Hide();
        return false;
    }
    case QEvent::EnabledChange: {
        // A board that takes no presses (the game is over) takes no keys
        // either; the arrows then move between the buttons as before.
        const bool enabled = Board->isEnabled();
        for (QShortcut* arrow : Arrows)
            arrow->setEnabled(enabled);
        if (!enabled)
            Hide();
        return false;
    }
    default:
        return false;
    }
}
