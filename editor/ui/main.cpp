// velorin-editor [DATEI]: the level editor. Without a file it starts a new
// collection.
#include "EditorWindow.h"
#include "Pictures.h"
#include "Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velorin-Editor"));
    QApplication::setDesktopFileName(QStringLiteral("velorin-editor"));
    // German also where Qt asks the locale: numbers, file types in the file dialogs.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    InstallGermanTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Der Level-Editor von Velorin."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DATEI"), QStringLiteral("die Level-Datei, die geöffnet wird"));
    parser.process(app);

    EditorWindow window;
    window.show();
    if (!parser.positionalArguments().isEmpty())
        window.OpenFile(parser.positionalArguments().constFirst());
    return QApplication::exec();
}
