// What a screen reader hears of the main window and "Wertung", read through
// Qt's accessibility interface: the board with the cell under the keyboard's
// cursor, the target picture, and the numbers of the score pictures.
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"

#include "Image.h"
#include "PaintBox.h"
#include "main.h"
#include "wertung.h"

#include <QAccessible>
#include <QTest>

namespace {

// The code 6 stone on cell 41 moves right, onto the code 5 stone on 42.
TLevelRecord OneMoveLevel()
{
    return MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}});
}

QString Heard(QWidget* widget, QAccessible::Text text)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(text) : QStringLiteral("(no interface)");
}

void Key(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void theBoardTellsTheCellUnderTheCursorAndItsStone()
    {
        GameFixture game(LevelFileOf({OneMoveLevel()}));
        Mainform->show();
        QApplication::setActiveWindow(Mainform);
        QVERIFY(QTest::qWaitForWindowActive(Mainform));
        QWidget* board = Mainform->Spielfeld;
        QCOMPARE(Heard(board, QAccessible::Name), QStringLiteral("Spielfeld"));
        QVERIFY(Heard(board, QAccessible::Description).contains(QStringLiteral("Pfeiltasten")));

        Key(Qt::Key_Right); // shows the cursor on the centre, cell 41
        QCOMPARE(Heard(board, QAccessible::Description), QStringLiteral("Zeile 5, Spalte 5: olivgelb, nach rechts"));
        Key(Qt::Key_Up);
        QCOMPARE(Heard(board, QAccessible::Description), QStringLiteral("Zeile 4, Spalte 5: leer"));
        Key(Qt::Key_Down);
        Key(Qt::Key_Right);
        QCOMPARE(Heard(board, QAccessible::Description), QStringLiteral("Zeile 5, Spalte 6: lavendel, nach links"));
    }

    void theTargetAndTheScoresAreReadOut()
    {
        GameFixture game(LevelFileOf({OneMoveLevel(), OneMoveLevel()}));
        QCOMPARE(Heard(Mainform->Ziel, QAccessible::Name), QStringLiteral("Zielbild"));
        QCOMPARE(Heard(Mainform->Auswertung, QAccessible::Name), QStringLiteral("Punktestand"));
        QCOMPARE(Heard(Mainform->Auswertung, QAccessible::Description),
                 QStringLiteral("Level 1, Versuch 1, Punkte 1200, gesamt 0"));

        QString wertung;
        {
            ModalCatcher catcher([&wertung](QWidget* modal) {
                if (auto* dialog = qobject_cast<TWertform*>(modal)) {
                    QCOMPARE(Heard(dialog->Punktewertung, QAccessible::Name), QStringLiteral("Wertung"));
                    wertung = Heard(dialog->Punktewertung, QAccessible::Description);
                }
                modal->close();
            });
            QTest::mousePress(Mainform->Spielfeld, Qt::LeftButton, {}, QPoint(225, 225)); // cell 41: solved
        }
        QCOMPARE(wertung, QStringLiteral("Level 1, Punkte 1195, Bonus 500, gesamt 1695"));
        QCOMPARE(Heard(Mainform->Auswertung, QAccessible::Description),
                 QStringLiteral("Level 2, Versuch 1, Punkte 1200, gesamt 1695"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
