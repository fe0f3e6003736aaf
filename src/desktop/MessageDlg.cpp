#include "MessageDlg.h"

#include "WindowFrame.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <optional>

namespace {

QMessageBox::Icon IconOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::Warning:
        return QMessageBox::Warning;
    case TMsgDlgType::Error:
    case TMsgDlgType::Stop:
        return QMessageBox::Critical;
    case TMsgDlgType::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

void Run(const QString& caption, const QString& text, TMsgDlgType type, std::optional<QPoint> topLeft)
{
    // The texts break their lines with a carriage return, as message boxes
    // on the game's first platform did; here a line feed does that.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(IconOf(type), caption, shown, QMessageBox::NoButton, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    if (topLeft)
        MoveOuter(&box, *topLeft); // a moved box is not centred again when shown
    box.exec();
}

QString MessageDlgCaption(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::Warning:
        return QStringLiteral("Warnung");
    case TMsgDlgType::Error:
    case TMsgDlgType::Stop:
        return QStringLiteral("Fehler");
    case TMsgDlgType::Information:
        return QStringLiteral("Information");
    }
    return {};
}

} // namespace

void MessageDlg(const QString& text, TMsgDlgType type)
{
    Run(MessageDlgCaption(type), text, type, std::nullopt);
}

void MessageDlgPos(const QString& text, TMsgDlgType type, QPoint topLeft)
{
    Run(MessageDlgCaption(type), text, type, topLeft);
}

void ShowMessageBox(const QString& caption, const QString& text, TMsgDlgType type)
{
    Run(caption, text, type, std::nullopt);
}
