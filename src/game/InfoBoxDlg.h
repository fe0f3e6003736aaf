// The about box as a component of the main window: it holds the texts and
// the position, and builds a fresh about window for every showing.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

class TInfoBoxDlg : public QObject {
    Q_OBJECT
public:
    explicit TInfoBoxDlg(QObject* owner) : QObject(owner) { }

    QString ProgramName;
    QString Version;
    std::uint16_t Left = 0;
    std::uint16_t Top = 0;

    // Shows the about window modally; true when it was closed with OK.
    bool Execute();
};

// Where the about window (285 x 290 outside) opens so that its centre lies
// on that of a main window at (left, top) of the given outer size: the
// half difference cut toward zero, a place left of or above the screen
// held at 0.
std::uint16_t InfoBoxOffsetPosition(int mainPosition, int mainExtent, int boxExtent);
