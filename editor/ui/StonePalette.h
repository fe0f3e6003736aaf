// The palette: the twelve stones, "leer" and "Block". The chosen one is
// what a press on the target paints. Keys choose too: 1..9 and A..C the
// stones (as the level tool writes them), the full stop "leer", # "Block".
#pragma once

#include <QWidget>

#include <cstdint>

class BoardPictures;
class QButtonGroup;

class StonePalette : public QWidget {
    Q_OBJECT
public:
    StonePalette(const BoardPictures& pictures, QWidget* parent);

    std::uint8_t Chosen() const;
    void Choose(std::uint8_t code);

private:
    QButtonGroup* Buttons;
};
