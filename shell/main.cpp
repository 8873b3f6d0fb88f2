// The program: runs the start-up from the program's folder, then the event
// loop until the main window is gone.
#include "shell/Main.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Main(QCoreApplication::applicationDirPath().toStdString());
    return app.exec();
}
