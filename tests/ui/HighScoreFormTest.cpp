// The high-score list: its file, the entry of a new total and "Löschen".
#include "FileSizeLimit.h"
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"
#include "ScoreTables.h"
#include "Typing.h"

#include "BitBtn.h"
#include "Cp1252.h"
#include "FileIo.h"
#include "HighScore.h"
#include "Hscores.h"
#include "PaintBox.h"
#include "Panel.h"
#include "main.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>

namespace {

// A level solved by one press on cell 41.
TLevelRecord OneMoveLevel()
{
    return MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}});
}

std::vector<std::uint8_t> BytesOf(const THighScoreTable& table)
{
    const auto bytes = RecordBytes(table);
    return {bytes.begin(), bytes.end()};
}

GameFixture::Preparation WithScoreFile(std::vector<std::uint8_t> bytes)
{
    return [bytes](const TempDir& dir) { dir.Write("VScore.dat", bytes); };
}

std::vector<std::uint8_t> ScoreFile(const TempDir& dir)
{
    return ReadFilePrefix(dir.File("VScore.dat").c_str(), 1 << 16).Bytes;
}

QString LabelText(const char* family, int place)
{
    return HighScoreForm->findChild<QLabel*>(QStringLiteral("%1%2").arg(QLatin1String(family)).arg(place))->text();
}

// Opens the list for a new total as the end of a game does; `answer` then
// acts on the open list (and on any box it shows).
void EnterTotal(std::int32_t total, std::uint16_t level, const ModalCatcher::Answer& answer,
                ModalCatcher** used = nullptr)
{
    static ModalCatcher* current = nullptr;
    ModalCatcher catcher(answer);
    current = &catcher;
    if (used)
        *used = current;
    EnterNewScore = true;
    HighScoreMark = total;
    CurrentLevel = level;
    HighScoreForm->exec();
    EnterNewScore = false;
}

// Types a name into the open entry line and confirms with OK; any message
// box is noted in `boxes` as "caption|text" and closed.
ModalCatcher::Answer TypeName(const QString& name, QStringList* boxes = nullptr)
{
    return [name, boxes](QWidget* shown) {
        if (shown != HighScoreForm) {
            if (boxes)
                *boxes << shown->windowTitle() + "|" + qobject_cast<QMessageBox*>(shown)->text();
            ModalCatcher::CloseWithDefault(shown);
            return;
        }
        TypeText(HighScoreForm->Neuer_Eintrag, name);
        HighScoreForm->OKButton->click();
    };
}

QStringList Boxes(const ModalCatcher& catcher)
{
    QStringList boxes;
    for (const CaughtDialog& box : catcher.Caught)
        boxes << box.Title + "|" + box.Text;
    return boxes;
}

bool TemporaryLeft(const TempDir& dir)
{
    std::error_code ignored;
    return std::filesystem::symlink_status(dir.File("VScore.dat.tmp"), ignored).type()
        != std::filesystem::file_type::not_found;
}

// Runs a save of another list in `dir` in a process of its own and kills
// that process once the temporary file is written, before it is renamed.
// True when the process got there and died of the kill.
bool SaveKilledBeforeTheRename(const std::filesystem::path& dir)
{
    QProcess save;
    save.start(QStringLiteral(VELORIN_INTERRUPTED_SAVE), {QString::fromStdString(dir.string())});
    const bool reached = save.waitForReadyRead(60000) && save.read(1) == "R";
    save.kill();
    save.waitForFinished(60000);
    return reached && save.exitStatus() == QProcess::CrashExit;
}

} // namespace

