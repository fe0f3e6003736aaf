// The start-level dialog and "Neues Spiel".
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"

#include "LLevel.h"
#include "PaintBox.h"
#include "main.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

TLevelRecord Level(int marker)
{
    return MakeLevel({{1, 3}}, {{10, 3}, {marker, 4}});
}

std::vector<std::uint8_t> Levels(int count)
{
    std::vector<std::uint8_t> bytes;
    for (int n = 1; n <= count; ++n) {
        const auto one = LevelFileOf({Level(20 + n)});
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

// Types `entry` and presses OK; true when the dialog closed.
bool Enter(const QString& entry)
{
    LoadLevelForm->EditLevel->setText(entry);
    LoadLevelForm->OKBtn->setFocus(); // as a mouse click on it would
    LoadLevelForm->OKBtn->click();
    return !LoadLevelForm->isVisible();
}

} // namespace

class LoadLevelFormTest : public QObject {
    Q_OBJECT

private slots:
    void layoutAndPromptFollowTheLevelCount_data()
    {
        QTest::addColumn<int>("levels");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("25 levels") << 25 << "Bitte Level-Nr. eingeben (1-25)";
        QTest::newRow("one level") << 1 << "Bitte Level-Nr. eingeben (1-1)";
        QTest::newRow("no level") << 0 << "Bitte Level-Nr. eingeben (1-0)";
    }

    void layoutAndPromptFollowTheLevelCount()
    {
        QFETCH(int, levels);
        QFETCH(QString, prompt);
        GameFixture game(Levels(levels));
        TLoadLevelForm& form = *LoadLevelForm;
        QCOMPARE(form.windowTitle(), QStringLiteral("Startlevel "));
        QCOMPARE(form.size(), QSize(270, 140));
        QCOMPARE(form.EditLevel->geometry(), QRect(110, 43, 50, 21));
        QCOMPARE(form.EditLevel->maxLength(), 3);
        QCOMPARE(form.OKBtn->text(), QStringLiteral("OK"));
        QCOMPARE(form.CancelBtn->text(), QStringLiteral("Abbrechen"));
        QVERIFY(form.OKBtn->isDefault());
        form.show();
        QCOMPARE(form.LevelAnzahl->text(), prompt);
        QCOMPARE(form.EditLevel->text(), QStringLiteral("1"));
        QCOMPARE(form.EditLevel->selectedText(), QStringLiteral("1"));
        form.CancelBtn->click();
    }

    void onlyWholeNumbersWithinTheLevelsAreAccepted()
    {
        GameFixture game(Levels(25));
        CurrentLevel = 7;
        for (const char* typed : {"26", "0", "999", "-1", "", "1a", "abc", "25 ", "$1F", "2.5"}) {
            const QString refused = QString::fromUtf8(typed);
            LoadLevelForm->show();
            QVERIFY2(!Enter(refused), typed);
            QCOMPARE(LoadLevelForm->EditLevel->text(), refused); // left as typed
            QCOMPARE(LoadLevelForm->focusWidget(), static_cast<QWidget*>(LoadLevelForm->EditLevel));
            QCOMPARE(CurrentLevel, std::uint16_t(7));
            LoadLevelForm->CancelBtn->click();
        }
        for (const auto& [accepted, level] :
             std::vector<std::pair<QString, int>> {{"25", 25}, {" 3", 3}, {"+2", 2}, {"$A", 10}}) {
            LoadLevelForm->show();
            QVERIFY2(Enter(accepted), qPrintable(accepted));
            QCOMPARE(LoadLevelForm->result(), 1);
            QCOMPARE(CurrentLevel, std::uint16_t(level));
        }
    }

    void hexadecimalEntriesReachHighLevels()
    {
        GameFixture game(Levels(31));
        LoadLevelForm->show();
        QVERIFY(Enter("$1F"));
        QCOMPARE(CurrentLevel, std::uint16_t(31));
    }

    void everyWayOfCancellingWorksEvenWithAnInvalidEntry()
    {
        GameFixture game(Levels(5));
        CurrentLevel = 4;
        const std::vector<std::function<void()>> cancels {
            [] { LoadLevelForm->CancelBtn->click(); },
            [] { QTest::keyClick(LoadLevelForm->EditLevel, Qt::Key_Escape); },
            [] { LoadLevelForm->close(); },
        };
        for (const auto& cancel : cancels) {
            LoadLevelForm->show();
            LoadLevelForm->EditLevel->setText("xyz");
            cancel();
            QVERIFY(!LoadLevelForm->isVisible());
            QVERIFY(LoadLevelForm->result() != 1);
            QCOMPARE(CurrentLevel, std::uint16_t(4));
        }
    }

    void withNoLevelsOnlyCancellingCloses()
    {
        GameFixture game({});
        LoadLevelForm->show();
        QVERIFY(!Enter("1"));
        QVERIFY(!Enter("0"));
        LoadLevelForm->CancelBtn->click();
        QVERIFY(!LoadLevelForm->isVisible());
    }

    void enterInTheFieldActsAsOk()
    {
        GameFixture game(Levels(5));
        int seen = 0;
        ModalCatcher catcher([&seen](QWidget*) {
            ++seen;
            LoadLevelForm->EditLevel->setText("3");
            QTest::keyClick(LoadLevelForm->EditLevel, Qt::Key_Return);
        });
        QCOMPARE(LoadLevelForm->exec(), 1);
        QCOMPARE(seen, 1);
        QCOMPARE(CurrentLevel, std::uint16_t(3));
    }

    void centredTheFirstTimeThenWhereThePlayerLeftIt()
    {
        GameFixture game(Levels(5));
        LoadLevelForm->show();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centred((screen.width() - LoadLevelForm->frameGeometry().width()) / 2,
                             (screen.height() - LoadLevelForm->frameGeometry().height()) / 2);
        QCOMPARE(LoadLevelForm->pos(), centred);
        LoadLevelForm->move(12, 34);
        LoadLevelForm->CancelBtn->click();
        LoadLevelForm->show();
        QCOMPARE(LoadLevelForm->pos(), QPoint(12, 34));
        LoadLevelForm->CancelBtn->click();
    }

    void neuesSpielStartsAFreshGameAtTheChosenLevel()
    {
        GameFixture game(Levels(5));
        Mainform->show();
        QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, QPoint(2, 2)); // the clock runs
        TotalScore = 900;
        Attempt = 2;
        ModalCatcher catcher([](QWidget*) {
            LoadLevelForm->EditLevel->setText("4");
            LoadLevelForm->OKBtn->click();
        });
        Mainform->NewLevel->click();
        QCOMPARE(catcher.Caught.size(), std::size_t(1));
        QCOMPARE(CurrentLevel, std::uint16_t(4));
        QCOMPARE(CurrentRecord, Level(24));
        QCOMPARE(TotalScore, 0);
        QCOMPARE(Attempt, std::uint8_t(1));
        QCOMPARE(Points, 1200);
        QVERIFY(!Mainform->Uhr->isActive());
    }

    void cancellingLeavesTheRunningGameAlone()
    {
        GameFixture game(Levels(5));
        Mainform->show();
        QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, QPoint(2, 2));
        Points = 555;
        ModalCatcher catcher([](QWidget*) { LoadLevelForm->CancelBtn->click(); });
        Mainform->NewLevel->click();
        QCOMPARE(catcher.Caught.size(), std::size_t(1));
        QCOMPARE(Points, 555);
        QCOMPARE(CurrentLevel, std::uint16_t(1));
        QVERIFY(Mainform->Uhr->isActive());
    }
};

QTEST_MAIN(LoadLevelFormTest)
#include "LoadLevelFormTest.moc"
