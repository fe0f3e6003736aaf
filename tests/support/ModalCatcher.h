// Catches the modal dialogs a test provokes: each one that opens is
// recorded and answered by `answer` (by default: closed with its default
// or first button), so the test goes on.
#pragma once

#include <QApplication>
#include <QDialog>
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

class ModalCatcher {
public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalCatcher(Answer answer = {}) : Reply(std::move(answer))
    {
        Poll.setInterval(5);
        QObject::connect(&Poll, &QTimer::timeout, [this] { Check(); });
        Poll.start();
    }

    std::vector<CaughtDialog> Caught;

private:
    void Check()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == Last || !modal->isVisible())
            return;
        Last = modal;
        CaughtDialog seen;
        seen.ObjectName = modal->objectName();
        seen.Title = modal->windowTitle();
        seen.Position = modal->pos();
        seen.Size = modal->size();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.Text = box->text();
            seen.Icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                seen.Buttons << button->text();
        }
        Caught.push_back(seen);
        if (Reply) {
            Reply(modal);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            box->defaultButton() ? box->defaultButton()->click() : box->buttons().front()->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    }

    Answer Reply;
    QTimer Poll;
    QPointer<QWidget> Last;
};
