// Modal message boxes with German captions and buttons.
#pragma once

#include <QPoint>
#include <QString>

enum class TMsgDlgType {
    Warning,
    Error,
    Information,
    Stop
};

// A box of the given kind with its caption ("Warnung", "Fehler",
// "Information") and one "OK" button, centred on the screen.
void MessageDlg(const QString& text, TMsgDlgType type);

// The same, with its top left corner at `topLeft` on the screen.
void MessageDlgPos(const QString& text, TMsgDlgType type, QPoint topLeft);

// A box with any caption, the icon of `type` and one "OK" button.
void ShowMessageBox(const QString& caption, const QString& text, TMsgDlgType type);
