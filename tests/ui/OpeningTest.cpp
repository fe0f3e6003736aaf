// A dialog that comes back from being minimized is not opened anew: the
// show handlers that add the bonus, insert a new score or reset the edit
// field run once per opening, however often the window system shows the
// dialog again meanwhile.
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"
#include "Typing.h"

#include "BitBtn.h"
#include "FileIo.h"
#include "HighScore.h"
#include "Hscores.h"
#include "LLevel.h"
#include "PaintBox.h"
#include "main.h"
#include "wertung.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

TLevelRecord OneMoveLevel() // the code 6 stone on cell 41 moves right
{
    return MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}});
}

// What the window system does to a dialog that the player minimizes and
// brings back: a spontaneous hide and show.
void MinimizeAndRestoreTwice(QWidget* window)
{
    for (int round = 0; round < 2; ++round) {
        window->setWindowState(Qt::WindowMinimized);
        window->setWindowState(Qt::WindowNoState);
    }
}

void SolveLevelOne()
{
    QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, QPoint(45 + 4 * 40 + 20, 45 + 4 * 40 + 20));
}

} // namespace

class OpeningTest : public QObject {
    Q_OBJECT

private slots:
    void wertungAddsTheBonusOnce()
    {
        GameFixture game(LevelFileOf({OneMoveLevel(), OneMoveLevel()}));
        Mainform->show();
        int pointsWhileOpen = 0;
        ModalCatcher catcher([&](QWidget* modal) {
            MinimizeAndRestoreTwice(modal);
            pointsWhileOpen = Points;
            ModalCatcher::CloseWithDefault(modal);
        });
        SolveLevelOne();
        QCOMPARE(pointsWhileOpen, 1195 + 500);
        QCOMPARE(TotalScore, 1695);
    }

    void theEntryListInsertsTheNewTotalOnce()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}));
        Mainform->show();
        ModalCatcher catcher([](QWidget* modal) {
            if (modal == HighScoreForm) {
                MinimizeAndRestoreTwice(modal);
                TypeText(HighScoreForm->Neuer_Eintrag, QStringLiteral("Aaa"));
                HighScoreForm->OKButton->click();
            } else {
                ModalCatcher::CloseWithDefault(modal);
            }
        });
        SolveLevelOne();
        QCOMPARE(catcher.Caught.size(), std::size_t(2));
        THighScoreTable saved {};
        QVERIFY(ParseHighScoreTable(ReadFilePrefix(game.Dir.File("VScore.dat").c_str(), 160).Bytes, saved));
        QCOMPARE(QString::fromStdString(NameText(saved, 1)), QStringLiteral("Aaa"));
        QCOMPARE(saved.Scores[1], 1695);
        QCOMPARE(saved.Scores[2], 0); // no second copy of the total
    }

    void theStartLevelDialogKeepsWhatWasTyped()
    {
        GameFixture game(LevelFileOf({OneMoveLevel(), OneMoveLevel()}));
        Mainform->show();
        ModalCatcher catcher([](QWidget* modal) {
            LoadLevelForm->EditLevel->setText(QStringLiteral("2"));
            MinimizeAndRestoreTwice(modal);
            LoadLevelForm->OKBtn->click();
        });
        Mainform->NewLevel->click();
        QCOMPARE(CurrentLevel, std::uint16_t(2));
    }
};

QTEST_MAIN(OpeningTest)
#include "OpeningTest.moc"
