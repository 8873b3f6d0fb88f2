// The main window's File menu: new, open, recent files, save, save as,
// options and exit, the save question, and opening and closing an
// application as a whole.
#include "shell/MDIMain.h"

#include "appfile/AppFileOnDisk.h"
#include "appfile/basApplicationFile.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/basAppPaths.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "model/basAxisData.h"
#include "model/basChangeDetection.h"
#include "model/basWindowStatus.h"
#include "platform/qt/BusyPointer.h"
#include "platform/qt/LongText.h"
#include "platform/qt/UserFolders.h"
#include "shell/Main.h"
#include "shell/basWindowSlots.h"
#include "shell/frmOptions.h"

#include <QFileDialog>
#include <QLabel>
#include <QStringList>

#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kCancelledFileName = "*.Dat";

// "description|pattern|..." as the file dialog's name filters.
QStringList NameFilters(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        filters << (description.contains('(') ? description : description + " (" + parts[i + 1] + ")");
    }
    return filters;
}

// The Qt file dialog, modal on the main window.
std::string RunQtFileDialog(QWidget* owner, const FileDialogSetup& setup)
{
    QFileDialog dialog(owner, QString::fromStdString(setup.title), QString::fromStdString(setup.initialDir));
    dialog.setNameFilters(NameFilters(setup.filter));
    dialog.setDefaultSuffix(QString::fromStdString(setup.defaultExt));
    if (setup.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return setup.fileName;
    return dialog.selectedFiles().first().toStdString();
}

// The application file commands, with the busy pointer while the file is
// written or read.
bool WriteApplicationFile(const std::string& file, bool renewBackup)
{
    const platform::BusyPointer busy;
    return nFctWriteApplicationFile(file, model::AsFlag(renewBackup)) != 0;
}

bool ReadApplicationFile(const std::string& file)
{
    const platform::BusyPointer busy;
    return nFctReadApplicationFile(file) != 0;
}

// Whether a save may replace the file on disk: Unchanged when it holds what
// this program last read or wrote, Confirmed when another program (or
// another copy of this one) saved into it since and the user answers Yes to
// replacing that, Refused when the answer is No.
enum class Replacing { Unchanged, Confirmed, Refused };

Replacing AskToReplace(const std::string& file)
{
    if (!appfile::FileChangedOnDisk(file))
        return Replacing::Unchanged;
    SubPrepareCatalogueMessage(*gMsg, 4004);
    gMsg->sExtraText = file;
    return gMsg->nFctDisplay() == kResultYes ? Replacing::Confirmed : Replacing::Refused;
}

// The window states of a file that is being left, kept where that replaces
// nothing: they are given up without a word where another program saved
// into the file since this one read it or removed it, or where the file
// cannot be written (read-only, its folder gone, a full disk). The user is
// leaving and loses nothing of theirs.
void KeepWindowStatesOfFileLeft(const std::string& file)
{
    std::error_code ec;
    if (appfile::FileChangedOnDisk(file) || !std::filesystem::exists(file, ec))
        return;
    const platform::BusyPointer busy;
    nFctWriteApplicationFileUntold(file);
}

} // namespace

std::string MDIMain::mSubRunFileDialog(bool save)
{
    FileDialogSetup setup;
    setup.save = save;
    setup.title = sFctGetText(save ? 342 : 341);
    setup.filter = sFctGetText(97);
    setup.defaultExt = "Dat";
    setup.fileName = kCancelledFileName;
    setup.initialDir = platform::UserStartFolder(gsLastUsedPath, gsAppPath).toStdString();
    return fileDialog_ ? fileDialog_(setup) : RunQtFileDialog(this, setup);
}

void MDIMain::mnuFileFunction_Click(int index)
{
    switch (index) {
    case 0:  // New
        if (mnFctUpdateDataToFile(-1) == 2)
            return;
        mSubEnableMainMenus(false);
        gnTreeMarkedLine = 2;
        gnTreeActiveLine = 2;
        mSubCloseApplicationFile();
        mnuAxisSub_Click(0);
        mSubEnableFileFunctions();
        mSubEnableMainMenus(true);
        return;
    case 1:  // Open
        if (mnFctUpdateDataToFile(-1) == 2)
            return;
        mSubOpenApplicationFile(mSubRunFileDialog(false));
        return;
    case 2:
        mSubSave();
        return;
    case 3:
        mSubSaveAs();
        return;
    case 8:
        ShowOptionsDialog(this, OptionsPage::Misc);
        return;
    case 21:  // Exit
        if (mnFctUpdateDataToFile(-1) == 2)
            return;
        mSubCloseApplicationFile();
        unloadByProgram_ = true;
        close();
        return;
    default:
        if (index >= 10 && index <= 19) {
            if (mnFctUpdateDataToFile(-1) == 2)
                return;
            mSubOpenApplicationFile(gsRecentFiles[static_cast<size_t>(index - 10)]);
        }
        return;
    }
}

