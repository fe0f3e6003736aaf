// The level score dialog "Wertung": the solved level's number, the points
// left, the bonus of the attempt and their sum. Opening it adds the bonus
// to the points.
#pragma once

#include "Form.h"

#include <QImage>

#include <cstdint>

class QPushButton;
class TImage;
class TPanel;

class TWertform : public TForm {
    Q_OBJECT
public:
    explicit TWertform(QWidget* owner);

    TPanel* Rahmen;
    TImage* Punktewertung;
    QImage Zahlen; // this dialog's own digit strip, never shown
    QPushButton* OKButton;

    void FormShow() override;
    void ShowPunkte(std::int32_t value, int row);
};

extern TWertform* Wertform;
