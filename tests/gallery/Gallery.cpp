// The gallery (make screenshots): every window of the game in every state a
// player meets, drawn by the game's own code and saved as PNG pictures into
// the folder given. It plays the shipped levels as a player would, with no
// window manager and no hand on the mouse: the start, rings offered, level 1
// solved ("Wertung"), two failed attempts and GAME OVER on level 2, the list
// in entry mode, full and erased (with the CD-ROM notice), the start-level
// dialog, the about box and the help; then two starts in damaged
// directories for the general error box and the "Fehler" box.
//   velorin-gallery FOLDER             all pictures
//   velorin-gallery --main-only FILE   the main window at the start only
// Exits with 1 when a picture is missing or a step did not happen.
#include "ModalCatcher.h"
#include "TempDir.h"
#include "Typing.h"

#include "BitBtn.h"
#include "BoardGeometry.h"
#include "BoardKeyboard.h"
#include "Daten.h"
#include "HelpViewer.h"
#include "HighScore.h"
#include "Hscores.h"
#include "Infobox.h"
#include "LLevel.h"
#include "Moves.h"
#include "PaintBox.h"
#include "Panel.h"
#include "Replay.h"
#include "Solver.h"
#include "main.h"
#include "velor.h"
#include "wertung.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>

namespace {

QString Folder;
std::set<QString> Saved;
int Failures = 0;

void Expect(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "velorin-gallery: %s did not happen\n", what);
        ++Failures;
    }
}

void Save(QWidget* window, const QString& name)
{
    const bool written = window->grab().save(Folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    Expect(written, qPrintable(QStringLiteral("writing %1.png").arg(name)));
    Saved.insert(name);
}

void Press(int cell)
{
    QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, BoardCellOrigin(cell) + QPoint(20, 20));
}

// Lets the clock run the points down: two ticks to zero, one to end it.
bool RunOut(const std::function<bool()>& ended)
{
    Points = 10;
    return QTest::qWaitFor(ended, 60000);
}

// A level of the set and a cell whose stone offers two rings at its start.
std::pair<int, int> LevelWithRings()
{
    for (int level = 1; level <= LevelCount; ++level)
        for (int cell = 1; cell <= CellCount; ++cell)
            if (StoneMove(LevelTable[level].Board, cell).Kind == MoveKind::Ring)
                return {level, cell};
    return {0, 0};
}

// What the next dialog is to be answered with; each dialog saves itself.
QString LevelToType;       // the start-level dialog: type this and OK
bool EraseTheList = false; // the list: erase it before OK
QString NextMessageBox;    // the name of the next message box's picture

void Answer(QWidget* shown)
{
    if (auto* score = qobject_cast<TWertform*>(shown)) {
        Save(score, QStringLiteral("wertung"));
        score->OKButton->click();
    } else if (shown == HighScoreForm) {
        if (HighScoreForm->Neuer_Eintrag->isVisible()) {
            TypeText(HighScoreForm->Neuer_Eintrag, QStringLiteral("Jürgen"));
            Save(HighScoreForm, QStringLiteral("bestenliste-eingabe"));
        } else if (EraseTheList) {
            NextMessageBox = QStringLiteral("cdrom-hinweis");
            HighScoreForm->EraseButton->click();
            Save(HighScoreForm, QStringLiteral("bestenliste-leer"));
        } else {
            Save(HighScoreForm, QStringLiteral("bestenliste-voll"));
        }
        HighScoreForm->OKButton->click();
    } else if (shown == LoadLevelForm) {
        if (LevelToType.isEmpty()) {
            Save(LoadLevelForm, QStringLiteral("startlevel"));
            LoadLevelForm->CancelBtn->click();
            return;
        }
        LoadLevelForm->EditLevel->clear();
        TypeText(LoadLevelForm->EditLevel, LevelToType);
        LoadLevelForm->OKBtn->click();
    } else if (qobject_cast<TInfoBox*>(shown)) {
        Save(shown, QStringLiteral("info"));
        ModalCatcher::CloseWithDefault(shown);
    } else {
        Save(shown, NextMessageBox.isEmpty() ? QStringLiteral("meldung") : NextMessageBox);
        ModalCatcher::CloseWithDefault(shown);
    }
}

void StartAt(int level)
{
    LevelToType = QString::number(level);
    Mainform->NewLevel->click();
    LevelToType.clear();
    Expect(CurrentLevel == level, "a new game at the level typed");
}

