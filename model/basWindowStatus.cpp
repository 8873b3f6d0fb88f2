#include "model/basWindowStatus.h"

#include <algorithm>

std::vector<WindowStatusRow> gWindowStatus(1);
int16_t gbWindowStatusChanged = 0;

namespace {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

// The entries of the list, without the spare element.
std::span<WindowStatusRow> Entries()
{
    if (gWindowStatus.empty()) gWindowStatus.resize(1);
    return {gWindowStatus.data(), gWindowStatus.size() - 1};
}

WindowStatusRow* FindEntry(int16_t axisNumber, int16_t formNumber)
{
    for (WindowStatusRow& entry : Entries())
        if (entry.AxisNumber == axisNumber && entry.FormNumber == formNumber) return &entry;
    return nullptr;
}

// The former spare becomes the entry and a new spare follows it.
void AppendEntry(const WindowStatusRow& row)
{
    Entries();  // makes sure the spare exists
    gWindowStatus.back() = row;
    gWindowStatus.emplace_back();
}

} // namespace

void SubClearWindowStatus()
{
    gWindowStatus.assign(1, WindowStatusRow{});
    gbWindowStatusChanged = kFalse;
}

void SubRemoveWindowStatus(int16_t axisNumber, int16_t formNumber)
{
    if (WindowStatusRow* entry = FindEntry(axisNumber, formNumber)) {
        entry->AxisNumber = -1;
        gbWindowStatusChanged = kTrue;
    }
}

void SubSetWindowStatus(int16_t axisNumber, int16_t formNumber, int16_t status, int16_t skip)
{
    if (skip) return;
    if (WindowStatusRow* entry = FindEntry(axisNumber, formNumber)) {
        if (entry->Status == status) return;
        entry->Status = status;
    } else {
        AppendEntry({axisNumber, formNumber, status});
    }
    gbWindowStatusChanged = kTrue;
}

void SubReadWindowStatusRows(std::span<const WindowStatusRow> rows)
{
    gbWindowStatusChanged = kFalse;
    for (const WindowStatusRow& row : rows) AppendEntry(row);
}

std::vector<WindowStatusRow> WindowStatusRowsToWrite(std::span<const int16_t> storedAxisIds)
{
    std::vector<WindowStatusRow> rows;
    for (const WindowStatusRow& entry : Entries()) {
        if (entry.AxisNumber == -1) continue;
        WindowStatusRow row = entry;
        const auto stored = std::find(storedAxisIds.begin(), storedAxisIds.end(), entry.AxisNumber);
        if (stored != storedAxisIds.end())
            row.AxisNumber = static_cast<int16_t>(stored - storedAxisIds.begin() + 1);
        rows.push_back(row);
    }
    return rows;
}
