#include "appfile/basApplicationFileReader.h"

#include "appfile/basApplicationFileFormat.h"
#include "appfile/basWindowStatusFile.h"
#include "foundation/basGlobalFunctions.h"
#include "model/basAxisData.h"
#include "platform/core/Database.h"

#include <algorithm>
#include <string>

using appfile::AppFileError;

namespace {

// The cursors over the three tables that hold the axes, moved forward one
// row at a time as the counts read so far call for rows. The first failure
// is kept in the error and stops every later read.
class AxisContentReader {
public:
    AxisContentReader(platform::Database& db, AppFileError& error) : error_(error)
    {
        Open(db, appfile::kTableAxisData, axisData_);
        Open(db, appfile::kTableMechData, mechData_);
        Open(db, appfile::kTableDataType, dataType_);
    }

    bool Ok() const { return ok_; }
    int AxisRowCount() const { return axisData_.RecordCount(); }

    void ReadAxis(AxisRec& rec)
    {
        SubInitAxisRecord(rec);
        currentAxis_ = "axis row " + std::to_string(++axisRowsRead_);
        if (!Take(axisData_, appfile::kTableAxisData))
            return;
        Int(axisData_, "Number", rec.Number);
        OneLineText(axisData_, "Description", rec.Description);
        Int(axisData_, "ParentAxis", rec.ParentAxis);
        Int(axisData_, "ChildAxis", rec.ChildAxis);
        Flag(axisData_, "MotorDefined", rec.MotorDefined);
        Int(axisData_, "MotorIdentifier", rec.MotorIdentifier);
        OneLineText(axisData_, "MotorManufacturer", rec.MotorManufacturer);
        OneLineText(axisData_, "MotorProductKey", rec.MotorProductKey);
        Int(axisData_, "MotorDataNumber", rec.MotorDataNumber);
        Int(axisData_, "NumberOfMechanisms", rec.NumberOfMechanisms);
        Flag(axisData_, "LoadDefined", rec.LoadDefined);
        Int(axisData_, "LoadIdentifier", rec.LoadIdentifier);
        Int(axisData_, "LoadDataNumber", rec.LoadDataNumber);
        Int(axisData_, "MotionMode", rec.MotionMode);
        Int(axisData_, "NumberOfMotionSegments", rec.NumberOfMotionSegments);
        Flag(axisData_, "QuickSetupDefined", rec.QuickSetupDefined);
        Int(axisData_, "QuickSetupMode", rec.QuickSetupMode);
        Next(axisData_);

        CheckCount("MotorDataNumber", rec.MotorDataNumber, model::kMotorParamCapacity);
        CheckCount("NumberOfMechanisms", rec.NumberOfMechanisms, appfile::kMaxMechanisms);
        CheckCount("LoadDataNumber", rec.LoadDataNumber, model::kLoadParamCapacity);
        CheckCount("NumberOfMotionSegments", rec.NumberOfMotionSegments, appfile::kMaxMotionSegments);
        if (!ok_)
            return;

        // The stored Defined flags are not trusted: the counts decide.
        rec.MotorDefined = model::AsFlag(rec.MotorDataNumber > 0);
        for (int j = 0; j < rec.MotorDataNumber; ++j)
            ParamRow(rec.MotorData[j], &rec.MotorIdentifier);

        rec.Mechanisms.assign(rec.NumberOfMechanisms + 1, MechRec{});
        for (int m = 0; m < rec.NumberOfMechanisms; ++m)
            ReadMechanism(rec.Mechanisms[m]);

        rec.LoadDefined = model::AsFlag(rec.LoadDataNumber > 0);
        for (int j = 0; j < rec.LoadDataNumber; ++j)
            ParamRow(rec.LoadData[j], &rec.LoadIdentifier);

        rec.MotionSegments.assign(rec.NumberOfMotionSegments + 1, SegmentRec{});
        for (int s = 0; s < rec.NumberOfMotionSegments; ++s)
            for (ParamRec* member : appfile::SegmentMembersInStoredOrder(rec.MotionSegments[s]))
                ParamRow(*member, nullptr);

        for (int slot = 0; slot < model::kQuickSetupUsedSlots; ++slot)
            ParamRow(rec.QuickSetupData[slot], nullptr);
    }