class HighScoreFormTest : public QObject {
    Q_OBJECT

private slots:
    void aGameEndedAboveTheLastPlaceIsEnteredAndWrittenWhole()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}));
        Mainform->move(30, 20);
        Mainform->show();
        QPoint listPosition;
        ModalCatcher catcher([&listPosition](QWidget* shown) {
            if (shown == HighScoreForm) {
                listPosition = shown->pos();
                QVERIFY(HighScoreForm->Neuer_Eintrag->isVisible());
                QCOMPARE(HighScoreForm->Neuer_Eintrag->y(), 32); // over the line of place 1
                TypeText(HighScoreForm->Neuer_Eintrag, QStringLiteral("Jürgen"));
                HighScoreForm->OKButton->click();
            } else {
                ModalCatcher::CloseWithDefault(shown); // the score dialog
            }
        });
        QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, QPoint(4 * 40 + 65, 4 * 40 + 65));
        QCOMPARE(listPosition, Mainform->pos() + QPoint(110, 110));
        QVERIFY(!EnterNewScore);

        const std::vector<std::uint8_t> file = ScoreFile(game.Dir);
        QCOMPARE(file.size(), std::size_t(160));
        QCOMPARE(file[0], std::uint8_t(6));
        QCOMPARE(std::string(reinterpret_cast<const char*>(&file[1]), 6), std::string("J\xFCrgen"));
        QCOMPARE(file[110], std::uint8_t(1)); // the level on which the game ended
        std::int32_t score = 0;
        std::memcpy(&score, &file[120], 4);
        QCOMPARE(score, 1695);
        QCOMPARE(HighScoreMark, 0); // place 10 is still empty
        QCOMPARE(LabelText("Name", 1), QStringLiteral("Jürgen"));
        QCOMPARE(LabelText("P", 1), QStringLiteral("1695"));
    }

    void layoutOfTheList()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(FullTable())));
        THighScoreForm& form = *HighScoreForm;
        QCOMPARE(form.windowTitle(), QStringLiteral("Bestenliste"));
        QCOMPARE(form.size(), QSize(307, 256));
        QVERIFY(!(form.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(form.Headline->text(), QStringLiteral("Platz  Name                         Level  Punkte"));
        QVERIFY(form.Headline->font().underline());
        QCOMPARE(form.Neuer_Eintrag->maxLength(), 10);
        QCOMPARE(form.Neuer_Eintrag->geometry(), QRect(53, 32, 144, 16));
        QVERIFY(!form.Neuer_Eintrag->hasFrame());
        QCOMPARE(form.EraseButton->text(), QStringLiteral("Löschen"));
        QCOMPARE(form.EraseButton->geometry(), QRect(94, 216, 95, 25));
        QCOMPARE(form.OKButton->geometry(), QRect(206, 216, 95, 25));
        QVERIFY(form.OKButton->isDefault());
        QVERIFY(!form.OKButton->Glyph.isNull());
        for (int place = 1; place <= 10; ++place) {
            for (const char* family : {"Name", "L", "P"}) {
                auto* label = form.findChild<QLabel*>(QStringLiteral("%1%2").arg(QLatin1String(family)).arg(place));
                QVERIFY(label);
                QCOMPARE(label->y(), 16 * place + 16);
            }
        }
        ModalCatcher catcher([](QWidget* shown) { qobject_cast<THighScoreForm*>(shown)->OKButton->click(); });
        DialogLeft = 40;
        DialogTop = 50;
        Mainform->ShowLevel->click(); // viewing: the window's own position is stored first
        QCOMPARE(catcher.Caught.size(), std::size_t(1));
        QCOMPARE(catcher.Caught[0].Position, Mainform->pos() + QPoint(110, 110));
        QCOMPARE(LabelText("Name", 3), QStringLiteral("Spieler3"));
        QCOMPARE(LabelText("L", 3), QStringLiteral("3"));
        QCOMPARE(LabelText("P", 3), QStringLiteral("970"));
        QVERIFY(!form.Neuer_Eintrag->isVisible());
        QCOMPARE(EntryPlace, std::uint8_t(0));
    }

    // "Level" and "Punkte" end where the numbers below them end, as drawn
    // (also run at twice the size).
    void theHeadingsStandOverTheirColumns()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(FullTable())));
        ModalCatcher catcher([](QWidget* shown) { qobject_cast<THighScoreForm*>(shown)->OKButton->click(); });
        Mainform->ShowLevel->click();
        const THighScoreForm& form = *HighScoreForm;
        const QImage drawn = form.ScorePanel->grab().toImage();
        const qreal scale = drawn.devicePixelRatio();
        // The rightmost dark pixel within `area` (logical pixels), in device pixels.
        const auto inkEnd = [&drawn, scale](QRect area) {
            int end = -1;
            for (int y = qRound(area.top() * scale); y < qRound((area.bottom() + 1) * scale); ++y)
                for (int x = qRound(area.left() * scale); x < qRound((area.right() + 1) * scale); ++x)
                    if (qGray(drawn.pixel(x, y)) < 100)
                        end = std::max(end, x);
            return end;
        };
        const QLabel* level = form.findChild<QLabel*>(QStringLiteral("L1"));
        const QLabel* score = form.findChild<QLabel*>(QStringLiteral("P1"));
        const int lines = 10 * level->height();
        const QRect levelColumn(level->x(), level->y(), level->width(), lines);
        const QRect scoreColumn(score->x(), score->y(), score->width(), lines);
        // The heading's letters above its underline, split halfway between the columns.
        const int letters = QFontMetrics(form.Headline->font()).ascent();
        const int between = (levelColumn.right() + scoreColumn.left()) / 2;
        const int top = form.Headline->y();
        const int levelHeading = inkEnd(QRect(QPoint(0, top), QPoint(between, top + letters - 1)));
        const int scoreHeading = inkEnd(QRect(0, top, form.ScorePanel->width(), letters));
        const int levelNumbers = inkEnd(levelColumn), scoreNumbers = inkEnd(scoreColumn);
        QVERIFY2(std::abs(levelHeading - levelNumbers) <= 2 * scale,
                 qPrintable(QStringLiteral("Level ends at %1, its numbers at %2").arg(levelHeading).arg(levelNumbers)));
        QVERIFY2(
            std::abs(scoreHeading - scoreNumbers) <= 2 * scale,
            qPrintable(QStringLiteral("Punkte ends at %1, its numbers at %2").arg(scoreHeading).arg(scoreNumbers)));
        QCOMPARE(form.Headline->text(), QStringLiteral("Platz  Name                         Level  Punkte"));
    }

    void placesOfNewEntries_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("place");
        QTest::newRow("best of all") << 5000 << 1;
        QTest::newRow("tie with place 1 ranks above it") << 990 << 1;
        QTest::newRow("between 4 and 5") << 955 << 5;
        QTest::newRow("place 10") << 901 << 10;
    }

    void placesOfNewEntries()
    {
        QFETCH(int, total);
        QFETCH(int, place);
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(FullTable())));
        QCOMPARE(HighScoreMark, 900);
        EnterTotal(total, 42, TypeName(QStringLiteral("Neu")));
        QCOMPARE(EntryPlace, std::uint8_t(place));
        THighScoreTable saved {};
        QVERIFY(ParseHighScoreTable(ScoreFile(game.Dir), saved));
        const THighScoreTable old = FullTable();
        for (int p = 1; p <= 10; ++p) {
            if (p < place)
                QCOMPARE(saved.Scores[p], old.Scores[p]);
            else if (p == place) {
                QCOMPARE(saved.Scores[p], total);
                QCOMPARE(saved.Levels[p], std::uint8_t(42));
                QCOMPARE(NameBytes(saved, p), std::string_view("Neu"));
            } else {
                QCOMPARE(NameBytes(saved, p), NameBytes(old, p - 1));
            }
        }
        QCOMPARE(HighScoreMark, saved.Scores[10]);
    }

    void namesOfEveryLengthAndUmlautsAreStoredInTheCodePage()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}));
        EnterTotal(300, 1, TypeName(QString()));
        EnterTotal(200, 1, TypeName(QStringLiteral("Zehn Zeich")));
        EnterTotal(100, 1, TypeName(QStringLiteral("Elf Zeichen")));
        EnterTotal(50, 1, TypeName(QStringLiteral("Łukasz Öß€")));
        THighScoreTable saved {};
        QVERIFY(ParseHighScoreTable(ScoreFile(game.Dir), saved));
        QCOMPARE(saved.Names[1].Length, std::uint8_t(0)); // an empty name with its score
        QCOMPARE(saved.Scores[1], 300);
        QCOMPARE(NameBytes(saved, 2), std::string_view("Zehn Zeich"));
        QCOMPARE(NameBytes(saved, 3), std::string_view("Elf Zeiche")); // the field takes ten
        // "Ł" has no place in the code page and is refused while typing.
        QCOMPARE(NameBytes(saved, 4), std::string_view("ukasz \xD6\xDF\x80"));
        QCOMPARE(LabelText("Name", 4), QStringLiteral("ukasz Öß€"));
    }

    void aDamagedSlotShowsTenCharacters()
    {
        THighScoreTable table = FullTable();
        table.Names[2].Length = 255;
        std::memcpy(table.Names[2].Chars, "ABCDEFGHIJ", 10);
        table.Names[3].Length = 11;
        table.Scores[4] = -50;
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(table)));
        HighScoreForm->show();
        QCOMPARE(LabelText("Name", 2), QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(LabelText("Name", 3).size(), 10);
        QCOMPARE(LabelText("P", 4), QStringLiteral("-50"));
        HighScoreForm->OKButton->click();
    }

    void loeschenEmptiesTheListOnScreenAndOnDisk()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(FullTable())));
        HighScoreForm->show();
        HighScoreForm->EraseButton->click();
        QVERIFY(HighScoreForm->isVisible());
        QCOMPARE(LabelText("Name", 1), QString());
        QCOMPARE(LabelText("P", 1), QStringLiteral("0"));
        QCOMPARE(ScoreFile(game.Dir), std::vector<std::uint8_t>(160, 0));
        QCOMPARE(HighScoreMark, 0);
        HighScoreForm->OKButton->click();
    }

    void loeschenDuringAnEntryAbandonsIt()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(FullTable())));
        EnterTotal(2000, 1, [](QWidget*) {
            TypeText(HighScoreForm->Neuer_Eintrag, QStringLiteral("Weg"));
            HighScoreForm->EraseButton->click();
            QVERIFY(!HighScoreForm->Neuer_Eintrag->isVisible());
            HighScoreForm->OKButton->click();
        });
        QCOMPARE(ScoreFile(game.Dir), std::vector<std::uint8_t>(160, 0));
    }

    void scoreFilesOfEverySize_data()
    {
        QTest::addColumn<int>("size"); // -1: no file, -2: a named pipe
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("mark");
        QTest::addColumn<QString>("name1");
        QTest::addColumn<QString>("score1");
        const QStringList none;
        const QStringList tooShort {"Velorin|Versuch hinter dem Dateiende zu lesen."};
        QTest::newRow("missing") << -1 << none << 0 << ""
                                 << "0";
        QTest::newRow("a named pipe") << -2 << none << 0 << ""
                                      << "0";
        QTest::newRow("0 bytes") << 0 << tooShort << 0 << ""
                                 << "0";
        QTest::newRow("100 bytes") << 100 << tooShort << 0 << "Spieler1"
                                   << "0";
        QTest::newRow("159 bytes") << 159 << tooShort << 0 << "Spieler1"
                                   << "990";
        QTest::newRow("160 bytes") << 160 << none << 900 << "Spieler1"
                                   << "990";
        QTest::newRow("161 bytes") << 161 << none << 900 << "Spieler1"
                                   << "990";
        QTest::newRow("4096 bytes") << 4096 << none << 900 << "Spieler1"
                                    << "990";
    }

    // Start-up reads the first 160 bytes, says when they are not all there,
    // and writes nothing; the next entry keeps every place that was read.
    void scoreFilesOfEverySize()
    {
        QFETCH(int, size);
        QFETCH(QStringList, boxes);
        QFETCH(int, mark);
        QFETCH(QString, name1);
        QFETCH(QString, score1);
        std::vector<std::uint8_t> bytes = BytesOf(FullTable());
        bytes.resize(static_cast<std::size_t>(std::max(size, 0)), 0x77);
        std::optional<ModalCatcher> startUp(std::in_place);
        GameFixture game(LevelFileOf({OneMoveLevel()}), [&](const TempDir& dir) {
            if (size == -2)
                QCOMPARE(::mkfifo(dir.File("VScore.dat").c_str(), 0644), 0);
            else if (size >= 0)
                dir.Write("VScore.dat", bytes);
        });
        QVERIFY(game.Started); // start-up goes on
        QCOMPARE(Boxes(*startUp), boxes);
        startUp.reset();
        QCOMPARE(HighScoreMark, mark);
        const auto path = game.Dir.File("VScore.dat");
        if (size == -1)
            QVERIFY(!std::filesystem::exists(path));
        else if (size == -2)
            QVERIFY(std::filesystem::is_fifo(path));
        else
            QCOMPARE(ScoreFile(game.Dir), bytes);

        HighScoreForm->show();
        QCOMPARE(LabelText("Name", 1), name1);
        QCOMPARE(LabelText("P", 1), score1);
        HighScoreForm->OKButton->click();

        const THighScoreTable read = ScoreTable;
        EnterTotal(5000, 7, TypeName(QStringLiteral("Neu")));
        const std::vector<std::uint8_t> after = ScoreFile(game.Dir);
        QCOMPARE(after.size(), std::size_t(160)); // a longer file keeps only its record
        THighScoreTable saved {};
        QVERIFY(ParseHighScoreTable(after, saved));
        QCOMPARE(NameBytes(saved, 1), std::string_view("Neu"));
        QCOMPARE(saved.Scores[1], 5000);
        for (int place = 1; place < Places; ++place) {
            QCOMPARE(std::memcmp(&saved.Names[place + 1], &read.Names[place], sizeof(TNameSlot)), 0);
            QCOMPARE(saved.Levels[place + 1], read.Levels[place]);
            QCOMPARE(saved.Scores[place + 1], read.Scores[place]);
        }
        QVERIFY(!TemporaryLeft(game.Dir));
    }

    void aDirectoryInPlaceOfTheListIsLeftAlone()
    {
        std::optional<ModalCatcher> startUp(std::in_place);
        GameFixture game(LevelFileOf({OneMoveLevel()}), [](const TempDir& dir) {
            std::filesystem::create_directories(dir.File("VScore.dat") / "inside");
        });
        QVERIFY(startUp->Caught.empty()); // read as no list at all
        startUp.reset();
        QCOMPARE(HighScoreMark, 0);
        QStringList boxes;
        EnterTotal(5000, 3, TypeName(QStringLiteral("Berta"), &boxes));
        QCOMPARE(boxes, QStringList {"Velorin|Dateizugriff verweigert."});
        QVERIFY(!HighScoreForm->isVisible());
        QVERIFY(std::filesystem::is_directory(game.Dir.File("VScore.dat") / "inside"));
        QVERIFY(!TemporaryLeft(game.Dir));
        QCOMPARE(NameBytes(ScoreTable, 1), std::string_view("Berta")); // kept for the run
    }

    // A list that is there but cannot be read is never replaced: the
    // player hears of it at the start and at every save.
    void aListThatCannotBeReadIsNeverReplaced()
    {
        std::optional<ModalCatcher> startUp(std::in_place);
        GameFixture game(LevelFileOf({OneMoveLevel()}), [](const TempDir& dir) {
            std::filesystem::create_symlink("VScore.dat", dir.File("VScore.dat")); // leads nowhere
        });
        QCOMPARE(Boxes(*startUp),
                 QStringList {"Warnung|Die Bestenliste „VScore.dat“ kann nicht gelesen werden "
                              "(Ungültiger Dateiname).\n\nDamit ihre Einträge nicht verloren "
                              "gehen, speichert dieses Spiel keine neuen Einträge."});
        startUp.reset();
        QStringList boxes;
        EnterTotal(5000, 3, TypeName(QStringLiteral("Berta"), &boxes));
        QCOMPARE(boxes,
                 QStringList {"Information|Bestenliste kann nicht gespeichert werden,\n"
                              "da „VScore.dat“ nicht gelesen werden konnte."});
        QVERIFY(std::filesystem::is_symlink(game.Dir.File("VScore.dat")));
        QCOMPARE(NameBytes(ScoreTable, 1), std::string_view("Berta")); // kept for the run
        QVERIFY(!TemporaryLeft(game.Dir));
    }

    // Without a lock on its directory the game writes no list: a second
    // game there could be writing its own.
    void withoutALockNoListIsWritten()
    {
        std::optional<ModalCatcher> startUp(std::in_place);
        GameFixture game(LevelFileOf({OneMoveLevel()}), [](const TempDir& dir) {
            dir.Write("VScore.dat", BytesOf(FullTable()));
            ListProtection = TListProtection::NoLock;
            ListProtectionReason = ENOLCK;
        });
        QCOMPARE(Boxes(*startUp),
                 QStringList {"Warnung|Velorin kann dieses Verzeichnis nicht für sich sperren "
                              "(Keine Dateisperre verfügbar).\n\nDamit kein zweites Spiel hier "
                              "Einträge überschreibt, speichert dieses Spiel die Bestenliste nicht."});
        startUp.reset();
        QCOMPARE(HighScoreMark, 900); // the list itself is read
        QStringList boxes;
        EnterTotal(5000, 3, TypeName(QStringLiteral("Berta"), &boxes));
        QCOMPARE(boxes,
                 QStringList {"Information|Bestenliste kann nicht gespeichert werden,\n"
                              "da das Spielverzeichnis nicht gesperrt werden konnte."});
        QCOMPARE(ScoreFile(game.Dir), BytesOf(FullTable()));
    }

    void fromACdRomNothingIsWritten()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(FullTable())));
        StartedFromCD = true;
        QStringList boxes;
        EnterTotal(5000, 3, [&boxes](QWidget* shown) {
            if (auto* box = qobject_cast<QMessageBox*>(shown)) {
                boxes << box->windowTitle() + "|" + box->text();
                ModalCatcher::CloseWithDefault(box);
                return;
            }
            TypeText(HighScoreForm->Neuer_Eintrag, QStringLiteral("Anna"));
            HighScoreForm->OKButton->click();
        });
        const QString fromCd =
            "Information|Bestenliste kann nicht gespeichert werden,\nda Programm von CDRom gestartet wurde.";
        QCOMPARE(boxes, QStringList {fromCd});
        QCOMPARE(ScoreFile(game.Dir), BytesOf(FullTable()));
        QCOMPARE(ScoreTable.Scores[1], 5000); // kept in memory for the run
        QCOMPARE(NameBytes(ScoreTable, 1), std::string_view("Anna"));

        // "Löschen" empties the list on the screen only.
        boxes.clear();
        HighScoreForm->show();
        ModalCatcher catcher(TypeName(QString(), &boxes));
        HighScoreForm->EraseButton->click();
        QCOMPARE(boxes, QStringList {fromCd});
        QCOMPARE(LabelText("Name", 1), QString());
        QCOMPARE(ScoreFile(game.Dir), BytesOf(FullTable()));
        HighScoreForm->OKButton->click();
    }

    // The temporary is cut off part-way, as on a disk that fills up.
    void aWriteThatFailsKeepsTheOldFile()
    {
        const QString box = QStringLiteral("Velorin|Zu wenig Speicherplatz.");
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(FullTable())));
        const FileSizeLimit full(100);
        QStringList boxes;
        EnterTotal(5000, 3, TypeName(QStringLiteral("Berta"), &boxes));
        QCOMPARE(boxes, QStringList {box});
        QVERIFY(!HighScoreForm->isVisible()); // OK closes the list all the same
        QCOMPARE(ScoreFile(game.Dir), BytesOf(FullTable()));
        QCOMPARE(NameBytes(ScoreTable, 1), std::string_view("Berta"));
        QVERIFY(!TemporaryLeft(game.Dir)); // a cut-off temporary is cleared away

        // An erase that cannot be saved leaves the screen and the mark alone.
        boxes.clear();
        HighScoreForm->show();
        const std::int32_t mark = HighScoreMark;
        ModalCatcher catcher(TypeName(QString(), &boxes));
        HighScoreForm->EraseButton->click();
        QCOMPARE(boxes, QStringList {box});
        QVERIFY(HighScoreForm->isVisible());
        QCOMPARE(LabelText("Name", 1), QStringLiteral("Berta"));
        QCOMPARE(HighScoreMark, mark);
        QCOMPARE(ScoreFile(game.Dir), BytesOf(FullTable()));
        HighScoreForm->OKButton->click();
    }

    // A save killed once its temporary file is written, before the rename:
    // the old list keeps its name whole, the game reads it as if nothing had
    // happened, and the next save goes through.
    void aSaveKilledBeforeTheRenameLeavesTheOldListWhole()
    {
        bool killed = false;
        std::optional<ModalCatcher> startUp(std::in_place);
        GameFixture game(LevelFileOf({OneMoveLevel()}), [&killed](const TempDir& dir) {
            dir.Write("VScore.dat", BytesOf(FullTable()));
            killed = SaveKilledBeforeTheRename(dir.Path);
        });
        QVERIFY(killed);
        const FileRead temporary = ReadFilePrefix(game.Dir.File("VScore.dat.tmp").c_str(), 1 << 16);
        QCOMPARE(temporary.Bytes.size(), std::size_t(160)); // the other list lay ready
        QVERIFY(temporary.Bytes != BytesOf(FullTable()));
        QCOMPARE(ScoreFile(game.Dir), BytesOf(FullTable()));

        QVERIFY(startUp->Caught.empty());
        startUp.reset();
        QCOMPARE(HighScoreMark, 900);
        HighScoreForm->show();
        QCOMPARE(LabelText("Name", 1), QStringLiteral("Spieler1"));
        QCOMPARE(LabelText("P", 10), QStringLiteral("900"));
        HighScoreForm->OKButton->click();

        EnterTotal(5000, 2, TypeName(QStringLiteral("Danach")));
        THighScoreTable saved {};
        QVERIFY(ParseHighScoreTable(ScoreFile(game.Dir), saved));
        QCOMPARE(NameBytes(saved, 1), std::string_view("Danach"));
        QCOMPARE(NameBytes(saved, 2), std::string_view("Spieler1"));
        QVERIFY(!TemporaryLeft(game.Dir));
    }

    // Scores below zero are ranked as such: a game that ends with 0 points
    // still goes above them.
    void negativeScoresRankBelowZero()
    {
        THighScoreTable table = FullTable();
        for (int place = 6; place <= Places; ++place)
            table.Scores[place] = -10 * (place - 5);
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(table)));
        QCOMPARE(HighScoreMark, -50);
        Mainform->show();
        Mainform->NextChance->click();
        Mainform->NextChance->click();
        ModalCatcher catcher(TypeName(QStringLiteral("Null")));
        Points = 0;
        Mainform->UhrTimer(); // the third attempt runs out: game over with 0
        QCOMPARE(catcher.Caught.size(), std::size_t(1));
        QCOMPARE(EntryPlace, std::uint8_t(6));
        QCOMPARE(LabelText("P", 6), QStringLiteral("0"));
        QCOMPARE(LabelText("P", 7), QStringLiteral("-10"));
        QCOMPARE(LabelText("P", 10), QStringLiteral("-40"));
        THighScoreTable saved {};
        QVERIFY(ParseHighScoreTable(ScoreFile(game.Dir), saved));
        QCOMPARE(NameBytes(saved, 6), std::string_view("Null"));
        QCOMPARE(saved.Scores[6], 0);
        QCOMPARE(NameBytes(saved, 7), NameBytes(table, 6));
        QCOMPARE(saved.Scores[10], -40);
        QCOMPARE(HighScoreMark, -40);
    }

    void aKeyboardCloseDuringAnEntryActsLikeOk()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(FullTable())));
        EnterTotal(5000, 3, [](QWidget*) {
            TypeText(HighScoreForm->Neuer_Eintrag, QStringLiteral("Cäsar"));
            QTest::keyClick(HighScoreForm->Neuer_Eintrag, Qt::Key_Escape);
        });
        QVERIFY(!HighScoreForm->isVisible());
        THighScoreTable saved {};
        QVERIFY(ParseHighScoreTable(ScoreFile(game.Dir), saved));
        QCOMPARE(NameBytes(saved, 1), std::string_view("C\xE4sar"));
        QCOMPARE(HighScoreMark, 910); // place 10 again: the old place 9, shifted down
        EnterTotal(6000, 3, [](QWidget*) { HighScoreForm->close(); });
        QVERIFY(ParseHighScoreTable(ScoreFile(game.Dir), saved));
        QCOMPARE(saved.Scores[1], 6000);
        QCOMPARE(saved.Names[1].Length, std::uint8_t(0));
    }

    void aTotalThatBeatsNoPlaceIsNotEntered()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}), WithScoreFile(BytesOf(FullTable())));
        // Only a short file can leave the mark below place 10; the list then
        // finds no place and only shows itself.
        EnterTotal(10, 3, [](QWidget*) {
            QVERIFY(!HighScoreForm->Neuer_Eintrag->isVisible());
            HighScoreForm->OKButton->click();
        });
        QCOMPARE(EntryPlace, std::uint8_t(0));
        QCOMPARE(ScoreFile(game.Dir), BytesOf(FullTable()));
    }

    void theGameEndingBehindTheOpenListHandsItsTotalOverAfterwards()
    {
        GameFixture game(LevelFileOf({OneMoveLevel(), OneMoveLevel()}));
        Mainform->show();
        // Attempt 3 of level 1 with a total carried over from before.
        TotalScore = 777;
        Mainform->NextChance->click();
        Mainform->NextChance->click();
        int shown = 0;
        bool entryOpen = false;
        ModalCatcher catcher([&](QWidget* dialog) {
            if (dialog != HighScoreForm)
                return ModalCatcher::CloseWithDefault(dialog);
            if (++shown == 1) {
                // The clock runs out behind the list opened for viewing.
                Points = 0;
                Mainform->UhrTimer();
                QVERIFY(Mainform->GameOver->isVisible());
                HighScoreForm->OKButton->click();
            } else {
                entryOpen = HighScoreForm->Neuer_Eintrag->isVisible();
                TypeText(HighScoreForm->Neuer_Eintrag, QStringLiteral("Spät"));
                HighScoreForm->OKButton->click();
            }
        });
        Mainform->ShowLevel->click();
        QCOMPARE(shown, 2);
        QVERIFY(entryOpen);
        QVERIFY(!EnterNewScore);
        QCOMPARE(ScoreTable.Scores[1], 777);
        QCOMPARE(NameBytes(ScoreTable, 1), std::string_view("Sp\xE4t"));
    }
};

QTEST_MAIN(HighScoreFormTest)
#include "HighScoreFormTest.moc"
