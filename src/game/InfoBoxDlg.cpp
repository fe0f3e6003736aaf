#include "InfoBoxDlg.h"

#include "Image.h"
#include "Infobox.h"
#include "WindowFrame.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>

#include <algorithm>

bool TInfoBoxDlg::Execute()
{
    // The window lives only while it is shown, and goes also when an
    // error ends the showing early.
    TInfoBox box(QApplication::activeWindow());
    box.ProgramName->setText(ProgramName);
    box.Version->setText(QStringLiteral("Version : ") + Version);
    box.setWindowTitle(ProgramName + QStringLiteral(" - Info über ..."));
    MoveOuter(&box, {Left, Top});
    // The 32-pixel picture itself, at one device pixel per pixel: a dense
    // screen then doubles it like every other picture, instead of showing a
    // smoothed reduction of the larger icon.
    box.ProgramIcon->Picture = QApplication::windowIcon().pixmap(QSize(32, 32), 1.0).toImage();
    return box.exec() == QDialog::Accepted;
}

std::uint16_t InfoBoxOffsetPosition(int mainPosition, int mainExtent, int boxExtent)
{
    const int position = mainPosition + (mainExtent - boxExtent) / 2; // C++ division truncates toward zero
    return static_cast<std::uint16_t>(std::clamp(position, 0, 65535));
}
