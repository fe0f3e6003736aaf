// What a screen reader hears of the editor's controls: each stone of the
// palette by its colour and way, the two boards, the par range.
#include "EditorWindow.h"
#include "StonePalette.h"

#include <QAccessible>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {

QString NameOf(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

} // namespace

class EditorAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName()
    {
        EditorWindow window;
        QStringList stones;
        const auto* palette = window.findChild<StonePalette*>();
        QVERIFY(palette != nullptr);
        for (QToolButton* button : palette->findChildren<QToolButton*>())
            stones << NameOf(button);
        QCOMPARE(stones.size(), 14);
        QVERIFY(!stones.contains(QString()));
        QVERIFY(stones.contains(QStringLiteral("Stein 1: hellorange, nach links oder nach rechts")));
        QVERIFY(stones.contains(QStringLiteral("Stein 12: dunkelorange, schräg nach links unten")));
        QVERIFY(stones.contains(QStringLiteral("Leeres Feld")));

        QStringList ranges;
        for (QSpinBox* box : window.findChildren<QSpinBox*>())
            ranges << NameOf(box);
        ranges.sort();
        QCOMPARE(ranges, QStringList({QStringLiteral("Par bis"), QStringLiteral("Par von")}));

        QStringList boards;
        for (QWidget* widget : window.findChildren<QWidget*>())
            if (widget->metaObject()->className() == QByteArray("BoardView"))
                boards << NameOf(widget);
        boards.sort();
        QCOMPARE(boards, QStringList({QStringLiteral("Start"), QStringLiteral("Ziel")}));
    }
};

QTEST_MAIN(EditorAccessibilityTest)
#include "EditorAccessibilityTest.moc"
