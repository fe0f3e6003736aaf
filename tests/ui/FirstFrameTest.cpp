// The game's start in two steps, as the program does it: the main window
// first, the three dialogs once its first frame is on the screen.
#include "Levels.h"
#include "ModalCatcher.h"
#include "TempDir.h"

#include "Daten.h"
#include "FirstFrame.h"
#include "Hscores.h"
#include "LLevel.h"
#include "main.h"
#include "velor.h"
#include "wertung.h"

#include <QtTest>

namespace {

// A scratch working directory with a level file, and `scores` as
// "VScore.dat" when given.
class StartDirectory {
public:
    explicit StartDirectory(const std::vector<std::uint8_t>& scores = {}) : Cwd((Prepare(scores), Dir.Path)) {}
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

class FirstFrameTest : public QObject {
    Q_OBJECT

private slots:
    void theDialogsAreBuiltOnceTheFirstFrameIsShown()
    {
        StartDirectory start;
        QVERIFY(CreateMainWindow(*qApp));
        Mainform->show();
        AfterFirstFrame(Mainform, CreateDialogs);
        QVERIFY(LoadLevelForm == nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(Mainform));
        QTRY_VERIFY(LoadLevelForm != nullptr && HighScoreForm != nullptr && Wertform != nullptr);
        QCOMPARE(LoadLevelForm->parent(), Mainform);
    }

    void aKeyBeforeTheFirstFrameFindsTheDialogsBuilt()
    {
        StartDirectory start;
        QVERIFY(CreateMainWindow(*qApp));
        AfterFirstFrame(Mainform, CreateDialogs);
        QTest::keyClick(Mainform, Qt::Key_Right);
        QVERIFY(Wertform != nullptr);
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

QTEST_MAIN(FirstFrameTest)
#include "FirstFrameTest.moc"
