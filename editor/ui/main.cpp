// velorin-editor [DATEI]: the level editor. Without a file it starts a new
// collection.
#include "CommandLine.h"
#include "EditorWindow.h"
#include "KeyboardReturn.h"
#include "Pictures.h"
#include "Platform.h"
#include "Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <vector>

int main(int argc, char** argv)
{
    // --help and --version answer in a terminal, without a window system.
    if (const auto answered = AnswerCommandLine(EditorCommandLine, argc, argv))
        return *answered;

    // Without a window system the toolkit would abort; the author is told why.
    if (!WindowSystemReachable(argc, argv, "velorin-editor"))
        return 1;
    std::vector<char*> arguments = ArgumentsPreferringX11(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    QApplication app(count, arguments.data());
    QApplication::setApplicationName(QStringLiteral("Velorin-Editor"));
    QApplication::setDesktopFileName(QStringLiteral("velorin-editor"));
    // German also where Qt asks the locale: numbers, file types in the file dialogs.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    InstallGermanTranslations(app);
    // On a bare X server the keyboard comes back from a closed dialog, as in the game.
    ReturnKeyboardAfterDialogs(app);

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
