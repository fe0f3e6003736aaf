// The faces the game's windows were laid out with, and what stands in for
// them here: Liberation Sans for "MS Sans Serif" and "System", Liberation
// Serif for "Times New Roman" (same metrics, so texts keep their places).
#pragma once

#include <QFont>
#include <QString>

void InstallFontSubstitutes();

// A font given by its character height in pixels at 96 dpi.
QFont PixelFont(const QString& family, int pixels, bool bold = false, bool underline = false);

// "MS Sans Serif", 8 points: 11 pixels.
QFont DialogFont(bool bold = false);
