#include "velor.h"

#include "Application.h"
#include "HelpViewer.h"
#include "Hscores.h"
#include "Pictures.h"
#include "LLevel.h"
#include "main.h"
#include "wertung.h"

#include <QApplication>
#include <QIcon>

bool CreateWindows(QApplication& app)
{
    Application::Initialize(app);
    Application::HelpFile = QStringLiteral("velor.hlp");
    Application::Title = QStringLiteral("Velorin");
    QApplication::setApplicationName(QStringLiteral("Velorin"));
    // Ties the windows to the menu entry velorin.desktop, for its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("velorin"));
    QApplication::setWindowIcon(ApplicationIcon());

    Mainform = new TMainform();
    Application::MainWindow = Mainform;
    LoadLevelForm = new TLoadLevelForm(Mainform);
    HighScoreForm = new THighScoreForm(Mainform);
    Wertform = new TWertform(Mainform);
    return !Application::Terminated();
}

void DestroyWindows()
{
    // An open help window closes with the game.
    Application::HelpCommand(HELP_QUIT, 0);
    Application::MainWindow = nullptr;
    // The dialogs belong to the main window and go with it.
    delete Mainform;
    Mainform = nullptr;
    LoadLevelForm = nullptr;
    HighScoreForm = nullptr;
    Wertform = nullptr;
}
