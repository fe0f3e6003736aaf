// The application object's part of the game: its title, its help file,
// the request to end, and the general error box that shows an error no
// handler dealt with.
#pragma once

#include <QString>

class QApplication;
class QWidget;

namespace Application {

extern QString Title;
extern QString HelpFile;
extern QWidget* MainWindow; // owner of the help viewer

// Style, colours and fonts of the classic desktop the game was made for.
void Initialize(QApplication& app);

// The program's name and icon for the desktop, and its menu entry
// velorin.desktop, for every program that shows the game's windows.
void IdentifyProgram();

// Asks the program to end as soon as the message loop runs.
void Terminate();
bool Terminated();

// The general error box: the text with a full stop added where it lacks
// one, the title as caption, a stop icon and "OK".
void ShowException(const QString& message);

// The same box for an input/output error code.
void ShowIoError(int code);

// Hands a help command for the help file to the help viewer.
bool HelpCommand(unsigned command, unsigned long data);

} // namespace Application
