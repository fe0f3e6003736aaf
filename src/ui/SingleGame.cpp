#include "SingleGame.h"

#include "Application.h"
#include "MessageDlg.h"
#include "X11Desktop.h"

#include <QApplication>

void ShowRunningGame(QApplication& app, pid_t runningGame)
{
    if (runningGame != 0 && ActivateWindowsOf(runningGame))
        return;
    Application::Initialize(app);
    MessageDlg(QStringLiteral("Velorin läuft in diesem Verzeichnis bereits.\r\r"
                              "Bitte spiele im offenen Fenster weiter: ein zweites Spiel hier würde die "
                              "Bestenliste des ersten überschreiben."),
               TMsgDlgType::Information);
}
