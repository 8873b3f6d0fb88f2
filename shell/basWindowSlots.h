#pragma once
// The window slots of the axes and the outline tree of the main window.
//
// Every axis of the open application has three child windows in the main
// window: its axis design, velocity profile and report window. The three
// windows of one axis form a slot whose number is the axis ID; each window
// carries it in its Tag. Slot numbers index the six arrays below (element 0
// is never used; all six always have the same upper bound). At most three
// slots are in use at a time.
//
// The outline tree lists the open application: line 0 the file (or the
// program's title), then per axis at 0-based position p the axis line 4p + 1
// and its windows at 4p + 2 + WindowKind (design, profile, report).
#include <QPointer>

#include <cstdint>
#include <string>
#include <vector>

class frmAxisDesign;
class frmProfile;
class frmReport;
namespace platform { class FlexGrid; class MdiChildWindow; }

// ---- Slot arrays ----------------------------------------------------------
// The windows of each slot; an element is empty while its window is not
// loaded (it empties itself when the window goes away).
extern std::vector<QPointer<frmAxisDesign>> gfrmAxisDesign;
extern std::vector<QPointer<frmProfile>> gfrmProfile;
extern std::vector<QPointer<frmReport>> gfrmReport;
// Per slot: -1 the window is unloaded, 0 loaded or about to be created. A slot
// is free when its three flags are -1 and in use when its design flag is 0.
extern std::vector<int16_t> gbDesignUnloaded;
extern std::vector<int16_t> gbProfileUnloaded;
extern std::vector<int16_t> gbReportUnloaded;

// ---- Outline globals --------------------------------------------------------
// The line of the axis window activated last, -1 none.
extern int16_t gnTreeActiveLine;
// The line that carries the mark now, -1 none.
extern int16_t gnTreeMarkedLine;
// True (-1) while nFctCreateAxisWindows runs; the mark is not drawn meanwhile.
extern int16_t gbOpeningAxisWindows;

// At most this many axes (slots in use) at a time.
inline constexpr int16_t kMaxAxisSlots = 3;

// ---- Slot procedures --------------------------------------------------------
// Sizes the six arrays to the single element 0 (no slot at all).
void SubResetWindowSlots();
// The upper bound of the slot arrays (0 when no slot was ever claimed).
int16_t nFctGetSlotUBound();

// The slot for a new axis: the first free slot, or a new one past the upper
// bound; -1 when three slots are in use. With bClaim non-zero the slot is
// also claimed (its flags 0; a new slot grows the arrays by one).
int16_t nFctGetWindowSlot(int16_t bClaim);
// Claims a slot and creates its report, profile and design windows in this
// order in the main window, each with Tag = Str(slot), and activates each
// once. Returns the slot, or -1 (creating nothing) when three slots are in
// use or there is no main window.
int16_t nFctCreateAxisWindows();
// True (-1) when some slot is free (all three flags -1).
int16_t bFctAnySlotUnloaded();
// Unloads every loaded axis window and frees every slot.
void SubCloseAllAxisWindows();
// Brings the design window of the first slot in use to the front, maximised
// when bMaximise is True (-1).
void SubActivateFirstDesignWindow(int16_t bMaximise);
// Re-applies the window states of the window-status list to the windows of
// the first slot whose profile window is loaded.
void SubApplyWindowStatus();

// The windows of a slot; nullptr for a slot outside 1..upper bound or a
// window that is not loaded. Every access to a slot's window goes through
// these.
frmAxisDesign* AxisDesignWindow(int16_t slot);
frmProfile* ProfileWindow(int16_t slot);
frmReport* ReportWindow(int16_t slot);
// The window of a slot by WindowKind (0 design, 1 profile, 2 report).
platform::MdiChildWindow* AxisWindow(int16_t slot, int16_t windowKind);
// Sets the window state (WindowState: 0 normal, 1 minimised, 2 maximised)
// of a slot's window; nothing when the window is not loaded.
void SubSetAxisWindowState(int16_t slot, int16_t windowKind, int16_t state);
// Unloads a slot's window (its unload step frees it in the slot); nothing
// when the window is not loaded.
void SubUnloadAxisWindow(int16_t slot, int16_t windowKind);
// The unload step of a slot's window: marks the window of that kind
// unloaded (-1) and empties its element; nothing for a slot outside
// 1..upper bound.
void SubFreeSlotWindow(int16_t slot, int16_t windowKind);

// ---- Outline tree -----------------------------------------------------------
// Rebuilds the outline from gsCurrentFile and the axes in use, then marks the
// active window's line.
void SubRefreshAxisTree();
// Moves the mark to the line of the active axis window (gnTreeActiveLine).
// The mark is not drawn while gbOpeningAxisWindows is True. A line that is
// not in the tree (any more) is unmarked instead: the active line is then
// recomputed from the main window's active axis window.
void SubMarkActiveWindowInTree();
// The 0-based position of the axis among the axes in use, -1 when it is not
// in use.
int16_t nFctUsedAxisPosition(int16_t axisId);
// The outline line of an axis window: 4p + 2 + windowKind, p the 0-based
// position of the axis among the axes in use; -1 when the axis is not in use.
int16_t nFctTreeLineOfWindow(int16_t axisId, int16_t windowKind);

// ---- The axis windows' common steps ------------------------------------------
// Str(n) as the Tag of a window: a leading blank for a number >= 0.
std::string sFctSlotTag(int16_t slot);
// Val of a Tag text: the axis ID it carries (0 when none).
int16_t nFctSlotOfTag(const std::string& tag);
// The caption of an axis window: text captionId, " - " and the axis title, or
// the Tag text when the title is empty.
std::string sFctAxisWindowCaption(int16_t captionId, const std::string& tag);
// What every activation of an axis window does: gnTreeActiveLine = its line,
// then SubMarkActiveWindowInTree.
void SubAxisWindowActivated(int16_t axisId, int16_t windowKind);

// ---- Grid --------------------------------------------------------------------
// Sizes a grid for nRows data rows: when they do not fit into the visible
// rows (grid height / height of row 1, less 1; at least one), a vertical
// scroll bar and nRows + 1 rows (the header row included); otherwise no
// scroll bar and 50 rows.
void SubSetGridScrollBars(platform::FlexGrid* grid, int32_t nRows);
