#include "KeyboardReturn.h"

#include "X11Desktop.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

namespace {

const QString KeyboardReturnName = QStringLiteral("KeyboardReturn");

class TKeyboardReturn : public QObject {
public:
    explicit TKeyboardReturn(QObject* parent) : QObject(parent) { setObjectName(KeyboardReturnName); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A spontaneous hide is the window system's (a minimize).
        if (event->type() == QEvent::Hide && !event->spontaneous())
            if (const auto* dialog = qobject_cast<QDialog*>(watched); dialog != nullptr && dialog->isWindow())
                ReturnKeyboard(*dialog);
        return false;
    }

private:
    static void ReturnKeyboard(const QDialog& dialog)
    {
        if (dialog.parentWidget() == nullptr)
            return;
        QWidget* below = dialog.parentWidget()->window();
        // The dialog's unmap went to the server before this question, so
        // the answer is the focus after it. Only a keyboard that has fallen
        // to the root is taken: under a window manager, activating the
        // window again would compete with the player's next click.
        if (below->isVisible() && !below->isMinimized() && KeyboardOnRootWindow())
            below->activateWindow();
    }
};

} // namespace

void ReturnKeyboardAfterDialogs(QApplication& app)
{
    if (app.findChild<QObject*>(KeyboardReturnName, Qt::FindDirectChildrenOnly) == nullptr)
        app.installEventFilter(new TKeyboardReturn(&app));
}
