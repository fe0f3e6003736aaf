// "Lösung zeigen": the best solution known stepped through on the start
// board, the stone to press and its partner marked before each move. When
// the par is not proved, a shorter one may exist; the title says so.
#pragma once

#include "LevelRecord.h"
#include "Search.h"

#include <QDialog>

#include <vector>

class BoardPictures;
class BoardView;
class QLabel;
class QPushButton;

class SolutionDialog : public QDialog {
    Q_OBJECT
public:
    SolutionDialog(const BoardPictures& pictures, const TLevelRecord& level, std::vector<Move> solution, bool optimal,
                   QWidget* parent);

private:
    void ShowStep(int step);

    TLevelRecord Level;
    std::vector<Move> Solution;
    int Step = 0; // moves made
    BoardView* Board;
    QLabel* Caption;
    QPushButton* Back;
    QPushButton* Forward;
};
