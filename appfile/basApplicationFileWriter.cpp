#include "appfile/basApplicationFileWriter.h"

#include "appfile/basApplicationFileFormat.h"
#include "model/basAxisData.h"
#include "platform/core/Database.h"

#include <cstdint>
#include <string>

using appfile::AppFileError;

namespace {

// One table being appended to; the first failing call keeps its error and
// makes every later call a no-op, so a row is written with plain calls and
// checked once.
class RowAppender {
public:
    RowAppender(platform::Database& db, const char* table) : ok_(db.OpenTable(table, rs_))
    {
        if (!ok_)
            error_ = appfile::FromDbError(db.Error());
    }

    RowAppender& Begin() { return Check(ok_ && rs_.AddNew()); }
    RowAppender& Int(const char* column, int16_t value) { return Check(ok_ && rs_.SetInt(column, value)); }
    RowAppender& Bool(const char* column, int16_t flag) { return Check(ok_ && rs_.SetBool(column, flag != 0)); }
    RowAppender& Double(const char* column, double value) { return Check(ok_ && rs_.SetDouble(column, value)); }
    RowAppender& Text(const char* column, const std::string& value) { return Check(ok_ && rs_.SetText(column, value)); }
    bool End() { return Check(ok_ && rs_.Update()).ok_; }

    bool Ok() const { return ok_; }
    const AppFileError& Error() const { return error_; }

private:
    RowAppender& Check(bool done)
    {
        if (ok_ && !done) {
            ok_ = false;
            error_ = appfile::FromDbError(rs_.Error());
        }
        return *this;
    }

    platform::Recordset rs_;
    bool ok_;
    AppFileError error_;
};

void AppendParamRow(RowAppender& table, int16_t ownerKey, const ParamRec& entry)
{
    table.Begin()
        .Int("MechanismID", ownerKey)
        .Double("Data", entry.Data)
        .Int("UnitType", entry.UnitType)
        .Int("UnitID", entry.UnitID)
        .Double("Factor", entry.Factor)
        .Int("Status", entry.Status)
        .Int("TextID", entry.TextID)
        .Text("UnitText", entry.UnitText)
        .Int("HelpID", entry.HelpID)
        .End();
}

struct Tables {
    RowAppender axisData;
    RowAppender mechData;
    RowAppender dataType;