void MDIMain::mSubOpenApplicationFile(const std::string& sFile)
{
    if (sFile == kCancelledFileName || sFile.empty())
        return;
    mSubCloseApplicationFile();
    gsCurrentFile = sFile;
    const bool ok = ReadApplicationFile(gsCurrentFile);
    gsLastUsedPath = sFctGetFolderPart(gsCurrentFile);
    if (!ok) {
        // The application stays closed: no axis, no file, the tree's root.
        gsCurrentFile.clear();
        SubResetAllAxes();
        SubClearWindowStatus();
        SubRefreshAxisTree();
        return;
    }
    SubAddRecentFile(gsCurrentFile);
    SubUpdateRecentFileMenu(9);
    lblFilename_->setText(QString::fromStdString(sFctShortenPath(gsCurrentFile, 80)));
    mSubEnableMainMenus(false);
    SubSaveAxesSnapshot();
    mSubOpenAllAxes();
    mSubEnableFileFunctions();
    mSubEnableMainMenus(true);
    SubActivateFirstDesignWindow(-1);
}

bool MDIMain::mSubSave()
{
    if (gsCurrentFile.empty())
        return mSubSaveAs();
    const Replacing replacing = AskToReplace(gsCurrentFile);
    if (replacing == Replacing::Refused)
        return false;  // the file and the application stay as they are
    // A save that changes no axis (window states only) keeps the backup of
    // the previous generation, unless it replaces another program's save,
    // which then becomes the backup. The baseline moves only when the file
    // was written.
    const bool renewBackup = nFctGetModifiedState() == 1 || replacing == Replacing::Confirmed;
    if (WriteApplicationFile(gsCurrentFile, renewBackup))
        SubSaveAxesSnapshot();
    return true;
}

bool MDIMain::mSubSaveAs()
{
    const std::string chosen = mSubRunFileDialog(true);
    if (chosen == kCancelledFileName || chosen.empty())
        return false;
    // Onto the application's own file, Save As replaces it as Save does.
    if (AskToReplace(chosen) == Replacing::Refused)
        return false;  // the file and the application stay as they are
    if (!WriteApplicationFile(chosen, true))
        return true;  // the file keeps its previous name, tree and recent list
    gsCurrentFile = chosen;
    lblFilename_->setText(QString::fromStdString(sFctShortenPath(gsCurrentFile, 80)));
    SubRefreshAxisTree();
    gsLastUsedPath = sFctGetFolderPart(gsCurrentFile);
    SubAddRecentFile(gsCurrentFile);
    SubUpdateRecentFileMenu(9);
    SubSaveAxesSnapshot();
    return true;
}

void MDIMain::mSubCloseApplicationFile()
{
    gsCurrentFile.clear();
    appfile::ForgetFileOnDisk();
    lblFilename_->clear();
    SubClearWindowStatus();
    SubResetAllAxes();
    SubCloseAllAxisWindows();
}

int16_t MDIMain::mnFctUpdateDataToFile(int16_t bAllowCancel)
{
    int16_t result = kResultNo;
    gbFileAccessError = 0;
    const int16_t state = nFctGetModifiedState();
    if (state == 1) {
        gMsg->nKind = kKindQuery;
        gMsg->nTextID = 96;
        gMsg->nMessageNumber = 4001;
        gMsg->nButtons = bAllowCancel ? kButtonsYesNoCancel : kButtonsYesNo;
        result = gMsg->nFctDisplay();
        if (result == kResultYes && (!mSubSave() || gbFileAccessError))
            result = kResultCancel;
    } else if (state == 2 && !gsCurrentFile.empty()) {
        // Only window states changed: kept without asking where they replace
        // nothing, and never in the way of leaving.
        KeepWindowStatesOfFileLeft(gsCurrentFile);
    }
    return result;
}

void MDIMain::SetItemVisible(int index, bool visible)
{
    if (index >= 0 && index < static_cast<int>(mnuFileFunction_.size()))
        mnuFileFunction_[static_cast<size_t>(index)]->setVisible(visible);
}

void MDIMain::SetItemCaption(int index, const std::string& caption)
{
    if (index >= 0 && index < static_cast<int>(mnuFileFunction_.size()))
        mnuFileFunction_[static_cast<size_t>(index)]->setText(platform::AsTypedInMenu(QString::fromStdString(caption)));
}
