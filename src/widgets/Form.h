// The base of the game's dialogs. Their show handler `FormShow` prepares a
// dialog for one opening: it places it, adds the bonus, inserts a new
// score, resets an edit field. The window system shows a window again when
// it comes back from being minimized or is otherwise re-exposed; that is
// no new opening, and `FormShow` does not run for it.
#pragma once

#include <QDialog>

// What a dialog of the game closes with, as its caller asks for it.
namespace ModalResult {
inline constexpr int None = 0; // not closed: a refused OK keeps the dialog open
inline constexpr int Ok = 1;   // the same as QDialog::Accepted
inline constexpr int Cancel = 2;
} // namespace ModalResult

class TForm : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    // Runs each time the program opens the dialog, before it is mapped.
    virtual void FormShow() { }

protected:
    void showEvent(QShowEvent* event) override;
};
