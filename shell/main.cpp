// The program: runs the start-up from the program's folder, then the event
// loop until the main window is gone.
#include "shell/Main.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The desktop entry beside the program names the program and its icon.
    QGuiApplication::setDesktopFileName("orvamis");
    Main(QCoreApplication::applicationDirPath().toStdString());
    return app.exec();
}
