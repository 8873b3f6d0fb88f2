#pragma once
#include "foundation/MessageBar.h"
#include "foundation/RecentFileMenu.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QFrame;
class QIcon;
class QPixmap;
class QLabel;
class QMdiArea;
class QMenu;
class QToolButton;
class QtMessageDisplay;
class frmStartup;
namespace platform {
class OutlineTree;
class QtPlatformServices;
} // namespace platform

// How the file dialog is set up for one use, and what it gives back: the
// chosen path, or fileName unchanged ("*.Dat") when it was cancelled.
struct FileDialogSetup {
    bool save = false;      // Save As (asks before overwriting) or Open (file must exist)
    std::string title;
    std::string filter;     // "description|pattern|description|pattern"
    std::string defaultExt;
    std::string fileName;
    std::string initialDir;
};
using FileDialogRunner = std::function<std::string(const FileDialogSetup&)>;

// The main window: the frame of the axis windows, with the menus, the
// toolbar, the outline of the open application, the status bar and the file
// commands. While it exists, the window services (screen, waiting, help, the
// message dialog and the File menu's recent files) are installed for the
// libraries without windows.
class MDIMain : public QMainWindow, private platform::RecentFileMenu, private platform::MessageBar {
    Q_OBJECT
public:
    explicit MDIMain(QWidget* parent = nullptr);
    ~MDIMain() override;

    // ---- Start-up ----------------------------------------------------------
    // The load step: waits for the start-up screen (up to 5000 ms), restores
    // the placement, writes a first settings file, loads the texts, shows
    // the window and closes the start-up screen.
    void MDIForm_Load(frmStartup* startup);
    // The first activation (later ones do nothing): reference data, recent
    // files, empty mechanism buffer, language tick, first axis.
    void MDIForm_Activate();
    bool FirstActivationPending() const { return mbFirstActivation; }

    // ---- Layout ------------------------------------------------------------
    QMdiArea* MdiArea() const { return mdiArea_; }
    platform::OutlineTree* OutTree() const { return outTree_; }
    QLabel* lblMessage() const { return lblMessage_; }
    QLabel* lblFilename() const { return lblFilename_; }
    QFrame* picTopToolbar() const { return picTopToolbar_; }
    QFrame* picStatusBar() const { return picStatusBar_; }
    // Lays the panels out again (after the top or status bar was shown or
    // hidden).
    void MDIForm_Resize();

    // ---- Application files -------------------------------------------------
    // The save question before the open application is discarded: 6 Yes, 7
    // No, 2 Cancel (the caller stops). Cancel also when the save that a Yes
    // started wrote no file. Where only window states changed nothing is
    // asked: they are kept in the file where that replaces nothing, else
    // given up, and the result is No.
    int16_t mnFctUpdateDataToFile(int16_t bAllowCancel);
    // Closes the open application and opens the file ("*.Dat": nothing).
    void mSubOpenApplicationFile(const std::string& sFile);
    // Closes the open application: no file, empty window-status list, no
    // axes, no axis windows. The outline is not rebuilt.
    void mSubCloseApplicationFile();
    // Replaces the file dialog (tests answer it without a window).
    void SetFileDialogRunner(FileDialogRunner runner) { fileDialog_ = std::move(runner); }

    // ---- Commands ------------------------------------------------------------
    void mnuFileFunction_Click(int index);
    void mnuAxisSub_Click(int index);
    void mnuHelpFunction_Click(int index);
    void mnuLanguage_Click(int index);
    void mnuUnits_Click();
    void mnuUnitsFunction_Click(int index);
    void mnuWindowsFunction_Click(int index);
    void vseTopToolbar_Click(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // ---- Building --------------------------------------------------------------
    void BuildMenus();
    void BuildPanels();
    QAction* MenuEntry(QMenu* menu, const char* arrayName, int index);
    QAction* MenuSeparator(QMenu* menu, const char* arrayName, int index);

    // ---- Menus and texts ------------------------------------------------------
    void mSubLoadLanguageTexts();
    void mSubEnableMainMenus(bool enable);
    void mSubEnableFileFunctions();
    void mSubSetColorScheme();
    // The side panel at its starting width: as wide as the outline's file
    // and window lines need, until the user drags its edge.
    void mSubFitSidePanel();
    // Gives the window room for an axis design window at its normal size.
    void mSubSizeForAxisWindows();
    void mSubTickLanguage(int16_t offset);
    void mSubSyncToolbar();
    void mSubFillWindowList();

    // ---- Axes ---------------------------------------------------------------------
    int16_t mnFctOpenNewAxis();
    void mSubOpenAllAxes();
    void mSubEnableAxisCommands();
    void outTree_Click(int line);

    // ---- Files ----------------------------------------------------------------------
    // Returns whether a file was written (a cancelled Save As writes none, nor
    // does No to replacing a file that changed on disk since it was last
    // read or written).
    bool mSubSave();
    bool mSubSaveAs();
    // The Open or Save As dialog, started in the folder chosen last for
    // application files (platform::UserStartFolder); "*.Dat" when cancelled.
    std::string mSubRunFileDialog(bool save);
    int16_t MDIForm_QueryUnload(int unloadMode);
    void MDIForm_Unload();
    void mSubStorePlacement();

    // ---- RecentFileMenu --------------------------------------------------------------
    void SetItemVisible(int index, bool visible) override;
    void SetItemCaption(int index, const std::string& caption) override;

    // ---- MessageBar: lblMessage ------------------------------------------------------
    std::string MessageBarText() const override;
    void SetMessageBarText(const std::string& text) override;

    std::unique_ptr<platform::QtPlatformServices> platformServices_;
    std::unique_ptr<QtMessageDisplay> messageDisplay_;

    QMdiArea* mdiArea_ = nullptr;
    platform::OutlineTree* outTree_ = nullptr;
    QFrame* picTopToolbar_ = nullptr;
    QFrame* picControlBar_ = nullptr;
    QFrame* picStatusBar_ = nullptr;
    QLabel* lblMessage_ = nullptr;
    QLabel* lblFilename_ = nullptr;
    QLabel* imgLogo_ = nullptr;

    QMenu* mnuFile_ = nullptr;
    QMenu* mnuLanguage_ = nullptr;
    QMenu* mnuAxis_ = nullptr;
    QMenu* mnuUnits_ = nullptr;
    QMenu* mnuWindowList_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    std::array<QAction*, 22> mnuFileFunction_{};
    std::array<QAction*, 3> mnuLanguageEntry_{};
    std::array<QAction*, 6> mnuAxisSub_{};
    std::array<QAction*, 4> mnuUnitsFunction_{};
    std::array<QAction*, 4> mnuWindowsFunction_{};
    std::array<QAction*, 2> mnuHelpFunction_{};
    std::array<QToolButton*, 5> vseTopToolbar_{};
    QList<QAction*> windowListEntries_;

    FileDialogRunner fileDialog_;
    bool mbFirstActivation = false;
    bool mbBusy = false;
    bool sidePanelSizedByUser_ = false;
    bool mainMenusEnabled_ = true;
    bool unloadByProgram_ = false;
    bool sessionEnding_ = false;
    bool programEnded_ = false;
};

// The main window while it exists, else nullptr.
MDIMain* MainWindow();

// The program's icon (Images/Orvamis.PNG), worn by every window, and its
// logo (Images/Logo.PNG), shown by the start-up screen and the dialogs.
QIcon ProgramIcon();
QPixmap ProgramLogo();

// Carries a change of unit system to the model and every open axis window.
void SubUpdateAllWindowsToUnits();
