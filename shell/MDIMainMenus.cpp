// The main window's menus and toolbar: building, texts in the current
// language, enabling, and the commands of the Axis, Units, Window, Help and
// Language menus.
#include "shell/MDIMain.h"

#include "foundation/ClsMessageSystem.h"
#include "foundation/basAppPaths.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "foundation/basWinAPICalls.h"
#include "design/frmAxisDesign.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "model/basWindowStatus.h"
#include "platform/qt/Commands.h"
#include "platform/qt/LongText.h"
#include "platform/qt/MdiArrange.h"
#include "platform/qt/MdiChildWindow.h"
#include "platform/qt/OutlineTree.h"
#include "platform/qt/QtTranslation.h"
#include "profile/frmProfile.h"
#include "report/frmReport.h"
#include "shell/Main.h"
#include "shell/basWindowSlots.h"
#include "shell/frmAbout.h"
#include "shell/frmAxisControl.h"
#include "shell/frmUnits.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolButton>

namespace {

QString Text(int16_t id)
{
    return QString::fromStdString(sFctGetText(id));
}

// Menu entries and their string ids, in the order their texts are loaded.
struct EntryText {
    int index;
    int16_t textId;
};
constexpr EntryText kFileTexts[] = {{0, 401}, {1, 402}, {2, 403}, {3, 404}, {8, 111}, {21, 405}, {6, 430}};
constexpr EntryText kLanguageTexts[] = {{0, 431}, {1, 433}, {2, 432}};
constexpr EntryText kAxisTexts[] = {{0, 419}, {1, 420}, {2, 421}, {3, 422}, {5, 423}};
constexpr EntryText kUnitsTexts[] = {{0, 407}, {1, 408}, {3, 409}};
constexpr EntryText kWindowTexts[] = {{0, 414}, {1, 415}, {2, 416}, {3, 417}};
constexpr EntryText kHelpTexts[] = {{0, 411}, {1, 412}};
// Toolbar buttons New, Open, Save and Help.
constexpr EntryText kToolTexts[] = {{0, 325}, {1, 328}, {2, 326}, {4, 352}};

// Language entries: 0 English, 1 French, 2 German.
constexpr int16_t kGermanOffset = 1000;
constexpr int16_t kLanguageOffsets[] = {0, 2000, kGermanOffset};

template <size_t N>
void SetTexts(const std::array<QAction*, N>& actions, std::initializer_list<EntryText> texts)
{
    for (const EntryText& entry : texts)
        actions[static_cast<size_t>(entry.index)]->setText(Text(entry.textId));
}

} // namespace

QAction* MDIMain::MenuEntry(QMenu* menu, const char* arrayName, int index)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QStringLiteral("%1_%2").arg(arrayName).arg(index));
    return action;
}

QAction* MDIMain::MenuSeparator(QMenu* menu, const char* arrayName, int index)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QStringLiteral("%1_%2").arg(arrayName).arg(index));
    return action;
}

