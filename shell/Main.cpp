#include "shell/Main.h"

#include "foundation/basAppPaths.h"
#include "foundation/basIniFileControl.h"
#include "shell/MDIMain.h"
#include "shell/basWindowSlots.h"
#include "shell/frmStartup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

std::string gsCurrentFile;
int16_t gbScreenAbove800x600 = 0;
int16_t gbScreen640x480 = 0;
int16_t gbIniFound = 0;
std::string gsTextNo;
std::string gsTextYes;
std::string gsTextY;
std::string gsTextN;

namespace {

std::function<void(int)>& EndHandler()
{
    static std::function<void(int)> handler = [](int status) { QCoreApplication::exit(status); };
    return handler;
}

} // namespace

int16_t bFctScreenAtLeast(int16_t nWidthPixels, int16_t nHeightPixels)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    const QSize size = screen->size();
    return size.width() >= nWidthPixels && size.height() >= nHeightPixels ? -1 : 0;
}

void Main(const std::string& programFolder)
{
    SubSetAppPaths(programFolder);
    gbScreenAbove800x600 = bFctScreenAtLeast(801, 601);
    gbScreen640x480 = bFctScreenAtLeast(641, 481) ? 0 : -1;
    gbOpeningAxisWindows = 0;
    gbIniFound = nFctReadIniFile(gsAppPath + kIniFileName);
    // The icon of every window that has no owner to take it from.
    QGuiApplication::setWindowIcon(ProgramIcon());

    auto* startup = new frmStartup;
    startup->show();
    auto* main = new MDIMain;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->MDIForm_Load(startup);
}

void SubEndProgram(int status)
{
    EndHandler()(status);
}

void SetProgramEndHandler(std::function<void(int)> handler)
{
    EndHandler() = std::move(handler);
}
