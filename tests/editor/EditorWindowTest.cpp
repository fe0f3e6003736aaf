// The editor's window: its keys as the README gives them, whatever the
// desktop's own key theme (Ctrl+Y redoes, Ctrl+Shift+S saves under a new
// name, the palette's letters choose their stone with Shift as without),
// and a layout that fits a small screen whatever its texts say.
#include "EditorWindow.h"
#include "BoardPictures.h"
#include "BoardView.h"
#include "FileDialogs.h"
#include "LevelRecord.h"
#include "Levels.h"
#include "SolutionDialog.h"
#include "StonePalette.h"

#include <QAction>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QAction* ActionNamed(QWidget& window, const QString& text)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class EditorWindowTest : public QObject {
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

    // 1024 x 768 less a desktop panel of 30 pixels and a window frame of 30;
    // a long verdict wraps instead of widening the window.
    void fitsASmallScreenWhateverTheVerdictSays()
    {
        const QSize mostClient(1024 - 16, 768 - 30 - 30);
        EditorWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize before = window.size();
        QVERIFY2(before.width() <= mostClient.width() && before.height() <= mostClient.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(before.width()).arg(before.height())));
        for (QLabel* label : window.findChildren<QLabel*>())
            if (label->wordWrap())
                label->setText(QStringLiteral("Unentschieden: weder eine Lösung gefunden noch bewiesen, dass "
                                              "keine existiert; die Suche hielt nach 60,0 s und 1 234 567 "
                                              "Stellungen an, ihre Zeit war um. Par mindestens 23."));
        QTest::qWait(50);
        QCOMPARE(window.size(), before);
        QVERIFY(window.minimumSizeHint().width() <= mostClient.width());
        QVERIFY(window.minimumSizeHint().height() <= mostClient.height());
    }

    // The boards from the keyboard: the arrows move the frame, Space and
    // Enter press the cell under it as a click does.
    void boardsAreEditedFromTheKeyboard()
    {
        EditorWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        BoardView* target = nullptr;
        BoardView* start = nullptr;
        for (BoardView* view : window.findChildren<BoardView*>())
            (view->accessibleName() == QStringLiteral("Ziel") ? target : start) = view;
        QVERIFY(target && start);
        QSignalSpy pressed(target, &BoardView::CellPressed);
        target->setFocus();
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Up, Qt::Key_Down})
            QTest::keyClick(target, key);
        QTest::keyClick(target, Qt::Key_Space);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.takeFirst().at(0).toInt(), BoardView::CentreCell + 2 + 9);
        QVERIFY(window.isWindowModified()); // the palette's stone was painted there

        for (int n = 0; n < 12; ++n) // the frame stops at the board's edge
            QTest::keyClick(target, Qt::Key_Left);
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(pressed.takeFirst().at(0).toInt(), BoardView::CentreCell + 9 - 4);

        QSignalSpy picked(start, &BoardView::CellPressed);
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Enter);
        QCOMPARE(picked.count(), 1);
    }

    // A solution not proved the shortest is shown as well, and says so; its
    // last step counts one move as one.
    void aSolutionNotProvedShortestSaysSoAndCountsItsMoves()
    {
        const BoardPictures pictures;
        const TLevelRecord level = MakeLevel({{41, 5}, {42, 6}}, {{41, 6}, {42, 5}}); // a right-mover pressed once
        SolutionDialog bounded(pictures, level, {{41, 42}}, false, nullptr);
        QCOMPARE(bounded.windowTitle(), QStringLiteral("Lösung – 1 Zug, Par nicht bewiesen"));
        QPushButton* forward = nullptr;
        for (QPushButton* button : bounded.findChildren<QPushButton*>())
            if (button->text().startsWith(QStringLiteral("Weiter")))
                forward = button;
        QVERIFY(forward);
        forward->click();
        bool saysOneMove = false;
        for (QLabel* label : bounded.findChildren<QLabel*>())
            saysOneMove = saysOneMove || label->text() == QStringLiteral("Nach 1 Zug gleicht das Spielfeld dem Ziel.");
        QVERIFY(saysOneMove);
        SolutionDialog proved(pictures, level, {{41, 42}}, true, nullptr);
        QCOMPARE(proved.windowTitle(), QStringLiteral("Lösung – Par 1"));
    }

    // A hard level's analysis is stopped, keeps what it found, and goes on
    // with more time when asked.
    void theAnalysisStopsAndSearchesLongerOnRequest()
    {
        QFile corpus(QStringLiteral(VELORIN_CORPUS_DIR "/walks-50.dat"));
        QVERIFY(corpus.open(QIODevice::ReadOnly));
        const QByteArray hardest = corpus.read(LevelRecordSize); // its par is not proved within a minute
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("hard.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(hardest) == LevelRecordSize);
        file.close();

        EditorWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.OpenFile(file.fileName()));
        QPushButton* stop = nullptr;
        QPushButton* longer = nullptr;
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Stopp"))
                stop = button;
            if (button->text() == QStringLiteral("Länger suchen"))
                longer = button;
        }
        QVERIFY(stop && longer);
        const auto verdict = [&] {
            QString text;
            for (QLabel* label : window.findChildren<QLabel*>())
                if (label->wordWrap() && label->font().bold())
                    text = label->text();
            return text;
        };
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), 5000);
        QVERIFY(!longer->isEnabled());
        QTest::qWait(300);
        stop->click();
        QTRY_VERIFY_WITH_TIMEOUT(longer->isEnabled(), 5000);
        QVERIFY(!stop->isEnabled());
        QVERIFY2(verdict().startsWith(QStringLiteral("Angehalten"))
                     || verdict().contains(QStringLiteral("nicht bewiesen")),
                 qPrintable(verdict()));

        longer->click();
        QVERIFY(stop->isEnabled());
        QVERIFY(!longer->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(verdict().startsWith(QStringLiteral("Suche läuft")), 5000);
        QVERIFY2(verdict().contains(QStringLiteral("von 120,0 s")), qPrintable(verdict())); // twice the time
        stop->click();
        QTRY_VERIFY_WITH_TIMEOUT(longer->isEnabled(), 5000);
    }

    // The file dialogs' sizes and dates in German, whatever the locale the
    // test runs under (a C locale gives "1.50 KiB" and English months).
    void fileListsGiveSizesAndDatesInGerman()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("velor.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1536, '\0'));
        file.close();
        QFileSystemModel files;
        QSignalSpy loaded(&files, &QFileSystemModel::directoryLoaded);
        const QModelIndex folder = files.setRootPath(dir.path());
        QVERIFY(loaded.wait(5000));
        GermanFileColumns german;
        german.setSourceModel(&files);
        const QModelIndex row = german.mapFromSource(files.index(file.fileName()));
        QCOMPARE(german.index(row.row(), 1, german.mapFromSource(folder)).data().toString(),
                 QStringLiteral("1,50 KiB"));
        const QString date = german.index(row.row(), 3, german.mapFromSource(folder)).data().toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{2}\\.\\d{2}\\.\\d{2} \\d{2}:\\d{2}$")).match(date).hasMatch(),
                 qPrintable(date));
    }
};

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