void MDIMain::BuildMenus()
{
    QMenuBar* bar = menuBar();

    mnuFile_ = bar->addMenu(QString());
    mnuFile_->setObjectName("mnuFile");
    mnuFile_->menuAction()->setObjectName("mnuFile");
    for (int i = 0; i <= 21; ++i) {
        QAction* action = nullptr;
        if (i == 4 || i == 7 || i == 9 || i == 20) {
            action = MenuSeparator(mnuFile_, "mnuFileFunction", i);
            action->setVisible(i == 4 || i == 20);
        } else if (i == 6) {
            mnuLanguage_ = mnuFile_->addMenu(QString());
            mnuLanguage_->setObjectName("mnuLanguage");
            action = mnuLanguage_->menuAction();
            action->setObjectName("mnuFileFunction_6");
        } else {
            action = MenuEntry(mnuFile_, "mnuFileFunction", i);
            platform::ConnectCommand(action, &QAction::triggered, this, [this, i] { mnuFileFunction_Click(i); });
        }
        mnuFileFunction_[static_cast<size_t>(i)] = action;
    }
    mnuFileFunction_[2]->setEnabled(false);
    mnuFileFunction_[3]->setEnabled(false);
    mnuFileFunction_[5]->setText("&Print...");
    mnuFileFunction_[5]->setEnabled(false);
    mnuFileFunction_[5]->setVisible(false);
    for (int i = 10; i <= 19; ++i)
        mnuFileFunction_[static_cast<size_t>(i)]->setVisible(false);

    for (int i = 0; i < 3; ++i) {
        QAction* action = MenuEntry(mnuLanguage_, "mnuLanguage", i);
        action->setCheckable(true);
        platform::ConnectCommand(action, &QAction::triggered, this, [this, i] { mnuLanguage_Click(i); });
        mnuLanguageEntry_[static_cast<size_t>(i)] = action;
    }
    mnuLanguageEntry_[1]->setEnabled(false);

    mnuAxis_ = bar->addMenu(QString());
    mnuAxis_->setObjectName("mnuAxis");
    mnuAxis_->menuAction()->setObjectName("mnuAxis");
    for (int i : {0, 1, 2, 3, 4, 5}) {
        QAction* action = i == 4 ? MenuSeparator(mnuAxis_, "mnuAxisSub", i) : MenuEntry(mnuAxis_, "mnuAxisSub", i);
        if (i != 4)
            platform::ConnectCommand(action, &QAction::triggered, this, [this, i] { mnuAxisSub_Click(i); });
        action->setEnabled(i == 0 || i == 4);
        mnuAxisSub_[static_cast<size_t>(i)] = action;
    }

    mnuUnits_ = bar->addMenu(QString());
    mnuUnits_->setObjectName("mnuUnits");
    mnuUnits_->menuAction()->setObjectName("mnuUnits");
    for (int i : {0, 1, 2, 3}) {
        QAction* action = i == 2 ? MenuSeparator(mnuUnits_, "mnuUnitsFunction", i)
                                 : MenuEntry(mnuUnits_, "mnuUnitsFunction", i);
        if (i != 2)
            platform::ConnectCommand(action, &QAction::triggered, this, [this, i] { mnuUnitsFunction_Click(i); });
        mnuUnitsFunction_[static_cast<size_t>(i)] = action;
    }
    connect(mnuUnits_, &QMenu::aboutToShow, this, &MDIMain::mnuUnits_Click);

    mnuWindowList_ = bar->addMenu(QString());
    mnuWindowList_->setObjectName("mnuWindowList");
    mnuWindowList_->menuAction()->setObjectName("mnuWindowList");
    for (int i = 0; i < 4; ++i) {
        QAction* action = MenuEntry(mnuWindowList_, "mnuWindowsFunction", i);
        action->setEnabled(false);
        platform::ConnectCommand(action, &QAction::triggered, this, [this, i] { mnuWindowsFunction_Click(i); });
        mnuWindowsFunction_[static_cast<size_t>(i)] = action;
    }
    mnuWindowList_->setToolTipsVisible(true);
    connect(mnuWindowList_, &QMenu::aboutToShow, this, &MDIMain::mSubFillWindowList);

    mnuHelp_ = bar->addMenu(QString());
    mnuHelp_->setObjectName("mnuHelp");
    mnuHelp_->menuAction()->setObjectName("mnuHelp");
    for (int i = 0; i < 2; ++i) {
        QAction* action = MenuEntry(mnuHelp_, "mnuHelpFunction", i);
        platform::ConnectCommand(action, &QAction::triggered, this, [this, i] { mnuHelpFunction_Click(i); });
        mnuHelpFunction_[static_cast<size_t>(i)] = action;
    }

    // The toolbar follows the enabling of the entries it stands for.
    for (QAction* action : {mnuFileFunction_[0], mnuFileFunction_[1], mnuFileFunction_[2], mnuHelpFunction_[0]})
        connect(action, &QAction::changed, this, &MDIMain::mSubSyncToolbar);
    mSubSyncToolbar();
}

void MDIMain::mSubLoadLanguageTexts()
{
    setWindowTitle(Text(31));
    outTree_->Clear();
    outTree_->AddLine(Text(203), 0);
    gsDecimalSeparator = sFctGetDecimalSeparator();
    // The Yes/No texts and keys of the profile windows' load flags.
    gsTextNo = sFctGetText(151);
    gsTextYes = sFctGetText(152);
    gsTextY = sFctGetText(153);
    gsTextN = sFctGetText(154);
    for (const EntryText& tool : kToolTexts)
        vseTopToolbar_[static_cast<size_t>(tool.index)]->setText(Text(tool.textId));
    // Qt's own dialogs and menus speak the language too.
    platform::UseQtLanguage(gnLanguageOffset == kGermanOffset ? "de" : "");

    mnuFile_->setTitle(Text(400));
    for (const EntryText& entry : kFileTexts)
        mnuFileFunction_[static_cast<size_t>(entry.index)]->setText(Text(entry.textId));
    for (const EntryText& entry : kLanguageTexts)
        mnuLanguageEntry_[static_cast<size_t>(entry.index)]->setText(Text(entry.textId));
    mnuAxis_->setTitle(Text(418));
    for (const EntryText& entry : kAxisTexts)
        mnuAxisSub_[static_cast<size_t>(entry.index)]->setText(Text(entry.textId));
    mnuUnits_->setTitle(Text(406));
    for (const EntryText& entry : kUnitsTexts)
        mnuUnitsFunction_[static_cast<size_t>(entry.index)]->setText(Text(entry.textId));
    mnuWindowList_->setTitle(Text(413));
    for (const EntryText& entry : kWindowTexts)
        mnuWindowsFunction_[static_cast<size_t>(entry.index)]->setText(Text(entry.textId));
    mnuHelp_->setTitle(Text(410));
    for (const EntryText& entry : kHelpTexts)
        mnuHelpFunction_[static_cast<size_t>(entry.index)]->setText(Text(entry.textId));
}