    // Rows the counts did not call for mean the counts and the rows disagree.
    void CheckNothingLeftOver()
    {
        for (auto* table : {&mechData_, &dataType_}) {
            if (ok_ && !table->Eof()) {
                Fail({appfile::kInvalidFileFormat,
                      "Invalid file format: " +
                          std::string(table == &mechData_ ? appfile::kTableMechData : appfile::kTableDataType) +
                          " holds more rows than the axes call for"});
            }
        }
    }

private:
    void Open(platform::Database& db, const char* table, platform::Recordset& rs)
    {
        if (ok_ && !db.OpenTable(table, rs))
            Fail(appfile::FromDbError(db.Error()));
    }

    void Fail(AppFileError error)
    {
        if (ok_) {
            ok_ = false;
            error_ = std::move(error);
        }
    }

    // A Null is passed over; any other failure ends the reading.
    bool Read(platform::Recordset& rs, bool done)
    {
        if (!done && rs.Error().number != platform::kDbInvalidUseOfNull)
            Fail(appfile::FromDbError(rs.Error()));
        return ok_ && done;
    }

    void Int(platform::Recordset& rs, const char* column, int16_t& field)
    {
        int16_t value = 0;
        if (ok_ && Read(rs, rs.GetInt16(column, value)))
            field = value;
    }

    void Flag(platform::Recordset& rs, const char* column, int16_t& field)
    {
        bool value = false;
        if (ok_ && Read(rs, rs.GetBool(column, value)))
            field = model::AsFlag(value);
    }

    void Double(platform::Recordset& rs, const char* column, double& field)
    {
        double value = 0.0;
        if (ok_ && Read(rs, rs.GetDouble(column, value)))
            field = value;
    }

    void Text(platform::Recordset& rs, const char* column, std::string& field)
    {
        std::string value;
        if (ok_ && Read(rs, rs.GetText(column, value)))
            field = std::move(value);
    }

    // A title, manufacturer, product key or unit text is one line of
    // well-formed text (sFctFreeTextLine), whatever program wrote the file.
    void OneLineText(platform::Recordset& rs, const char* column, std::string& field)
    {
        Text(rs, column, field);
        field = sFctFreeTextLine(field);
    }

    // The current row of the table, which must exist.
    bool Take(platform::Recordset& rs, const char* table)
    {
        if (ok_ && rs.Eof())
            Fail({platform::kDbNoCurrentRecord,
                  "No current record: " + std::string(table) + " has too few rows (" + currentAxis_ + ")"});
        return ok_;
    }

    void Next(platform::Recordset& rs)
    {
        if (ok_ && !rs.MoveNext())
            Fail(appfile::FromDbError(rs.Error()));
    }

    void CheckCount(const char* column, int16_t count, int limit)
    {
        if (ok_ && (count < 0 || count > limit))
            Fail({appfile::kSubscriptOutOfRange, "Subscript out of range: " + std::string(column) + " " +
                                                     std::to_string(count) + " (" + currentAxis_ + ")"});
    }

    // One DataType row into entry; ownerKey, when given, takes the row's
    // MechanismID (the motor and load rows name their type that way).
    void ParamRow(ParamRec& entry, int16_t* ownerKey)
    {
        if (!Take(dataType_, appfile::kTableDataType))
            return;
        if (ownerKey)
            Int(dataType_, "MechanismID", *ownerKey);
        Double(dataType_, "Data", entry.Data);
        Int(dataType_, "UnitType", entry.UnitType);
        Int(dataType_, "UnitID", entry.UnitID);
        Double(dataType_, "Factor", entry.Factor);
        Int(dataType_, "Status", entry.Status);
        Int(dataType_, "TextID", entry.TextID);
        OneLineText(dataType_, "UnitText", entry.UnitText);
        Int(dataType_, "HelpID", entry.HelpID);
        Next(dataType_);
    }

