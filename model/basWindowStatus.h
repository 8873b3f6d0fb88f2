#pragma once
#include <cstdint>
#include <span>
#include <vector>

// The window-status list: for each axis window that has been shown, which
// axis and kind of window it is and its window state. It lives in memory
// while an application is open and is saved into and read from the
// application file (the file side is in appfile/).

// Kinds of axis window (FormNumber).
namespace WindowKind {
inline constexpr int16_t AxisDesign = 0;
inline constexpr int16_t Profile = 1;
inline constexpr int16_t Report = 2;
} // namespace WindowKind

// Window states (Status).
namespace WindowState {
inline constexpr int16_t Normal = 0;
inline constexpr int16_t Minimised = 1;
inline constexpr int16_t Maximised = 2;
} // namespace WindowState

struct WindowStatusRow {
    int16_t AxisNumber = 0;  // -1 marks a removed entry (kept, never saved)
    int16_t FormNumber = 0;  // WindowKind
    int16_t Status = 0;      // WindowState
};

// Entries 0..n-1 are the list; element n is a spare that every operation
// skips. The empty list is the single spare element (also at program start).
// Entries are never deleted or compacted until the list is cleared.
extern std::vector<WindowStatusRow> gWindowStatus;
// True (-1) after an entry was added, updated or removed since the list was
// last cleared or read; False (0) otherwise.
extern int16_t gbWindowStatusChanged;

// Empties the list (only the spare is left); the changed flag False.
void SubClearWindowStatus();
// The first entry of that axis and kind gets AxisNumber -1 and the changed
// flag becomes True; with no such entry nothing changes.
void SubRemoveWindowStatus(int16_t axisNumber, int16_t formNumber);
// Records the state of one window: nothing at all when skip is True;
// otherwise updates the first entry of that axis and kind (the changed flag
// is set only when the state differs) or appends a new entry (flag set).
void SubSetWindowStatus(int16_t axisNumber, int16_t formNumber, int16_t status, int16_t skip);

// The reading side of the application file: appends the rows read from the
// file, in their order, and sets the changed flag False. The list is not
// emptied first (the file is read after the application was closed).
void SubReadWindowStatusRows(std::span<const WindowStatusRow> rows);
// The writing side: the rows to store, one per live entry (AxisNumber not
// -1) in list order. An entry of an axis whose in-memory ID is
// storedAxisIds[k] carries the stored number k + 1; the IDs map once per
// entry, so a stored number is never mapped again. Entries of other axis
// numbers keep theirs. The live list is not changed.
std::vector<WindowStatusRow> WindowStatusRowsToWrite(std::span<const int16_t> storedAxisIds);
