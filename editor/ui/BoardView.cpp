#include "BoardView.h"

#include "BoardGeometry.h"
#include "BoardPictures.h"

#include <QMouseEvent>
#include <QPainter>

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
    if (LastCell != 0)
        emit CellPressed(LastCell);
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
