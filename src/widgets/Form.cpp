#include "Form.h"

#include <QShowEvent>

void TForm::showEvent(QShowEvent* event)
{
    // The program's own show() sends a plain event; a restore from the
    // window system sends a spontaneous one.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}
