#include "velor.h"

#include "Application.h"
#include "GameIdentity.h"
#include "HelpViewer.h"
#include "Hscores.h"
#include "LLevel.h"
#include "Pictures.h"
#include "main.h"
#include "wertung.h"

#include <QApplication>

bool CreateWindows(QApplication& app)
{
    const bool started = CreateMainWindow(app);
    CreateDialogs();
    return started;
}

bool CreateMainWindow(QApplication& app)
{
    Application::Initialize(app);
    Application::HelpFile = QStringLiteral("velor.hlp");
    Application::Title = QString::fromUtf8(GameTitle);
    Application::IdentifyProgram();

    Mainform = new TMainform();
    Application::MainWindow = Mainform;
    THighScoreForm::LoadListe();
    return !Application::Terminated();
}

void CreateDialogs()
{
    if (LoadLevelForm != nullptr)
        return;
    LoadLevelForm = new TLoadLevelForm(Mainform);
    HighScoreForm = new THighScoreForm(Mainform);
    Wertform = new TWertform(Mainform);
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
