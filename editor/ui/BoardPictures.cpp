#include "BoardPictures.h"

#include "BoardDrawing.h"
#include "BoardGeometry.h"
#include "Jpeg.h"
#include "Pictures.h"
#include "Pixels.h"
#include "StoneRules.h"

#include <QPainter>

BoardPictures::BoardPictures()
{
    Background = BoardBackground(DecodeJpeg(LoadResourceBytes(Resource::Original)));
    for (int code = 1; code <= ColourCount; ++code)
        Stones[static_cast<std::size_t>(code)] = LoadPicture(Resource::Farbe(code));
    SmallStones = LoadPicture(Resource::Klein);
}

void BoardPictures::MarkBlocks(QImage& picture, const TCells& cells, int size, QPoint (*originOf)(int)) const
{
    const QImage block = BlockMark(size);
    QPainter painter(&picture);
    for (int cell = 1; cell <= CellCount; ++cell)
        if (cells[cell] > ColourCount)
            painter.drawImage(originOf(cell), block);
}

QImage BoardPictures::BlockMark(int size) const
{
    QImage mark(size, size, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setPen(QPen(QColor(200, 200, 200), 2));
    painter.setBrush(QColor(60, 60, 60, 200));
    painter.drawRect(QRectF(3, 3, size - 6, size - 6));
    painter.drawLine(QPointF(3, 3), QPointF(size - 3, size - 3));
    painter.drawLine(QPointF(size - 3, 3), QPointF(3, size - 3));
    return mark;
}

QImage BoardPictures::Board(const TCells& cells) const
{
    QImage board = Background.copy();
    for (int cell = 1; cell <= CellCount; ++cell)
        if (IsStone(cells[cell]))
            DrawBoardCell(board, BoardCellOrigin(cell), Background, BoardCellRect(cell), &Stone(cells[cell]), nullptr);
    MarkBlocks(board, cells, StonePixels, BoardCellOrigin);
    return board;
}

QImage BoardPictures::Small(const TCells& cells) const
{
    QImage picture(TargetPixels, TargetPixels, QImage::Format_RGB32);
    DrawTargetPattern(picture, cells, SmallStones);
    MarkBlocks(picture, cells, TargetStonePixels, TargetCellOrigin);
    return picture;
}
