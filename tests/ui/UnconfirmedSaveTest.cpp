// A save whose last step, the sync of the directory that makes the new
// name last, fails: the list is saved all the same, the player is told
// that this could not be confirmed, and the list shows what is on disk.
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"
#include "ScoreTables.h"
#include "Typing.h"

#include "BitBtn.h"
#include "FileIo.h"
#include "HighScore.h"
#include "Hscores.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// Takes the place of the C library's fsync in this program: a directory
// cannot be synced, as on a failing disk.
extern "C" int fsync(int fd)
{
    struct stat info { };
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace {

const QString NotConfirmed = QStringLiteral("Warnung|Die Bestenliste ist gespeichert, doch dass sie sicher auf der "
                                            "Platte steht, ließ sich nicht bestätigen (E/A-Fehler 1117).");

THighScoreTable OnDisk(const TempDir& dir)
{
    THighScoreTable table {};
    ParseHighScoreTable(ReadFilePrefix(dir.File("VScore.dat").c_str(), 1 << 16).Bytes, table);
    return table;
}

} // namespace

class UnconfirmedSaveTest : public QObject {
    Q_OBJECT

private slots:
    void theListIsSavedAndShownAsOnDisk()
    {
        GameFixture game(LevelFileOf({MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}})}), [](const TempDir& dir) {
            const THighScoreTable table = FullTable();
            const auto bytes = RecordBytes(table); // a view of `table`
            dir.Write("VScore.dat", {bytes.begin(), bytes.end()});
        });
        QStringList boxes;
        const auto answer = [&boxes](QWidget* shown) {
            if (shown != HighScoreForm) {
                boxes << shown->windowTitle() + "|" + qobject_cast<QMessageBox*>(shown)->text().replace('\n', ' ');
                ModalCatcher::CloseWithDefault(shown);
            } else if (HighScoreForm->Neuer_Eintrag->isVisible()) {
                TypeText(HighScoreForm->Neuer_Eintrag, QStringLiteral("Neu"));
                HighScoreForm->OKButton->click();
            }
        };
        {
            ModalCatcher catcher(answer);
            EnterNewScore = true;
            HighScoreMark = 5000;
            CurrentLevel = 1;
            HighScoreForm->exec();
            EnterNewScore = false;
        }
        QCOMPARE(boxes, QStringList {NotConfirmed});
        QCOMPARE(NameBytes(OnDisk(game.Dir), 1), std::string_view("Neu"));

        // "Löschen": the file is erased, and the list shows it so.
        boxes.clear();
        HighScoreForm->show();
        ModalCatcher catcher(answer);
        HighScoreForm->EraseButton->click();
        QCOMPARE(boxes, QStringList {NotConfirmed});
        QCOMPARE(OnDisk(game.Dir).Scores[1], 0);
        QCOMPARE(HighScoreForm->findChild<QLabel*>(QStringLiteral("Name1"))->text(), QString());
        QCOMPARE(HighScoreMark, 0);
        HighScoreForm->OKButton->click();
    }
};

QTEST_MAIN(UnconfirmedSaveTest)
#include "UnconfirmedSaveTest.moc"
