// A push button with a small picture beside its caption, both centred,
// a fixed number of pixels apart.
#pragma once

#include <QPixmap>
#include <QPushButton>

class TBitBtn : public QPushButton {
public:
    TBitBtn(QWidget* parent, const QString& caption, QRect geometry, QPixmap glyph, QPixmap disabledGlyph,
            int spacing = 4);

    // The standard OK button of a dialog: "OK" with the green check mark.
    static TBitBtn* OkButton(QWidget* parent, QRect geometry, int spacing = 4);

    QPixmap Glyph;
    QPixmap DisabledGlyph;
    int Spacing;

protected:
    void paintEvent(QPaintEvent*) override;
};

// The two halves of a 16-colour glyph strip (normal, then disabled) with
// `transparent` left out.
std::pair<QPixmap, QPixmap> SplitGlyphStrip(const QImage& strip, QRgb transparent);
