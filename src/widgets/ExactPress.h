// Where exactly a press landed, between whole pixels.
//
// On a scaled screen one logical pixel covers several device pixels, and
// the screen reports a press at a fraction of a pixel. Qt's widget window
// rounds that to the nearest whole pixel before a widget sees it, which
// moves a press on a cell's last device pixel into the next cell. This
// filter watches the top-level window and keeps the exact position of the
// press that a widget receives next.
#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QWindow>

#include <optional>

class QWidget;

class TExactPress : public QObject {
public:
    using QObject::QObject;

    // Starts watching the window that shows `widget` (again after it changed).
    void Watch(QWidget* widget);

    // The exact screen position of the press that Qt reports rounded to
    // `reported`, if this filter saw it. Each press is taken once.
    std::optional<QPointF> Take(QPointF reported);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWindow> Watched;
    std::optional<QPointF> Pressed;
};
