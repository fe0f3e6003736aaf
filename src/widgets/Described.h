// A control a screen reader asks about: its description is worked out from
// what it shows when the reader asks for it, so that showing a number or a
// stone costs nothing more than the pixels. Whoever changes what the
// control shows calls DescriptionChanged(), which tells a reader that
// listens (and costs a test of a flag otherwise).
#pragma once

#include <QString>

#include <functional>

class QWidget;

// `widget`'s accessible description is `describe()` from now on. Call it
// before anything asks about the widget (setting its accessible name does):
// the toolkit keeps the first answer it gets for a widget.
void DescribeOnDemand(QWidget* widget, std::function<QString()> describe);

void DescriptionChanged(QWidget* widget);
