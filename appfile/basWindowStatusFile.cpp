#include "appfile/basWindowStatusFile.h"

#include "appfile/basApplicationFileFormat.h"
#include "platform/core/Database.h"

using appfile::AppFileError;
using appfile::FromDbError;

bool bFctWriteWindowStatus(platform::Database& db, const std::vector<WindowStatusRow>& rows,
                           AppFileError& error)
{
    platform::Recordset rs;
    if (!db.OpenTable(appfile::kTableWindowStatus, rs)) {
        error = FromDbError(db.Error());
        return false;
    }
    for (const WindowStatusRow& row : rows) {
        if (!rs.AddNew() || !rs.SetInt("AxisNumber", row.AxisNumber) ||
            !rs.SetInt("FormNumber", row.FormNumber) || !rs.SetInt("Status", row.Status) ||
            !rs.Update()) {
            error = FromDbError(rs.Error());
            return false;
        }
    }
    return true;
}

bool bFctReadWindowStatus(platform::Database& db, std::vector<WindowStatusRow>& rows,
                          AppFileError& error)
{
    rows.clear();
    platform::Recordset rs;
    if (!db.OpenTable(appfile::kTableWindowStatus, rs)) {
        error = FromDbError(db.Error());
        return false;
    }
    if (rs.RecordCount() > appfile::kMaxWindowStatusRows) {
        error = {appfile::kSubscriptOutOfRange, "Subscript out of range: " + std::to_string(rs.RecordCount()) +
                                                    " window-status rows"};
        return false;
    }
    for (; !rs.Eof(); rs.MoveNext()) {
        WindowStatusRow row;
        if (!rs.GetInt16("AxisNumber", row.AxisNumber) || !rs.GetInt16("FormNumber", row.FormNumber) ||
            !rs.GetInt16("Status", row.Status)) {
            error = FromDbError(rs.Error());
            return false;
        }
        rows.push_back(row);
    }
    return true;
}