void PlayTheShippedLevels()
{
    Save(Mainform, QStringLiteral("hauptfenster-start"));

    const auto [ringLevel, ringCell] = LevelWithRings();
    Expect(ringLevel > 0, "a level with a ring choice at its start");
    if (ringLevel > 0) {
        StartAt(ringLevel);
        Press(ringCell);
        Save(Mainform, QStringLiteral("hauptfenster-ringe"));
        // The keyboard's cursor, on the stone just pressed; the next press
        // of the mouse hides it again.
        Mainform->Keyboard->TakeKeyboard();
        Save(Mainform, QStringLiteral("hauptfenster-tastatur"));
    }

    StartAt(1);
    const SolveResult solution = Solve(LevelTable[1]);
    for (const auto& clicks : Replay(LevelTable[1], solution.Moves).Clicks)
        for (const int cell : clicks)
            Press(cell);
    Expect(CurrentLevel == 2, "level 1 solved");

    Press(1); // the clock starts with a press
    Expect(RunOut([] { return Mainform->NextVersuchPanel->isVisible(); }), "attempt 1 run out");
    Save(Mainform, QStringLiteral("hauptfenster-versuch-1-verloren"));
    Mainform->OKButton->click();
    Press(1);
    Expect(RunOut([] { return Mainform->NextVersuchPanel->isVisible(); }), "attempt 2 run out");
    Save(Mainform, QStringLiteral("hauptfenster-versuch-2-verloren"));
    Mainform->OKButton->click();
    Press(1);
    Expect(RunOut([] { return Mainform->GameOver->isVisible(); }), "game over");
    Save(Mainform, QStringLiteral("hauptfenster-game-over"));

    Mainform->ShowLevel->click();
    Mainform->NewLevel->click();
    Mainform->InfoButton->click();
    Mainform->HilfeButton->click();
    QTest::qWait(100); // the help window lays out its page
    if (QTextBrowser* help = HelpBrowser())
        Save(help->window(), QStringLiteral("hilfe"));
    StartedFromCD = true; // saving the erased list shows the notice instead
    EraseTheList = true;
    Mainform->ShowLevel->click();
    EraseTheList = false;
    StartedFromCD = false;
    Mainform->Beenden->click();
}

// A full list that the total of the gallery's game enters.
THighScoreTable ListOfTen()
{
    static const char* const names[Places] = {"Anna",  "Bernd",  "Clara", "Dieter", "Eva",
                                              "Frank", "Gisela", "Hans",  "Ida",    "Karl"};
    THighScoreTable table {};
    for (int place = 1; place <= Places; ++place) {
        SetNameBytes(table, place, names[place - 1]);
        table.Levels[place] = static_cast<std::uint8_t>(24 - 2 * place);
        table.Scores[place] = 5000 - 400 * place;
    }
    return table;
}

// Runs the game in `dir` until it ends or `play` has played it.
int RunGame(QApplication& app, const TempDir& dir, const std::function<void()>& play)
{
    WorkingDirectory cwd(dir.Path);
    int status = 1;
    if (CreateWindows(app)) {
        Mainform->show();
        QTimer::singleShot(0, &app, play);
        status = app.exec();
    }
    DestroyWindows();
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool mainOnly = args.size() == 3 && args[1] == QLatin1String("--main-only");
    if (args.size() != 2 && !mainOnly) {
        std::fprintf(stderr, "usage: velorin-gallery FOLDER | --main-only FILE\n");
        return 2;
    }

    TempDir dir;
    std::filesystem::copy_file(VELORIN_DATA_DIR "/velor.dat", dir.File("velor.dat"));
    std::filesystem::copy_file(VELORIN_DATA_DIR "/velor.hlp", dir.File("velor.hlp"));
    if (mainOnly) {
        const QString file = QString::fromStdString(std::filesystem::absolute(args[2].toStdString()).string());
        RunGame(app, dir, [&file] {
            Expect(Mainform->grab().save(file), "writing the picture");
            Mainform->Beenden->click();
        });
        return Failures == 0 ? 0 : 1;
    }

    // The game runs in scratch directories: the folder must not depend on them.
    Folder = QString::fromStdString(std::filesystem::absolute(args[1].toStdString()).string());
    std::filesystem::create_directories(Folder.toStdString());
    const THighScoreTable list = ListOfTen();
    const auto bytes = RecordBytes(list);
    dir.Write("VScore.dat", {bytes.begin(), bytes.end()});
    ModalCatcher catcher(Answer);
    Expect(RunGame(app, dir, PlayTheShippedLevels) == 0, "a clean end of the game");

    TempDir damaged; // a list cut short: the general error box at start-up
    std::filesystem::copy_file(VELORIN_DATA_DIR "/velor.dat", damaged.File("velor.dat"));
    damaged.Write("VScore.dat", std::vector<std::uint8_t>(100, 0));
    NextMessageBox = QStringLiteral("fehlerbox-allgemein");
    RunGame(app, damaged, [] { Mainform->Beenden->click(); });

    TempDir empty; // no level file: the "Fehler" box, and the game ends
    NextMessageBox = QStringLiteral("fehler-keine-leveldatei");
    RunGame(app, empty, [] {});

    for (const char* name :
         {"hauptfenster-start", "hauptfenster-ringe", "hauptfenster-tastatur", "wertung",
          "hauptfenster-versuch-1-verloren", "hauptfenster-versuch-2-verloren", "bestenliste-eingabe",
          "hauptfenster-game-over", "bestenliste-voll", "startlevel", "info", "hilfe", "cdrom-hinweis",
          "bestenliste-leer", "fehlerbox-allgemein", "fehler-keine-leveldatei"})
        Expect(Saved.contains(QString::fromLatin1(name)), name);
    return Failures == 0 ? 0 : 1;
}
