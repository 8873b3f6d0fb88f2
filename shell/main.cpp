// The program: sets the application folder and runs the start-up.
#include "shell/MDIMain.h"

#include "foundation/basAppPaths.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SubSetAppPaths(QCoreApplication::applicationDirPath().toStdString());
    MDIMain window;
    window.show();
    return app.exec();
}
