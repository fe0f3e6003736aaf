// The game's start as the program does it: the main window first, the
// three dialogs the first time the game needs one of them.
#include "Levels.h"
#include "ModalCatcher.h"
#include "TempDir.h"

#include "Daten.h"
#include "Hscores.h"
#include "LLevel.h"
#include "main.h"
#include "velor.h"
#include "wertung.h"

#include <QTest>

namespace {

// A scratch working directory with a level file, and `scores` as
// "VScore.dat" when given.
class StartDirectory {
public:
    explicit StartDirectory(const std::vector<std::uint8_t>& scores = {}) : Cwd((Prepare(scores), Dir.Path)) { }
    ~StartDirectory() { DestroyWindows(); }

private:
    void Prepare(const std::vector<std::uint8_t>& scores)
    {
        ResetGameState();
        Dir.Write("velor.dat", LevelFileOf({MakeLevel({{41, 6}, {42, 5}}, {{41, 5}, {42, 6}})}));
        if (!scores.empty())
            Dir.Write("VScore.dat", scores);
    }
    TempDir Dir;
    WorkingDirectory Cwd;
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void theDialogsAreMadeTheFirstTimeTheGameNeedsOne()
    {
        StartDirectory start;
        QVERIFY(CreateMainWindow(*qApp));
        Mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(Mainform));
        QVERIFY(LoadLevelForm == nullptr && HighScoreForm == nullptr && Wertform == nullptr);

        ModalCatcher catcher;
        Mainform->ShowLevel->click(); // "Bestenliste"
        QCOMPARE(catcher.Caught.size(), std::size_t(1));
        QCOMPARE(catcher.Caught.front().ObjectName, QStringLiteral("HighScoreForm"));
        QVERIFY(LoadLevelForm != nullptr && Wertform != nullptr);
        QCOMPARE(LoadLevelForm->parent(), Mainform);

        const THighScoreForm* made = HighScoreForm;
        Mainform->NewLevel->click(); // "Neues Spiel", answered with its default
        QCOMPARE(catcher.Caught.size(), std::size_t(2));
        QCOMPARE(catcher.Caught.back().ObjectName, QStringLiteral("LoadLevelForm"));
        QCOMPARE(HighScoreForm, made); // made once
    }

    void aDamagedListIsReportedBeforeTheGameShows()
    {
        StartDirectory start(std::vector<std::uint8_t>(20, 'x'));
        bool mainWindowShown = true;
        ModalCatcher catcher([&](QWidget* box) {
            mainWindowShown = Mainform != nullptr && Mainform->isVisible();
            ModalCatcher::CloseWithDefault(box);
        });
        QVERIFY(CreateMainWindow(*qApp));
        QCOMPARE(catcher.Caught.size(), std::size_t(1));
        QVERIFY(!mainWindowShown);
        QVERIFY(HighScoreForm == nullptr);
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