    bool Ok() const { return axisData.Ok() && mechData.Ok() && dataType.Ok(); }
    const AppFileError& Error() const
    {
        return !axisData.Ok() ? axisData.Error() : !mechData.Ok() ? mechData.Error() : dataType.Error();
    }
};

void AppendAxisRows(Tables& t, const AxisRec& axis, int16_t storedNumber)
{
    t.axisData.Begin()
        .Int("Number", storedNumber)
        .Text("Description", axis.Description)
        .Int("ParentAxis", axis.ParentAxis)
        .Int("ChildAxis", axis.ChildAxis)
        .Bool("MotorDefined", axis.MotorDefined)
        .Int("MotorIdentifier", axis.MotorIdentifier)
        .Text("MotorManufacturer", axis.MotorManufacturer)
        .Text("MotorProductKey", axis.MotorProductKey)
        .Int("MotorDataNumber", axis.MotorDataNumber)
        .Int("NumberOfMechanisms", axis.NumberOfMechanisms)
        .Bool("LoadDefined", axis.LoadDefined)
        .Int("LoadIdentifier", axis.LoadIdentifier)
        .Int("LoadDataNumber", axis.LoadDataNumber)
        .Int("MotionMode", axis.MotionMode)
        .Int("NumberOfMotionSegments", axis.NumberOfMotionSegments)
        .Bool("QuickSetupDefined", axis.QuickSetupDefined)
        .Int("QuickSetupMode", axis.QuickSetupMode)
        .End();

    for (int j = 0; j < axis.MotorDataNumber; ++j)
        AppendParamRow(t.dataType, axis.MotorIdentifier, axis.MotorData[j]);

    for (int m = 0; m < axis.NumberOfMechanisms; ++m) {
        const MechRec& mech = axis.Mechanisms[m];
        t.mechData.Begin()
            .Int("Identifier", mech.Identifier)
            .Int("TextID", mech.TextID)
            .Text("Manufacturer", mech.Manufacturer)
            .Text("ProductKey", mech.ProductKey)
            .Int("DataNumber", mech.DataNumber)
            .End();
        for (int k = 0; k < mech.DataNumber; ++k)
            AppendParamRow(t.dataType, mech.Identifier, mech.MechanismData[k]);
    }

    for (int j = 0; j < axis.LoadDataNumber; ++j)
        AppendParamRow(t.dataType, axis.LoadIdentifier, axis.LoadData[j]);

    for (int s = 0; s < axis.NumberOfMotionSegments; ++s)
        for (const ParamRec* member : appfile::SegmentMembersInStoredOrder(axis.MotionSegments[s]))
            AppendParamRow(t.dataType, ParamControlKey::ProfileSegment, *member);

    for (int slot = 0; slot < model::kQuickSetupUsedSlots; ++slot)
        AppendParamRow(t.dataType, ParamControlKey::QuickSetup, axis.QuickSetupData[slot]);
}

// Counts that would index past a record's own blocks cannot be written
// truthfully, and counts beyond the limits of a file would make a file the
// reader refuses; such a record is refused instead.
bool CountsFitBlocks(const AxisRec& axis, AppFileError& error)
{
    const bool fit =
        axis.MotorDataNumber >= 0 && axis.MotorDataNumber <= model::kMotorParamCapacity &&
        axis.LoadDataNumber >= 0 && axis.LoadDataNumber <= model::kLoadParamCapacity &&
        axis.NumberOfMechanisms >= 0 && axis.NumberOfMechanisms <= appfile::kMaxMechanisms &&
        axis.NumberOfMechanisms <= static_cast<int>(axis.Mechanisms.size()) &&
        axis.NumberOfMotionSegments >= 0 && axis.NumberOfMotionSegments <= appfile::kMaxMotionSegments &&
        axis.NumberOfMotionSegments <= static_cast<int>(axis.MotionSegments.size());
    if (!fit) {
        error = {appfile::kSubscriptOutOfRange,
                 "Subscript out of range: axis " + std::to_string(axis.Number)};
        return false;
    }
    for (int m = 0; m < axis.NumberOfMechanisms; ++m) {
        const int16_t n = axis.Mechanisms[m].DataNumber;
        if (n < 0 || n > model::kMechanismParamCapacity) {
            error = {appfile::kSubscriptOutOfRange,
                     "Subscript out of range: axis " + std::to_string(axis.Number) + ", mechanism " +
                         std::to_string(m + 1)};
            return false;
        }
    }
    return true;
}

} // namespace

bool bFctWriteAxisRows(platform::Database& db, const std::vector<AxisRec>& axes, AppFileError& error)
{
    Tables t{RowAppender(db, appfile::kTableAxisData), RowAppender(db, appfile::kTableMechData),
             RowAppender(db, appfile::kTableDataType)};
    int16_t storedNumber = 0;
    for (size_t i = 0; t.Ok() && i + 1 < axes.size(); ++i) {
        const AxisRec& axis = axes[i];
        if (axis.Number == -1)
            continue;
        if (storedNumber == appfile::kMaxAxes) {
            error = {appfile::kSubscriptOutOfRange,
                     "Subscript out of range: more than " + std::to_string(appfile::kMaxAxes) + " axes"};
            return false;
        }
        if (!CountsFitBlocks(axis, error))
            return false;
        AppendAxisRows(t, axis, ++storedNumber);
    }
    if (!t.Ok()) {
        error = t.Error();
        return false;
    }
    return true;
}
