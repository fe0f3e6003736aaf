#include "velor.h"

#include "Application.h"
#include "Hscores.h"
#include "LLevel.h"
#include "main.h"
#include "wertung.h"

#include <QApplication>

bool CreateWindows(QApplication& app)
{
    Application::Initialize(app);
    Application::HelpFile = QStringLiteral("velor.hlp");
    Application::Title = QStringLiteral("Velorin");
    QApplication::setApplicationName(QStringLiteral("Velorin"));

    Mainform = new TMainform();
    LoadLevelForm = new TLoadLevelForm(Mainform);
    HighScoreForm = new THighScoreForm(Mainform);
    Wertform = new TWertform(Mainform);
    return !Application::Terminated();
}

void DestroyWindows()
{
    // The dialogs belong to the main window and go with it.
    delete Mainform;
    Mainform = nullptr;
    LoadLevelForm = nullptr;
    HighScoreForm = nullptr;
    Wertform = nullptr;
}
