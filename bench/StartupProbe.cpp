// Starts and ends at the first painted frame of its window: either the
// game's own four windows, built through the game's start-up code
// ("game"), or a bare window of the same size ("bare"). Timed from outside
// as a whole process.
#include "main.h"
#include "velor.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstring>
#include <memory>

namespace {

// Ends the program once the watched window has painted itself.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    const bool game = argc > 1 && std::strcmp(argv[1], "game") == 0;
    QApplication app(argc, argv);
    QuitAfterFirstPaint quitter;
    std::unique_ptr<QWidget> bare;
    QWidget* window = nullptr;
    if (game) {
        if (!CreateWindows(app))
            return 1;
        window = Mainform;
    } else {
        bare = std::make_unique<QWidget>();
        bare->setFixedSize(697, 478);
        window = bare.get();
    }
    window->installEventFilter(&quitter);
    // A frame that never comes must not hold the measurement forever.
    QTimer::singleShot(15000, qApp, [] { QCoreApplication::exit(3); });
    window->show();
    const int status = app.exec();
    if (game)
        DestroyWindows();
    return status;
}
