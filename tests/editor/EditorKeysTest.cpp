// The editor's keys as the README gives them, whatever the desktop's own
// key theme: Ctrl+Y redoes, Ctrl+Shift+S saves under a new name, and the
// palette's letters choose their stone with Shift as without.
#include "EditorWindow.h"
#include "StonePalette.h"

#include <QAction>
#include <QtTest>

namespace {

QAction* ActionNamed(QWidget& window, const QString& text)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class EditorKeysTest : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoByTheReadmesKeysAndPaletteLettersWithShift()
    {
        EditorWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QAction* undo = ActionNamed(window, QStringLiteral("&Rückgängig"));
        QAction* redo = ActionNamed(window, QStringLiteral("&Wiederholen"));
        QVERIFY(undo && redo);

        QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Shift+N"))); // a new level: one edit
        QVERIFY(undo->isEnabled());
        QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Z")));
        QVERIFY(redo->isEnabled());
        QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+Y")));
        QVERIFY(!redo->isEnabled());
        QVERIFY(undo->isEnabled());

        auto* palette = window.findChild<StonePalette*>();
        QVERIFY(palette);
        QTest::keySequence(&window, QKeySequence(QStringLiteral("Shift+B")));
        QCOMPARE(palette->Chosen(), std::uint8_t {11});
        QTest::keySequence(&window, QKeySequence(QStringLiteral("c")));
        QCOMPARE(palette->Chosen(), std::uint8_t {12});

        // This platform's key theme may bring some of them anyway; the
        // README's keys are there on every desktop.
        for (const char* key : {"Ctrl+Y", "Ctrl+Shift+Z"})
            QVERIFY2(redo->shortcuts().contains(QKeySequence(QString::fromLatin1(key))), key);
        QAction* saveAs = ActionNamed(window, QStringLiteral("Speichern &unter …"));
        QVERIFY(saveAs && saveAs->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+S"))));
    }
};

QTEST_MAIN(EditorKeysTest)
#include "EditorKeysTest.moc"