void MDIMain::mSubEnableMainMenus(bool enable)
{
    mainMenusEnabled_ = enable;
    for (QMenu* menu : {mnuFile_, mnuAxis_, mnuHelp_, mnuUnits_, mnuWindowList_})
        menu->menuAction()->setEnabled(enable);
    mSubSyncToolbar();
}

void MDIMain::mSubSyncToolbar()
{
    const std::pair<int, QAction*> tools[] = {
        {0, mnuFileFunction_[0]}, {1, mnuFileFunction_[1]}, {2, mnuFileFunction_[2]}, {4, mnuHelpFunction_[0]}};
    for (const auto& [index, action] : tools)
        vseTopToolbar_[static_cast<size_t>(index)]->setEnabled(mainMenusEnabled_ && action->isEnabled());
}

void MDIMain::mSubEnableFileFunctions()
{
    mnuFileFunction_[2]->setEnabled(true);
    mnuFileFunction_[3]->setEnabled(true);
    mnuFileFunction_[5]->setEnabled(true);
}

void MDIMain::mSubEnableAxisCommands()
{
    for (int i : {1, 2, 3, 5})
        mnuAxisSub_[static_cast<size_t>(i)]->setEnabled(true);
}

void MDIMain::mSubTickLanguage(int16_t offset)
{
    for (int i = 0; i < 3; ++i)
        mnuLanguageEntry_[static_cast<size_t>(i)]->setChecked(kLanguageOffsets[i] == offset);
}

void MDIMain::vseTopToolbar_Click(int index)
{
    switch (index) {
    case 0: mnuFileFunction_Click(0); break;
    case 1: mnuFileFunction_Click(1); break;
    case 2: mnuFileFunction_Click(2); break;
    case 3: mnuFileFunction_Click(5); break;
    case 4: mnuHelpFunction_Click(0); break;
    default: break;
    }
}

// ---- Axis menu ----------------------------------------------------------------

void MDIMain::mnuAxisSub_Click(int index)
{
    if (index != 0) {
        // Open, Close, Delete, Set/Modify Title: the axis dialog in that mode.
        ShowAxisDialog(this, static_cast<int16_t>(index));
        return;
    }
    mSubEnableMainMenus(false);
    const int16_t slot = nFctGetWindowSlot(0);
    if (slot == -1) {
        gMsg->nKind = kKindWarning;
        gMsg->nTextID = 100;
        gMsg->nMessageNumber = 2001;
        gMsg->nButtons = kButtonsOk;
        gMsg->nFctDisplay();
        mSubEnableMainMenus(true);
        return;
    }
    SubAddAxis(slot);
    const int16_t created = mnFctOpenNewAxis();
    SubRefreshAxisTree();
    if (frmAxisDesign* design = AxisDesignWindow(created)) {
        design->BringToFront();
        design->SetWindowState(WindowState::Maximised);
    }
    mSubEnableFileFunctions();
    mSubEnableAxisCommands();
    mSubEnableMainMenus(true);
}

int16_t MDIMain::mnFctOpenNewAxis()
{
    mbBusy = true;
    const int16_t slot = nFctCreateAxisWindows();
    QApplication::processEvents();
    // A fresh application's first axis is its baseline; with a file open the
    // file is the baseline, so axes deleted before this one stay a change.
    if (nFctGetUsedAxisCount() == 1 && gsCurrentFile.empty())
        SubSaveAxesSnapshot();
    for (QAction* action : mnuWindowsFunction_)
        action->setEnabled(true);
    QApplication::processEvents();
    mbBusy = false;
    return slot;
}

void MDIMain::mSubOpenAllAxes()
{
    const int16_t count = nFctGetUsedAxisCount();
    for (int16_t i = 1; i <= count; ++i)
        if (mnFctOpenNewAxis() < 0)
            break;  // no slot for more than three axes
    SubRefreshAxisTree();
    mSubEnableFileFunctions();
    mSubEnableAxisCommands();
}

