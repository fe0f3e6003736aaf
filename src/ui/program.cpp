// The game's entry point.
#include "main.h"
#include "velor.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int status = 1; // the level file is missing
    if (CreateWindows(app)) {
        Mainform->show();
        status = app.exec();
    }
    DestroyWindows();
    return status;
}
