// The about box with its links, and the help window.
#include "GameFixture.h"
#include "Levels.h"
#include "ModalCatcher.h"

#include "BitBtn.h"
#include "HelpViewer.h"
#include "Hscores.h"
#include "Image.h"
#include "InfoBoxDlg.h"
#include "Infobox.h"
#include "LLevel.h"
#include "LabelFit.h"
#include "PaintBox.h"
#include "Panel.h"
#include "Shell.h"
#include "main.h"
#include "wertung.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

namespace {

TLevelRecord AnyLevel()
{
    return MakeLevel({{1, 3}}, {{10, 3}});
}

// Records what the about window shows, then answers it.
struct AboutWindowSeen {
    QString Caption, Name, Version, Mail, Web;
    QPoint Position;
    bool HasIcon = false;
};

AboutWindowSeen Read(QWidget* shown)
{
    auto* box = qobject_cast<TInfoBox*>(shown);
    AboutWindowSeen seen;
    if (!box)
        return seen;
    seen.Caption = box->windowTitle();
    seen.Name = box->ProgramName->text();
    seen.Version = box->Version->text();
    seen.Mail = box->EMailAdresse->text();
    seen.Web = box->Homepageadresse->text();
    seen.Position = box->pos();
    seen.HasIcon = !box->ProgramIcon->Picture.isNull() && box->ProgramIcon->Picture.size() == QSize(32, 32);
    return seen;
}

// The texts of the menu a right click opens, without accelerators and keys.
QStringList ContextMenuOf(QWidget* widget)
{
    QMenu* menu = nullptr;
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        menu = edit->createStandardContextMenu();
    else if (auto* browser = qobject_cast<QTextBrowser*>(widget))
        menu = browser->createStandardContextMenu();
    QStringList texts;
    if (!menu)
        return texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    delete menu;
    return texts;
}

// Blank columns between the last dark pixel of the caption in `band` (left
// of `linkX`) and the first blue pixel of its link, as drawn.
int DrawnGap(const QImage& drawn, QRect band, int linkX)
{
    int captionEnd = -1, linkStart = drawn.width();
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            if (x < linkX && pixel.lightness() < 128)
                captionEnd = std::max(captionEnd, x);
            if (pixel.blue() > 128 && pixel.red() < 128)
                linkStart = std::min(linkStart, x);
        }
    return linkStart - captionEnd - 1;
}

} // namespace

class AboutAndHelpTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetShellOpenHandler({}); }

    void theAboutWindowIsCentredOnTheMainWindow()
    {
        // A 700 x 500 main window at (100, 50): 415 div 2 is 207.
        QCOMPARE(InfoBoxOffsetPosition(100, 700, 285), std::uint16_t(307));
        QCOMPARE(InfoBoxOffsetPosition(50, 500, 290), std::uint16_t(155));
        // Narrower than the box: -5 div 2 is cut toward zero to -2 ...
        QCOMPARE(InfoBoxOffsetPosition(100, 280, 285), std::uint16_t(98));
        // ... and a place left of the screen is held at its edge.
        QCOMPARE(InfoBoxOffsetPosition(1, 280, 285), std::uint16_t(0));
        QCOMPARE(InfoBoxOffsetPosition(-400, 705, 285), std::uint16_t(0));
    }

    void infoShowsNameVersionAndAddressesAndReturnsHowItWasClosed()
    {
        GameFixture game(LevelFileOf({AnyLevel()}));
        Mainform->move(100, 50);
        Mainform->show();
        std::vector<AboutWindowSeen> seen;
        ModalCatcher okay([&seen](QWidget* shown) {
            seen.push_back(Read(shown));
            qobject_cast<TInfoBox*>(shown)->OKButton->click();
        });
        Mainform->InfoButton->click();
        QCOMPARE(seen.size(), std::size_t(1));
        QCOMPARE(seen[0].Caption, QStringLiteral("Velorin - Info über ..."));
        QCOMPARE(seen[0].Name, QStringLiteral("Velorin"));
        QCOMPARE(seen[0].Version, QStringLiteral("Version : 1.0.2.0"));
        QCOMPARE(seen[0].Mail, QStringLiteral("info@velorin.example"));
        QCOMPARE(seen[0].Web, QStringLiteral("https://velorin.example/"));
        QVERIFY(seen[0].HasIcon);
        const QRect frame = Mainform->frameGeometry();
        QCOMPARE(seen[0].Position, QPoint(100 + (frame.width() - 285) / 2, 50 + (frame.height() - 290) / 2));

        // Execute itself: true for OK, false for the close box.
        QVERIFY(Mainform->InfoBoxDlg->Execute());
        ModalCatcher closer([](QWidget* shown) { shown->close(); });
        QVERIFY(!Mainform->InfoBoxDlg->Execute());
    }

    void theAboutWindowsLayout()
    {
        GameFixture game(LevelFileOf({AnyLevel()}));
        TInfoBox box(nullptr);
        QCOMPARE(box.size(), QSize(277, 263));
        QCOMPARE(box.MainPanel->geometry(), QRect(9, 5, 260, 215));
        QCOMPARE(box.OKButton->geometry(), QRect(94, 230, 80, 25));
        QCOMPARE(box.OKButton->text(), QStringLiteral("OK"));
        QCOMPARE(box.OKButton->Spacing, 15);
        QVERIFY(box.OKButton->isDefault());
        QCOMPARE(box.Copyright->text(), QStringLiteral("© 2026 Velorin"));
        QCOMPARE(box.Strasse->text(), QStringLiteral("Lindenweg 7"));
        QCOMPARE(box.Ort->text(), QStringLiteral("12345 Musterstadt"));
        QCOMPARE(box.Telefon->text(), QStringLiteral("Tel. : 0123 4567890"));
        QCOMPARE(box.EMail->text(), QStringLiteral("EMail :"));
        QCOMPARE(box.Hompage->text(), QStringLiteral("Homepage :"));
        QCOMPARE(box.EMailAdresse->pos(), QPoint(107, 145));
        QCOMPARE(box.Homepageadresse->pos(), QPoint(130, 160));
        // The captions end clear of their links, on the labels and as drawn.
        const QImage drawn = box.MainPanel->grab().toImage();
        for (const auto& [caption, link] :
             {std::pair {box.EMail, box.EMailAdresse}, {box.Hompage, box.Homepageadresse}}) {
            QVERIFY2(caption->geometry().right() + LabelGap < link->x(), qPrintable(caption->text()));
            QVERIFY2(DrawnGap(drawn, QRect(caption->x(), link->y(), 100, link->height()), link->x()) >= LabelGap,
                     qPrintable(caption->text()));
        }
        QCOMPARE(box.ProgramName->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QVERIFY(box.ProgramName->font().bold());
        QCOMPARE(box.EMailAdresse->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(box.EMailAdresse->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(box.Homepageadresse->cursor().shape(), Qt::PointingHandCursor);
    }

    // No label of any window cuts its text short with the stand-in fonts.
    void everyLabelHoldsItsText()
    {
        GameFixture game(LevelFileOf({AnyLevel()}));
        TInfoBox box(nullptr);
        int checked = 0;
        for (const QWidget* window :
             std::initializer_list<const QWidget*> {Mainform, LoadLevelForm, HighScoreForm, Wertform, &box})
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                // Columns that wrap their text, one entry a line, are left out.
                const bool wraps = label->wordWrap() || label->height() >= 2 * QFontMetrics(label->font()).height();
                if (wraps || label->text().isEmpty())
                    continue;
                const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
                QVERIFY2(needed <= label->contentsRect().width(),
                         qPrintable(QStringLiteral("%1 \"%2\": %3 of %4 pixels")
                                        .arg(label->objectName(), label->text())
                                        .arg(needed)
                                        .arg(label->contentsRect().width())));
                ++checked;
            }
        QVERIFY(checked >= 10);
    }

    void theLinksHandTheirAddressesToTheDesktopAndTheBoxStaysOpen()
    {
        GameFixture game(LevelFileOf({AnyLevel()}));
        QStringList opened;
        SetShellOpenHandler([&opened](const QString& item) { opened << item; });
        bool stillOpen = false;
        ModalCatcher catcher([&stillOpen](QWidget* shown) {
            auto* box = qobject_cast<TInfoBox*>(shown);
            QTest::mouseClick(box->EMailAdresse, Qt::LeftButton);
            QTest::mouseClick(box->Homepageadresse, Qt::LeftButton);
            QTest::mouseClick(box->Copyright, Qt::LeftButton); // not a link
            stillOpen = box->isVisible();
            box->OKButton->click();
        });
        Mainform->InfoButton->click();
        QVERIFY(stillOpen);
        QCOMPARE(opened, (QStringList {"mailto:info@velorin.example", "https://velorin.example/"}));
    }

    void helpOpensAtTheContentsAndComesToTheFrontAgain()
    {
        GameFixture game(LevelFileOf({AnyLevel()}), [](const TempDir& dir) {
            std::filesystem::copy_file(VELORIN_HELP_FILE, dir.File("velor.hlp"));
        });
        Mainform->show();
        QVERIFY(!HelpBrowser());
        Mainform->HilfeButton->click();
        QTextBrowser* browser = HelpBrowser();
        QVERIFY(browser);
        QVERIFY(browser->window()->isVisible());
        QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Velorin")));
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
        QVERIFY(Mainform->isEnabled()); // the help window does not block the game
        // Stones are shown as on the board, without their red surroundings.
        const QImage stone =
            browser->loadResource(QTextDocument::ImageResource, QUrl("qrc:/main/Farbe7.bmp")).value<QImage>();
        QCOMPARE(stone.size(), QSize(40, 40));
        QCOMPARE(qAlpha(stone.pixel(0, 39)), 0);
        QCOMPARE(stone.pixel(20, 20), QImage(":/main/Farbe7.bmp").pixel(20, 20));

        browser->scrollToAnchor(QStringLiteral("bestenliste"));
        browser->window()->lower();
        Mainform->HilfeButton->click();
        QCOMPARE(HelpBrowser(), browser); // the same window, not a second one
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
        QVERIFY(QTest::qWaitForWindowActive(browser->window()));
    }

    // Qt's own texts are German whatever the desktop's language (this test
    // runs in the C locale): the menus of the name field, the level number
    // field and the help window.
    void qtsOwnTextsAreGerman()
    {
        GameFixture game(LevelFileOf({AnyLevel()}), [](const TempDir& dir) {
            std::filesystem::copy_file(VELORIN_HELP_FILE, dir.File("velor.hlp"));
        });
        Mainform->show();
        Mainform->HilfeButton->click();
        QVERIFY(HelpBrowser());
        QCOMPARE(ContextMenuOf(HighScoreForm->Neuer_Eintrag),
                 (QStringList {"Rückgängig", "Wiederherstellen", "Ausschneiden", "Kopieren", "Einfügen", "Löschen",
                               "Alles auswählen"}));
        QCOMPARE(ContextMenuOf(LoadLevelForm->EditLevel), ContextMenuOf(HighScoreForm->Neuer_Eintrag));
        QCOMPARE(ContextMenuOf(HelpBrowser()), (QStringList {"Kopieren", "Link-Adresse kopieren", "Alles auswählen"}));
    }

    // The help window goes beside the game: right, else left, else kept on
    // the screen over the game's right part.
    void theHelpWindowGoesBesideTheGame()
    {
        const QRect game(100, 50, 700, 500);
        const QSize help(600, 540);
        QCOMPARE(HelpWindowPlace(game, QRect(0, 0, 1920, 1080), help), QPoint(800 + HelpWindowGap, 50));
        QCOMPARE(HelpWindowPlace(game.translated(1100, 0), QRect(0, 0, 1920, 1080), help),
                 QPoint(1200 - HelpWindowGap - 600, 50));
        QCOMPARE(HelpWindowPlace(game, QRect(0, 0, 1024, 768), help), QPoint(1024 - 600, 50));
        // Low on a small screen: moved up so that it fits.
        QCOMPARE(HelpWindowPlace(game.translated(0, 400), QRect(0, 0, 1024, 768), help), QPoint(424, 768 - 540));
    }

    void helpClosesWithTheGame()
    {
        {
            GameFixture game(LevelFileOf({AnyLevel()}));
            Mainform->HilfeButton->click();
            QVERIFY(HelpBrowser());
        }
        QVERIFY(!HelpBrowser());
    }

    void aMissingHelpFileSaysSoInTheHelpWindow()
    {
        GameFixture game(LevelFileOf({AnyLevel()}));
        Mainform->HilfeButton->click();
        QCOMPARE(HelpBrowser()->toPlainText(), QStringLiteral("Die Hilfedatei \"velor.hlp\" wurde nicht gefunden."));
        // A directory in its place is no more readable.
        std::filesystem::create_directory(game.Dir.File("velor.hlp"));
        Mainform->HilfeButton->click();
        QCOMPARE(HelpBrowser()->toPlainText(), HelpFileMissingText(QStringLiteral("velor.hlp")));
        QVERIFY(Mainform->Spielfeld->isEnabled());
    }

    void f1OpensNothing()
    {
        GameFixture game(LevelFileOf({AnyLevel()}));
        Mainform->show();
        QTest::keyClick(Mainform, Qt::Key_F1);
        QVERIFY(!HelpBrowser());
    }
};

QTEST_MAIN(AboutAndHelpTest)
#include "AboutAndHelpTest.moc"
