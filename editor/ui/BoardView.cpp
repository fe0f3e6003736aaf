#include "BoardView.h"

#include "BoardGeometry.h"
#include "BoardPictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The view shows the cells and this much of the board's frame around them,
// so that two boards and the list fit on a screen 1024 pixels wide.
constexpr int FrameShown = 12;
constexpr int ViewPixels = BoardSide * StonePixels + 2 * FrameShown;
// Where the view's top left corner lies on the game's board picture.
constexpr QPoint ViewOrigin(BoardMargin - FrameShown, BoardMargin - FrameShown);

} // namespace

BoardView::BoardView(const BoardPictures& pictures, QWidget* parent) : QWidget(parent), Pictures(pictures)
{
    setFixedSize(ViewPixels, ViewPixels);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::Show(const TCells& cells)
{
    Picture = Pictures.Board(cells);
    update();
}

void BoardView::Mark(std::vector<int> cells)
{
    Marked = std::move(cells);
    update();
}

QSize BoardView::sizeHint() const
{
    return {ViewPixels, ViewPixels};
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.translate(-ViewOrigin);
    painter.drawImage(0, 0, Picture);
    painter.setPen(QPen(QColor(255, 220, 0), 3));
    painter.setBrush(Qt::NoBrush);
    for (const int cell : Marked)
        painter.drawRect(BoardCellRect(cell).adjusted(1, 1, -2, -2));
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 2, Qt::DashLine));
        painter.drawRect(BoardCellRect(KeyCell).adjusted(3, 3, -4, -4));
    }
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    const int row = (KeyCell - 1) / BoardSide, column = (KeyCell - 1) % BoardSide;
    const auto moveTo = [this](int newRow, int newColumn) {
        KeyCell = std::clamp(newRow, 0, BoardSide - 1) * BoardSide + std::clamp(newColumn, 0, BoardSide - 1) + 1;
        update();
    };
    switch (event->key()) {
    case Qt::Key_Left:
        return moveTo(row, column - 1);
    case Qt::Key_Right:
        return moveTo(row, column + 1);
    case Qt::Key_Up:
        return moveTo(row - 1, column);
    case Qt::Key_Down:
        return moveTo(row + 1, column);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit CellPressed(KeyCell); // a click of one cell: pressed and let go
        emit Released();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void BoardView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void BoardView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

int BoardView::CellUnder(QPoint at) const
{
    const QPoint onBoard = at + ViewOrigin;
    return BoardCellAt(onBoard.x(), onBoard.y());
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    LastCell = CellUnder(event->position().toPoint());
    if (LastCell != 0) {
        KeyCell = LastCell; // the keyboard goes on from where the mouse was
        emit CellPressed(LastCell);
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int cell = CellUnder(event->position().toPoint());
    if (cell != 0 && cell != LastCell)
        emit CellEntered(cell);
    LastCell = cell;
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit Released();
}
