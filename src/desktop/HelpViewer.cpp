#include "HelpViewer.h"

#include "Pixels.h"
#include "WindowFrame.h"

#include <algorithm>

#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QPointer<QWidget> Window;

constexpr int HelpPageMargin = 14; // around the text of the page

// Shows the game's stone and ring pictures as the board does: without their
// transparent colour.
class THelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override
    {
        const QString path = name.path();
        if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("qrc")
            && (path.startsWith(QLatin1String("/main/Farbe")) || path == QLatin1String("/main/Ring.bmp"))) {
            const QImage picture(QLatin1Char(':') + path);
            if (!picture.isNull())
                return WithoutTransparentColour(picture);
        }
        return QTextBrowser::loadResource(type, name);
    }
};

QTextBrowser* BrowserOf(QWidget* window)
{
    return window ? window->findChild<QTextBrowser*>() : nullptr;
}

QWidget* CreateWindow(QWidget* owner)
{
    auto* window = new QWidget(owner, Qt::Window);
    window->setObjectName(QStringLiteral("HelpWindow"));
    window->setWindowTitle(QStringLiteral("Velorin - Hilfe"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(HelpWindowSize);
    auto* browser = new THelpBrowser(window);
    browser->document()->setDocumentMargin(HelpPageMargin);
    browser->setObjectName(QStringLiteral("HelpBrowser"));
    browser->setOpenLinks(true);
    browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    return window;
}

void ShowContents(QTextBrowser* browser, const QString& file)
{
    QFile help(file);
    if (!help.open(QIODevice::ReadOnly)) {
        browser->setPlainText(HelpFileMissingText(file));
        return;
    }
    browser->setHtml(QString::fromUtf8(help.readAll()));
    browser->moveCursor(QTextCursor::Start);
    browser->ensureCursorVisible();
}

} // namespace

QString HelpFileMissingText(const QString& file)
{
    return QStringLiteral("Die Hilfedatei \"%1\" wurde nicht gefunden.").arg(file);
}

bool WinHelp(QWidget* owner, const QString& file, unsigned command, unsigned long)
{
    switch (command) {
    case HELP_CONTENTS:
        if (!Window) {
            Window = CreateWindow(owner);
            if (owner && owner->screen()) // beside the game rather than over the board
                MoveOuter(
                    Window,
                    HelpWindowPlace(owner->frameGeometry(), owner->screen()->availableGeometry(), OuterSize(Window)));
        }
        ShowContents(BrowserOf(Window), file);
        Window->show();
        Window->raise();
        Window->activateWindow();
        return true;
    case HELP_QUIT:
        if (Window)
            delete Window.data();
        return true;
    default:
        return false;
    }
}

QPoint HelpWindowPlace(const QRect& gameFrame, const QRect& screen, QSize helpFrame)
{
    const int top = std::clamp(gameFrame.top(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - helpFrame.height()));
    const int right = gameFrame.right() + 1 + HelpWindowGap;
    if (right + helpFrame.width() <= screen.right() + 1)
        return {right, top};
    const int left = gameFrame.left() - HelpWindowGap - helpFrame.width();
    if (left >= screen.left())
        return {left, top};
    return {std::max(screen.left(), screen.right() + 1 - helpFrame.width()), top};
}

QTextBrowser* HelpBrowser()
{
    return BrowserOf(Window);
}
