// The toolkit's floor for the game's start-up: a window of the main
// window's size holding one button with a caption, and nothing else.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velorin"));
    window.setFixedSize(697, 478);
    QPushButton button(QStringLiteral("&Neues Spiel"), &window);
    button.setGeometry(493, 221, 85, 25);
    window.show();
    return app.exec();
}
