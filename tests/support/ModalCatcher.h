// Catches the dialogs and message boxes a test provokes: every time one
// is shown it is recorded and then answered by `answer` (by default:
// closed with its default or first button), so the test goes on.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <vector>

struct CaughtDialog {
    QString ObjectName;
    QString Title;
    QString Text;
    QPoint Position;
    QSize Size;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;
};

class ModalCatcher : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalCatcher(Answer answer = {}) : Reply(std::move(answer)) { qApp->installEventFilter(this); }
    ~ModalCatcher() override { qApp->removeEventFilter(this); }

    std::vector<CaughtDialog> Caught;

    static void CloseWithDefault(QWidget* shown)
    {
        if (auto* box = qobject_cast<QMessageBox*>(shown)) {
            box->defaultButton() ? box->defaultButton()->click() : box->buttons().front()->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(shown)) {
            dialog->reject();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isWindow()) {
                // Answered once its own event loop runs.
                QPointer<QDialog> shown(dialog);
                QTimer::singleShot(0, this, [this, shown] {
                    if (shown && shown->isVisible())
                        Handle(shown);
                });
            }
        }
        return false;
    }

private:
    void Handle(QDialog* shown)
    {
        CaughtDialog seen;
        seen.ObjectName = shown->objectName();
        seen.Title = shown->windowTitle();
        seen.Position = shown->pos();
        seen.Size = shown->size();
        if (auto* box = qobject_cast<QMessageBox*>(shown)) {
            seen.Text = box->text();
            seen.Icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                seen.Buttons << button->text();
        }
        Caught.push_back(seen);
        if (Reply)
            Reply(shown);
        else
            CloseWithDefault(shown);
    }

    Answer Reply;
};
