// Checks the shipped help text: its contents list reaches every section,
// every link has its target, every picture is one the game has compiled in,
// and all twelve stones are explained.
#include "StoneWords.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextDocument>

namespace {

QString HelpText()
{
    QFile file(QStringLiteral(VELORIN_HELP_FILE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList Captures(const QString& text, const QString& pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

} // namespace

class HelpFileTest : public QObject {
    Q_OBJECT

    QString Text;

private slots:
    void initTestCase()
    {
        Text = HelpText();
        QVERIFY2(!Text.isEmpty(), VELORIN_HELP_FILE);
    }

    void everyLinkHasItsTargetAndTheContentsReachEverySection()
    {
        const QStringList anchors = Captures(Text, QStringLiteral("<a name=\"([^\"]+)\""));
        const QStringList links = Captures(Text, QStringLiteral("href=\"#([^\"]+)\""));
        QVERIFY(anchors.size() >= 9);
        for (const QString& link : links)
            QVERIFY2(anchors.contains(link), qPrintable(link));
        const QSet<QString> linked(links.begin(), links.end());
        for (const QString& anchor : anchors)
            QVERIFY2(anchor == QLatin1String("inhalt") || linked.contains(anchor), qPrintable(anchor));
        QVERIFY(Captures(Text, QStringLiteral("href=\"([^#][^\"]*)\"")).isEmpty()); // nothing leads outside
    }

    void everyPictureIsCompiledIntoTheGameAndEveryStoneIsShown()
    {
        const QStringList pictures = Captures(Text, QStringLiteral("<img src=\"qrc(:[^\"]+)\""));
        QCOMPARE(Captures(Text, QStringLiteral("<img src=\"([^\"]+)\"")).size(), pictures.size());
        for (const QString& picture : pictures)
            QVERIFY2(QFile::exists(picture), qPrintable(picture));
        for (int code = 1; code <= 12; ++code)
            QVERIFY2(pictures.contains(QStringLiteral(":/main/Farbe%1.bmp").arg(code)),
                     qPrintable(QString::number(code)));
    }

    // The table of the stones and the game's words for them (what a
    // screen reader says of the board) name each colour and way alike.
    void theTableOfTheStonesSaysWhatTheGameSays()
    {
        for (int code = 1; code <= 12; ++code) {
            const QRegularExpression row(
                QStringLiteral("Farbe%1\\.bmp\"[^>]*></td><td>([^<]+)</td><td>([^<]+)</td>").arg(code));
            const QRegularExpressionMatch match = row.match(Text);
            QVERIFY2(match.hasMatch(), qPrintable(QString::number(code)));
            QCOMPARE(match.captured(1), QString::fromUtf8(ColourName(code).data(), ColourName(code).size()));
            QCOMPARE(match.captured(2), QString::fromStdString(WayWords(code)));
        }
    }

    void theTextNamesTheRulesThePlayerMustKnow()
    {
        QTextDocument document;
        document.setHtml(Text);
        const QString plain = document.toPlainText();
        for (const char* fact :
             {"1200 Punkten", "5 Punkte", "drei Versuche", "500 Punkte", "250 Punkte", "Bestenliste", "Alt+N", "Alt+B",
              "Alt+V", "Alt+I", "Alt+H", "Alt+E", "Ring", "Pfeiltasten", "Leertaste"})
            QVERIFY2(plain.contains(QString::fromUtf8(fact)), fact);
        QVERIFY(!plain.contains(QChar::ReplacementCharacter));
    }
};

QTEST_MAIN(HelpFileTest)
#include "HelpFileTest.moc"
