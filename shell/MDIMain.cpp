#include "shell/MDIMain.h"

#include "platform/core/ResourceStrings.h"

MDIMain::MDIMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName("MDIMain");
    const char* caption = platform::FindResourceString(31);
    setWindowTitle(QString::fromUtf8(caption ? caption : "???"));
}