    // One MechData row and its parameter rows. The mechanism is first built
    // for its type, so entries beyond the stored count keep the type's
    // defaults.
    void ReadMechanism(MechRec& mech)
    {
        if (!Take(mechData_, appfile::kTableMechData))
            return;
        int16_t identifier = 0;
        Int(mechData_, "Identifier", identifier);
        if (!ok_)
            return;
        SubInitMechRecord(mech, identifier);
        Int(mechData_, "TextID", mech.TextID);
        OneLineText(mechData_, "Manufacturer", mech.Manufacturer);
        OneLineText(mechData_, "ProductKey", mech.ProductKey);
        Int(mechData_, "DataNumber", mech.DataNumber);
        Next(mechData_);
        CheckCount("DataNumber", mech.DataNumber, model::kMechanismParamCapacity);
        for (int k = 0; ok_ && k < mech.DataNumber; ++k)
            ParamRow(mech.MechanismData[k], nullptr);
    }

    AppFileError& error_;
    bool ok_ = true;
    platform::Recordset axisData_;
    platform::Recordset mechData_;
    platform::Recordset dataType_;
    int axisRowsRead_ = 0;
    std::string currentAxis_;
};

bool MarkerIsOurs(platform::Database& db, AppFileError& error, bool& ours)
{
    platform::Recordset rs;
    if (!db.OpenTable(appfile::kTableProjectInfo, rs)) {
        error = appfile::FromDbError(db.Error());
        return false;
    }
    std::string marker;
    ours = false;
    if (rs.Eof())
        return true;  // no marker at all
    if (!rs.GetText("CompanyMarker", marker)) {
        if (rs.Error().number == platform::kDbInvalidUseOfNull)
            return true;
        error = appfile::FromDbError(rs.Error());
        return false;
    }
    ours = marker.starts_with(appfile::kCompanyMarkerPrefix);
    return true;
}

// Stored numbers must be 1 to N, each once, whatever their order.
bool AxisNumbersAreOneToN(const std::vector<AxisRec>& axes)
{
    std::vector<int16_t> numbers;
    for (const AxisRec& rec : axes)
        numbers.push_back(rec.Number);
    std::sort(numbers.begin(), numbers.end());
    for (size_t i = 0; i < numbers.size(); ++i)
        if (numbers[i] != static_cast<int16_t>(i + 1))
            return false;
    return true;
}

} // namespace

ApplicationFileContent ReadApplicationFileContent(platform::Database& db, std::vector<AxisRec>& axes,
                                                  std::vector<WindowStatusRow>& windows, AppFileError& error)
{
    axes.clear();
    windows.clear();
    bool ours = false;
    if (!MarkerIsOurs(db, error, ours))
        return ApplicationFileContent::Failed;
    if (!ours)
        return ApplicationFileContent::ForeignMarker;

    AxisContentReader reader(db, error);
    if (reader.Ok() && reader.AxisRowCount() > appfile::kMaxAxes) {
        error = {appfile::kSubscriptOutOfRange,
                 "Subscript out of range: " + std::to_string(reader.AxisRowCount()) + " axes"};
        return ApplicationFileContent::Failed;
    }
    const int axisCount = reader.Ok() ? reader.AxisRowCount() : 0;
    for (int i = 0; reader.Ok() && i < axisCount; ++i) {
        axes.emplace_back();
        reader.ReadAxis(axes.back());
    }
    reader.CheckNothingLeftOver();
    if (!reader.Ok())
        return ApplicationFileContent::Failed;
    if (!AxisNumbersAreOneToN(axes)) {
        error = {appfile::kInvalidFileFormat, "Invalid file format: the axis numbers are not 1 to " +
                                                  std::to_string(axes.size()) + ", each once"};
        return ApplicationFileContent::Failed;
    }
    if (!bFctReadWindowStatus(db, windows, error))
        return ApplicationFileContent::Failed;
    return ApplicationFileContent::Read;
}
