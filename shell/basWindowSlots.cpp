#include "shell/basWindowSlots.h"

#include "design/frmAxisDesign.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisData.h"
#include "model/basAxisRequirements.h"
#include "model/basWindowStatus.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/OutlineTree.h"
#include "profile/frmProfile.h"
#include "report/frmReport.h"
#include "shell/MDIMain.h"
#include "shell/Main.h"

#include <QApplication>
#include <QMdiArea>

#include <algorithm>

std::vector<QPointer<frmAxisDesign>> gfrmAxisDesign(1);
std::vector<QPointer<frmProfile>> gfrmProfile(1);
std::vector<QPointer<frmReport>> gfrmReport(1);
std::vector<int16_t> gbDesignUnloaded(1, 0);
std::vector<int16_t> gbProfileUnloaded(1, 0);
std::vector<int16_t> gbReportUnloaded(1, 0);

int16_t gnTreeActiveLine = -1;
int16_t gnTreeMarkedLine = -1;
int16_t gbOpeningAxisWindows = 0;

namespace {

constexpr int16_t kUnloaded = -1;
constexpr int kMarked = platform::OutlineTree::kPictureMarked;
constexpr int kUnmarked = 0;

bool SlotExists(int16_t slot)
{
    return slot >= 1 && slot <= nFctGetSlotUBound();
}

bool SlotFree(size_t i)
{
    return gbDesignUnloaded[i] == kUnloaded && gbProfileUnloaded[i] == kUnloaded
           && gbReportUnloaded[i] == kUnloaded;
}

void ResizeSlots(size_t count)
{
    gfrmAxisDesign.resize(count);
    gfrmProfile.resize(count);
    gfrmReport.resize(count);
    gbDesignUnloaded.resize(count, 0);
    gbProfileUnloaded.resize(count, 0);
    gbReportUnloaded.resize(count, 0);
}

platform::OutlineTree* Tree()
{
    MDIMain* main = MainWindow();
    return main ? main->OutTree() : nullptr;
}

int16_t KindOfWindow(const QMdiSubWindow* window)
{
    if (qobject_cast<const frmAxisDesign*>(window))
        return WindowKind::AxisDesign;
    if (qobject_cast<const frmProfile*>(window))
        return WindowKind::Profile;
    if (qobject_cast<const frmReport*>(window))
        return WindowKind::Report;
    return -1;
}

// The outline line of the main window's current axis window, -1 none.
int16_t LineOfCurrentWindow()
{
    MDIMain* main = MainWindow();
    if (!main)
        return -1;
    auto* window = qobject_cast<platform::MdiChildWindow*>(main->MdiArea()->currentSubWindow());
    const int16_t kind = KindOfWindow(window);
    if (kind < 0 || window->IsUnloading())
        return -1;
    return nFctTreeLineOfWindow(nFctSlotOfTag(window->Tag().toStdString()), kind);
}

// Creates one window of a slot in the main window's area and activates it.
template <class Window>
Window* CreateSlotWindow(QMdiArea* area, std::vector<QPointer<Window>>& windows, int16_t slot)
{
    auto* window = new Window;
    window->SetTag(QString::fromStdString(sFctSlotTag(slot)));
    windows[static_cast<size_t>(slot)] = window;
    area->addSubWindow(window);
    window->show();
    window->Form_Activate();
    QApplication::processEvents();
    return window;
}

template <class Window>
void FreeSlotWindow(std::vector<int16_t>& unloaded, std::vector<QPointer<Window>>& windows,
                    size_t index)
{
    unloaded[index] = kUnloaded;
    windows[index] = nullptr;
}

} // namespace

void SubResetWindowSlots()
{
    SubCloseAllAxisWindows();
    gfrmAxisDesign.assign(1, nullptr);
    gfrmProfile.assign(1, nullptr);
    gfrmReport.assign(1, nullptr);
    gbDesignUnloaded.assign(1, 0);
    gbProfileUnloaded.assign(1, 0);
    gbReportUnloaded.assign(1, 0);
}

int16_t nFctGetSlotUBound()
{
    return static_cast<int16_t>(gbDesignUnloaded.size()) - 1;
}

int16_t nFctGetWindowSlot(int16_t bClaim)
{
    const int16_t n = nFctGetSlotUBound();
    int inUse = 0;
    for (int16_t i = 1; i <= n; ++i)
        if (gbDesignUnloaded[static_cast<size_t>(i)] == 0)
            ++inUse;
    if (inUse >= kMaxAxisSlots)
        return -1;
    for (int16_t i = 1; i <= n; ++i) {
        const auto index = static_cast<size_t>(i);
        if (SlotFree(index)) {
            if (bClaim) {
                gbDesignUnloaded[index] = 0;
                gbProfileUnloaded[index] = 0;
                gbReportUnloaded[index] = 0;
            }
            return i;
        }
    }
    if (bClaim)
        ResizeSlots(static_cast<size_t>(n) + 2);
    return static_cast<int16_t>(n + 1);
}

