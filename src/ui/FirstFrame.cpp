#include "FirstFrame.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace {

class TFirstFrameWatch : public QObject {
public:
    // A child of the window, so that it goes with a window that never shows.
    TFirstFrameWatch(QWidget* window, std::function<void()> work)
        : QObject(window), Window(window), Work(std::move(work))
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Paint:
            // The frame goes to the screen once every widget has painted;
            // the work comes after that.
            if (watched == Window)
                QTimer::singleShot(0, this, [this] { Run(); });
            break;
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            Run();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void Run()
    {
        if (!Work)
            return;
        qApp->removeEventFilter(this);
        std::exchange(Work, nullptr)();
        deleteLater();
    }

    QWidget* Window;
    std::function<void()> Work;
};

} // namespace

void AfterFirstFrame(QWidget* window, std::function<void()> work)
{
    new TFirstFrameWatch(window, std::move(work));
}
