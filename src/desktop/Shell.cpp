#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
std::function<void(const QString&)>& Handler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}
} // namespace

void ShellOpen(const QString& item)
{
    if (Handler()) {
        Handler()(item);
        return;
    }
    QDesktopServices::openUrl(QUrl(item)); // its answer is not looked at
}

void SetShellOpenHandler(std::function<void(const QString&)> handler)
{
    Handler() = std::move(handler);
}