int16_t nFctCreateAxisWindows()
{
    MDIMain* main = MainWindow();
    if (!main || nFctGetWindowSlot(0) < 0)
        return -1;
    gbOpeningAxisWindows = -1;
    const int16_t n = nFctGetWindowSlot(-1);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QMdiArea* area = main->MdiArea();
    CreateSlotWindow(area, gfrmReport, n);
    CreateSlotWindow(area, gfrmProfile, n);
    CreateSlotWindow(area, gfrmAxisDesign, n);
    gbOpeningAxisWindows = 0;
    QApplication::restoreOverrideCursor();
    return n;
}

int16_t bFctAnySlotUnloaded()
{
    for (int16_t i = 1; i <= nFctGetSlotUBound(); ++i)
        if (SlotFree(static_cast<size_t>(i)))
            return -1;
    return 0;
}

void SubCloseAllAxisWindows()
{
    for (int16_t i = 1; i <= nFctGetSlotUBound(); ++i) {
        const auto index = static_cast<size_t>(i);
        if (gbProfileUnloaded[index] != kUnloaded) {
            SubUnloadAxisWindow(i, WindowKind::Profile);
            gbProfileUnloaded[index] = kUnloaded;
        }
        if (gbDesignUnloaded[index] != kUnloaded) {
            SubUnloadAxisWindow(i, WindowKind::AxisDesign);
            gbDesignUnloaded[index] = kUnloaded;
        }
        if (gbReportUnloaded[index] != kUnloaded) {
            SubUnloadAxisWindow(i, WindowKind::Report);
            gbReportUnloaded[index] = kUnloaded;
        }
    }
}

void SubActivateFirstDesignWindow(int16_t bMaximise)
{
    for (int16_t i = 1; i <= nFctGetSlotUBound(); ++i) {
        if (gbDesignUnloaded[static_cast<size_t>(i)] != 0)
            continue;
        frmAxisDesign* window = AxisDesignWindow(i);
        if (!window)
            return;
        window->BringToFront();
        if (bMaximise == -1)
            window->SetWindowState(WindowState::Maximised);
        return;
    }
}

void SubApplyWindowStatus()
{
    int16_t slot = -1;
    for (int16_t i = 1; i <= nFctGetSlotUBound() && slot < 0; ++i)
        if (gbProfileUnloaded[static_cast<size_t>(i)] == 0)
            slot = i;
    if (slot < 0)
        return;
    // Entries 0 .. size - 2; the last element is the spare.
    const size_t entries = gWindowStatus.empty() ? 0 : gWindowStatus.size() - 1;
    for (int16_t kind : {WindowKind::Report, WindowKind::Profile, WindowKind::AxisDesign}) {
        for (size_t e = 0; e < entries; ++e) {
            const WindowStatusRow row = gWindowStatus[e];
            if (row.AxisNumber == slot && row.FormNumber == kind)
                SubSetAxisWindowState(slot, kind, row.Status);
        }
    }
}

frmAxisDesign* AxisDesignWindow(int16_t slot)
{
    return SlotExists(slot) ? gfrmAxisDesign[static_cast<size_t>(slot)].data() : nullptr;
}

frmProfile* ProfileWindow(int16_t slot)
{
    return SlotExists(slot) ? gfrmProfile[static_cast<size_t>(slot)].data() : nullptr;
}

frmReport* ReportWindow(int16_t slot)
{
    return SlotExists(slot) ? gfrmReport[static_cast<size_t>(slot)].data() : nullptr;
}

platform::MdiChildWindow* AxisWindow(int16_t slot, int16_t windowKind)
{
    switch (windowKind) {
    case WindowKind::AxisDesign: return AxisDesignWindow(slot);
    case WindowKind::Profile: return ProfileWindow(slot);
    case WindowKind::Report: return ReportWindow(slot);
    default: return nullptr;
    }
}

void SubSetAxisWindowState(int16_t slot, int16_t windowKind, int16_t state)
{
    if (platform::MdiChildWindow* window = AxisWindow(slot, windowKind))
        window->SetWindowState(state);
}

void SubUnloadAxisWindow(int16_t slot, int16_t windowKind)
{
    if (platform::MdiChildWindow* window = AxisWindow(slot, windowKind))
        window->Unload();
}

