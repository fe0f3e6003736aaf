#include "Application.h"

#include "Fonts.h"
#include "GameIdentity.h"
#include "HelpViewer.h"
#include "IoError.h"
#include "KeyboardReturn.h"
#include "MessageDlg.h"
#include "Pictures.h"
#include "Translations.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QStyleFactory>
#include <QTimer>

namespace Application {

QString Title;
QString HelpFile;
QWidget* MainWindow = nullptr;

namespace {
bool TerminateRequested = false;

// The grey 3-D colours of the desktop the game was drawn for.
QPalette ClassicPalette()
{
    const QColor silver(192, 192, 192), grey(128, 128, 128), white(255, 255, 255), black(0, 0, 0);
    QPalette palette;
    palette.setColor(QPalette::Window, silver);
    palette.setColor(QPalette::WindowText, black);
    palette.setColor(QPalette::Base, white);
    palette.setColor(QPalette::AlternateBase, silver);
    palette.setColor(QPalette::Text, black);
    palette.setColor(QPalette::Button, silver);
    palette.setColor(QPalette::ButtonText, black);
    palette.setColor(QPalette::Light, white);
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, grey);
    palette.setColor(QPalette::Shadow, black);
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, grey);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
    palette.setColor(QPalette::Disabled, QPalette::Text, grey);
    return palette;
}
} // namespace

void Initialize(QApplication& app)
{
    TerminateRequested = false;
    InstallGermanTranslations(app);
    InstallFontSubstitutes();
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(style);
    app.setPalette(ClassicPalette());
    app.setFont(DialogFont());
    ReturnKeyboardAfterDialogs(app);
}

void IdentifyProgram()
{
    QApplication::setApplicationName(QString::fromUtf8(GameTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("velorin"));
    QApplication::setWindowIcon(ApplicationIcon());
}

void Terminate()
{
    TerminateRequested = true;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

bool Terminated()
{
    return TerminateRequested;
}

void ShowException(const QString& message)
{
    const QString text = QString::fromStdString(ErrorBoxText(message.toStdString()));
    ShowMessageBox(Title, text, TMsgDlgType::Stop);
}

void ShowIoError(int code)
{
    ShowException(QString::fromStdString(IoErrorText(code)));
}

bool HelpCommand(unsigned command, unsigned long data)
{
    return WinHelp(MainWindow, HelpFile, command, data);
}

} // namespace Application
