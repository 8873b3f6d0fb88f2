#include "shell/MDIMain.h"

#include "foundation/basTextResources.h"
#include "foundation/ui/frmMessageDisplay.h"
#include "platform/qt/QtPlatformServices.h"

MDIMain::MDIMain(QWidget* parent)
    : QMainWindow(parent)
    , platformServices_(std::make_unique<platform::QtPlatformServices>(this))
    , messageDisplay_(std::make_unique<QtMessageDisplay>())
{
    setObjectName("MDIMain");
    platform::InstallPlatformServices(platformServices_.get());
    platform::InstallMessageDisplay(messageDisplay_.get());
    setWindowTitle(QString::fromStdString(sFctGetText(31)));
}

MDIMain::~MDIMain()
{
    if (platform::InstalledPlatformServices() == platformServices_.get())
        platform::InstallPlatformServices(nullptr);
    if (platform::InstalledMessageDisplay() == messageDisplay_.get())
        platform::InstallMessageDisplay(nullptr);
}
