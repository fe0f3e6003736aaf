#include "BitBtn.h"

#include "Pictures.h"
#include "Pixels.h"

#include <QPainter>
#include <QStyleOptionButton>

TBitBtn::TBitBtn(QWidget* parent, const QString& caption, QRect geometry, QPixmap glyph, QPixmap disabledGlyph,
                 int spacing)
    : QPushButton(caption, parent), Glyph(std::move(glyph)), DisabledGlyph(std::move(disabledGlyph)), Spacing(spacing)
{
    setGeometry(geometry);
}

TBitBtn* TBitBtn::OkButton(QWidget* parent, QRect geometry, int spacing)
{
    auto* button = new TBitBtn(parent, QStringLiteral("OK"), geometry, QPixmap::fromImage(LoadImage(Resource::OkGlyph)),
                               QPixmap::fromImage(LoadImage(Resource::OkGlyphDisabled)), spacing);
    button->setDefault(true);
    return button;
}

void TBitBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    const QPixmap& glyph = isEnabled() || DisabledGlyph.isNull() ? Glyph : DisabledGlyph;
    const QString caption = text();
    const int textWidth = fontMetrics().horizontalAdvance(QString(caption).remove(QLatin1Char('&')));
    const int total = glyph.width() + (caption.isEmpty() ? 0 : Spacing + textWidth);
    // A pressed button shifts its contents by one pixel, as buttons do.
    const int shift = isDown() ? 1 : 0;
    int x = (width() - total) / 2 + shift;
    painter.drawPixmap(x, (height() - glyph.height()) / 2 + shift, glyph);
    x += glyph.width() + Spacing;
    const QRect textArea(x, shift, textWidth + 2, height());
    style()->drawItemText(&painter, textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), caption, QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

std::pair<QPixmap, QPixmap> SplitGlyphStrip(const QImage& strip, QRgb transparent)
{
    const QImage picture = WithoutColour(strip, transparent);
    const int half = picture.width() / 2;
    return {QPixmap::fromImage(picture.copy(0, 0, half, picture.height())),
            QPixmap::fromImage(picture.copy(half, 0, half, picture.height()))};
}
