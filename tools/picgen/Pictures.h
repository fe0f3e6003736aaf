// Every picture the game shows, each drawn from nothing but code.
#pragma once

#include "StoneRules.h"

#include <QByteArray>
#include <QImage>
#include <QRgb>

// The colour the game leaves out when it draws a stone or the ring: it
// takes it from the bottom-left pixel of the picture.
inline constexpr QRgb SeeThroughRed = qRgb(255, 0, 0);

// The warm beige of the score panels and of the digits.
inline constexpr QRgb PanelBeige = qRgb(202, 178, 145);

QImage DrawBoard();                     // 450 x 450, the playing field under the stones
QImage DrawStone(int code);             // 40 x 40, stone 1 .. 12
QImage DrawRing();                      // 40 x 40, the marker around the chosen stone
QImage DrawSmallStones();               // 240 x 20, all twelve stones at half size
QImage DrawScorePanel();                // 180 x 135, labels of the main window's score
QImage DrawLevelScorePanel();           // 180 x 135, labels of the level score dialog
QImage DrawDigits();                    // 200 x 14, digits 0..9 and a white scratch area
QImage DrawEraser();                    // 32 x 16, indexed: eraser and its disabled look
QImage DrawOkGlyph(bool enabled);       // 18 x 18 with alpha
QImage DrawAppIcon(int size);           // size x size with alpha
QImage DrawIndexedAppIcon(int colours); // 32 x 32, indexed, at most `colours` colours
QImage DrawEditorIcon(int size);        // size x size with alpha
QByteArray AppIconSvg();                // the game's icon, scalable
QByteArray EditorIconSvg();             // the editor's icon, scalable
