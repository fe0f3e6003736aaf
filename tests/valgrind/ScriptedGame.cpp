// A whole game as a player plays it, from start-up to game over and out,
// for the memory check under valgrind (make test-valgrind). The program's
// own windows start in a scratch directory with two levels: the first is
// solved with one move, on the second the clock runs out three times, the
// total goes into the high-score list under a name, then the list, the
// start-level dialog, the about box and the help are opened once more
// before "Ende" closes the game. Exits with 0 when every step went as the
// player would see it.
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"
#include "Typing.h"

#include "BitBtn.h"
#include "BoardGeometry.h"
#include "FileIo.h"
#include "HighScore.h"
#include "Hscores.h"
#include "LLevel.h"
#include "PaintBox.h"
#include "Panel.h"
#include "main.h"
#include "velor.h"
#include "wertung.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <functional>

namespace {

int Failures = 0;

void Expect(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "scripted game: %s did not happen\n", what);
        ++Failures;
    }
}

void Press(int cell)
{
    QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, BoardCellOrigin(cell) + QPoint(20, 20));
}

// Lets the clock run the points down: two ticks to zero, then the one that
// ends the attempt.
bool RunOut(const std::function<bool()>& ended)
{
    Points = 10;
    return QTest::qWaitFor(ended, 60000);
}

// Answers each dialog as the player would.
void Answer(QWidget* shown)
{
    if (auto* score = qobject_cast<TWertform*>(shown)) {
        score->OKButton->click();
    } else if (shown == HighScoreForm) {
        if (HighScoreForm->Neuer_Eintrag->isVisible())
            TypeText(HighScoreForm->Neuer_Eintrag, QStringLiteral("Jürgen"));
        HighScoreForm->OKButton->click();
    } else if (shown == LoadLevelForm) {
        LoadLevelForm->CancelBtn->click();
    } else {
        ModalCatcher::CloseWithDefault(shown); // the about box
    }
}

void Play(const ModalCatcher& catcher)
{
    Press(41); // solves level 1
    Expect(CurrentLevel == 2 && TotalScore == 1695, "level 1 solved with 1695 points");

    Press(60); // a move on level 2 starts the clock
    for (int attempt = 1; attempt <= 2; ++attempt) {
        Expect(RunOut([] { return Mainform->NextVersuchPanel->isVisible(); }), "an attempt run out");
        Mainform->OKButton->click();
        Press(1); // any press starts the clock again
    }
    Expect(RunOut([] { return Mainform->GameOver->isVisible(); }), "game over");
    Expect(catcher.Caught.size() == 2, "the score dialog and the list at the end");

    THighScoreTable saved {};
    Expect(ParseHighScoreTable(ReadFilePrefix(HighScoreFileName, 1024).Bytes, saved)
               && NameBytes(saved, 1) == "J\xFCrgen" && saved.Scores[1] == 1695,
           "the total saved under the name");

    Mainform->ShowLevel->click();
    Mainform->NewLevel->click();
    Mainform->InfoButton->click();
    Mainform->HilfeButton->click();
    Expect(catcher.Caught.size() == 5, "the list, the start-level dialog and the about box");
    Mainform->Beenden->click();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TempDir dir;
    dir.Write("velor.dat",
              LevelFileOf({MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}}),
                           MakeLevel({{1, 3}}, {{60, 4}, {69, 2}, {41, 1}})}));
    std::filesystem::copy_file(VELORIN_HELP_FILE, dir.File("velor.hlp"));
    WorkingDirectory cwd(dir.Path);

    ModalCatcher catcher(Answer);
    int status = 1;
    if (CreateWindows(app)) {
        Mainform->show();
        QTimer::singleShot(0, &app, [&catcher] { Play(catcher); });
        status = app.exec();
    }
    DestroyWindows();
    Expect(status == 0, "a clean end");
    return Failures == 0 ? 0 : 1;
}