void SubFreeSlotWindow(int16_t slot, int16_t windowKind)
{
    if (!SlotExists(slot))
        return;
    const auto index = static_cast<size_t>(slot);
    switch (windowKind) {
    case WindowKind::AxisDesign: FreeSlotWindow(gbDesignUnloaded, gfrmAxisDesign, index); break;
    case WindowKind::Profile: FreeSlotWindow(gbProfileUnloaded, gfrmProfile, index); break;
    case WindowKind::Report: FreeSlotWindow(gbReportUnloaded, gfrmReport, index); break;
    default: break;
    }
}

int16_t nFctUsedAxisPosition(int16_t axisId)
{
    // The model gives the count of used axes as the position of an absent axis.
    const int16_t position = nFctGetAxisPosition(axisId);
    return position < nFctGetUsedAxisCount() ? position : -1;
}

int16_t nFctTreeLineOfWindow(int16_t axisId, int16_t windowKind)
{
    const int16_t position = nFctUsedAxisPosition(axisId);
    if (position < 0 || windowKind < 0 || windowKind > 2)
        return -1;
    return static_cast<int16_t>(4 * position + 2 + windowKind);
}

void SubRefreshAxisTree()
{
    platform::OutlineTree* tree = Tree();
    if (!tree)
        return;
    QString name = QString::fromStdString(sFctGetFileNamePart(gsCurrentFile));
    if (name.size() > 25)
        name = name.left(22) + "...";
    std::vector<int16_t> ids;
    const int16_t count = nFctGetAxisIdList(ids);

    tree->Clear();
    tree->AddLine(name.isEmpty() ? QString::fromStdString(sFctGetText(203)) : name, 0);
    for (int16_t p = 0; p < count; ++p) {
        const int16_t axis = ids[static_cast<size_t>(p)];
        std::string title = sFctGetAxisTitle(axis);
        if (title.empty())
            title = sFctGetText(204) + sFctSlotTag(axis);
        tree->AddLine(QString::fromStdString(title), 1);
        for (int16_t id : {35, 36, 37})
            tree->AddLine(QString::fromStdString(sFctGetText(id)), 2);
    }
    tree->ExpandAll();
    // The rebuilt tree carries no mark; the active window's line may have
    // moved (a deleted axis, another file).
    gnTreeMarkedLine = -1;
    if (!gbOpeningAxisWindows)
        gnTreeActiveLine = LineOfCurrentWindow();
    SubMarkActiveWindowInTree();
}

void SubMarkActiveWindowInTree()
{
    platform::OutlineTree* tree = Tree();
    if (gbOpeningAxisWindows) {
        gnTreeMarkedLine = gnTreeActiveLine;
        return;
    }
    if (tree && gnTreeMarkedLine != -1)
        tree->SetPictureType(gnTreeMarkedLine, kUnmarked);
    if (gnTreeActiveLine != -1 && tree && !tree->SetPictureType(gnTreeActiveLine, kMarked)) {
        // The remembered line is not in the tree: take the active window's.
        gnTreeActiveLine = LineOfCurrentWindow();
        if (gnTreeActiveLine != -1 && !tree->SetPictureType(gnTreeActiveLine, kMarked))
            gnTreeActiveLine = -1;
    }
    gnTreeMarkedLine = gnTreeActiveLine;
}

std::string sFctSlotTag(int16_t slot)
{
    const std::string digits = std::to_string(slot);
    return slot >= 0 ? " " + digits : digits;
}

int16_t nFctSlotOfTag(const std::string& tag)
{
    size_t i = tag.find_first_not_of(' ');
    if (i == std::string::npos)
        return 0;
    bool negative = false;
    if (tag[i] == '-' || tag[i] == '+')
        negative = tag[i++] == '-';
    int value = 0;
    for (; i < tag.size() && tag[i] >= '0' && tag[i] <= '9' && value < 32768; ++i)
        value = value * 10 + (tag[i] - '0');
    return static_cast<int16_t>(negative ? -value : std::min(value, 32767));
}

std::string sFctAxisWindowCaption(int16_t captionId, const std::string& tag)
{
    std::string title = sFctGetAxisTitle(nFctSlotOfTag(tag));
    return sFctGetText(captionId) + " - " + (title.empty() ? tag : title);
}

void SubAxisWindowActivated(int16_t axisId, int16_t windowKind)
{
    gnTreeActiveLine = nFctTreeLineOfWindow(axisId, windowKind);
    SubMarkActiveWindowInTree();
}

void SubSetGridScrollBars(platform::FlexGrid* grid, int32_t nRows)
{
    if (!grid)
        return;
    const int rowHeight = grid->RowHeightPixels();
    const int visible = grid->height() / rowHeight - 1;
    if (nRows > visible && visible >= 1) {
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        grid->SetRows(nRows + 1);
    } else {
        // Empty rows fill the grid to its bottom: 50, or as many as a taller
        // grid shows (its last one perhaps in part).
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->SetRows(std::max(50, visible + 2));
    }
}
