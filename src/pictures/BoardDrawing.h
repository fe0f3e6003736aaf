// How a cell of the board and the target pattern look, drawn from the
// codes of a level with the game's pictures: one drawing for the game and
// the editor. Pixels are copied exactly, with the primitives of Pixels.h.
#pragma once

#include "LevelRecord.h"

#include <QImage>
#include <QRect>

struct JpegPicture;

// The picture behind the board, 450 x 450 (Format_RGB32), from its decoded
// JPEG: as it is; cut or filled up with black at another size; plain grey
// when there is none, so that the stones still show.
QImage BoardBackground(const JpegPicture& decoded);

// One cell of the board as it shows, with its top left corner at `to` of
// `target`: the square `square` of `background`, then `stone` without its
// transparent colour, then `ring` likewise. A null stone or ring is left
// out (an empty cell, an invisible block, no choice pending).
void DrawBoardCell(QImage& target, QPoint to, const QImage& background, QRect square, const QImage* stone,
                   const QImage* ring);

// The target pattern in `picture` (180 x 180): black, with the 20 x 20
// stone of each cell's code copied from the strip `smallStones` (code k at
// x = (k - 1) * 20). Empty cells and blocks stay black.
void DrawTargetPattern(QImage& picture, const TCells& target, const QImage& smallStones);
