// velorin-message TEXT: the launcher's failures (no directory for the
// player's files, an incomplete installation) in the game's own error box.
// Started from the desktop's menu the game has no terminal, and a message
// on stderr alone would reach nobody.
#include "Application.h"
#include "MessageDlg.h"
#include "Platform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    // The launcher has said it on the terminal; without a window system
    // there is nowhere else to say it.
    if (!WindowSystemReachable(1, argv))
        return 1;
    const QString text = QString::fromUtf8(argv[1]);
    // Only the program's name goes to the toolkit: the text is no option.
    std::vector<char*> arguments = ArgumentsPreferringX11(1, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    QApplication app(count, arguments.data());
    Application::Initialize(app);
    Application::IdentifyProgram();
    MessageDlg(text, TMsgDlgType::Error);
    return 0;
}