void MDIMain::outTree_Click(int line)
{
    if (line <= 0)
        return;
    std::vector<int16_t> ids;
    const int16_t count = nFctGetAxisIdList(ids);
    const int position = (line - 1) / 4;
    const int kind = (line - 1) % 4 - 1;  // -1 the axis line itself
    if (position >= count || kind < 0)
        return;
    platform::MdiChildWindow* window = AxisWindow(ids[static_cast<size_t>(position)], static_cast<int16_t>(kind));
    if (!window)
        return;
    window->BringToFront();
    if (window->isMinimized())
        window->SetWindowState(WindowState::Normal);
}

// ---- Help, Window, Units, Language ---------------------------------------------

void MDIMain::mnuHelpFunction_Click(int index)
{
    if (index == 0)
        SubShowHelpTopic("Welcome.htm");
    else if (index == 1)
        ShowAboutBox(this);
}

void MDIMain::mnuWindowsFunction_Click(int index)
{
    switch (index) {
    case 0: platform::Cascade(mdiArea_); break;
    case 1: platform::TileHorizontally(mdiArea_); break;
    case 2: platform::TileVertically(mdiArea_); break;
    case 3: platform::ArrangeIcons(mdiArea_); break;
    default: break;
    }
}

void MDIMain::mSubFillWindowList()
{
    for (QAction* action : windowListEntries_) {
        mnuWindowList_->removeAction(action);
        action->deleteLater();
    }
    windowListEntries_.clear();
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    windowListEntries_.append(mnuWindowList_->addSeparator());
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        // A long caption is cut short, whole in the entry's tip.
        const QString caption = window->windowTitle();
        const QString shown = platform::ElidedLongText(caption, mnuWindowList_->font());
        QAction* action = mnuWindowList_->addAction(QStringLiteral("&%1 %2").arg(++number).arg(platform::AsTypedInMenu(shown)));
        if (shown != caption)
            action->setToolTip(caption);
        action->setObjectName(QStringLiteral("mnuWindowListChild_%1").arg(number));
        action->setCheckable(true);
        action->setChecked(window == mdiArea_->currentSubWindow());
        platform::ConnectCommand(action, &QAction::triggered, this, [this, window] {
            if (window->isMinimized())
                window->showNormal();
            mdiArea_->setActiveSubWindow(window);
        });
        windowListEntries_.append(action);
    }
}

void MDIMain::mnuUnits_Click()
{
    const bool metric = gnUnitSystem != 0;
    mnuUnitsFunction_[0]->setEnabled(metric);
    mnuUnitsFunction_[1]->setEnabled(!metric);
}

void MDIMain::mnuUnitsFunction_Click(int index)
{
    switch (index) {
    case 0:
    case 1:
        gnUnitSystem = static_cast<int16_t>(index);
        SubUpdateAllWindowsToUnits();
        break;
    case 3:
        ShowUnitsDialog(this);
        break;
    default:
        break;
    }
}

void SubUpdateAllWindowsToUnits()
{
    SubConvertAllAxesToSelectedUnits();
    for (int16_t slot = 1; slot <= nFctGetSlotUBound(); ++slot) {
        if (frmAxisDesign* design = AxisDesignWindow(slot)) {
            design->mSubWriteLoadDataToTable();
            design->mSubWriteMechanismDataToTable(-1);
            design->mSubWriteMotorDataToTable();
        }
    }
    for (int16_t slot = 1; slot <= nFctGetSlotUBound(); ++slot)
        if (frmProfile* profile = ProfileWindow(slot))
            profile->mSubUpdateScreenToUnitClass();
    for (int16_t slot = 1; slot <= nFctGetSlotUBound(); ++slot)
        if (frmReport* report = ReportWindow(slot))
            report->mSubUpdateScreenToUnitClass();
}

void MDIMain::mnuLanguage_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    const int16_t offset = kLanguageOffsets[index];
    if (offset == gnLanguageOffset) {
        mSubTickLanguage(gnLanguageOffset);
        return;
    }
    if (mnFctUpdateDataToFile(-1) == 2) {
        mSubTickLanguage(gnLanguageOffset);
        return;
    }
    gnTreeMarkedLine = -1;
    gnTreeActiveLine = -1;
    mSubCloseApplicationFile();
    mSubTickLanguage(offset);
    gnLanguageOffset = offset;
    mSubLoadLanguageTexts();
    SubRefreshAxisTree();
    if (gbLoadDefaultAxis)
        mnuAxisSub_Click(0);
}
