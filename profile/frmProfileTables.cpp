// The velocity profile window's two tables: the quick setup with its
// Calculated column and Submit, and the segment table of the axis's profile
// segments with the profile builder's values.
#include "profile/frmProfile.h"

#include "foundation/basDatabaseAccess.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisRequirements.h"
#include "platform/qt/FlexGrid.h"
#include "shell/Main.h"
#include "profile/frmProfileLayout.h"

#include <QComboBox>

namespace {

QString Text(int16_t id)
{
    return QString::fromStdString(sFctGetText(id));
}

QString Number(double value)
{
    return QString::fromStdString(sFctFormatNumber(value));
}

} // namespace

// ---- Quick setup ------------------------------------------------------------------

void frmProfile::mSubInitQuickSetupGrid()
{
    vsfQuickSetup_->Clear();
    vsfQuickSetup_->SetFormatString(Text(247));
    vsfQuickSetup_->SetColWidthFractions({0.4, 0.2, 0.2, 0.2});
    vsfQuickSetup_->SetRows(profile_layout::kQuickSetupMaxRows + 1);
    vsfQuickSetup_->SetStandardRowHeights();
    vsfQuickSetup_->SetRow(1);
}

void frmProfile::mSubSetQuickSetupTable()
{
    mSubInitQuickSetupGrid();
    const int16_t axis = AxisId();
    const int32_t n = profile_layout::QuickSetupRowCount(cboProfileMode_->currentIndex());
    for (int32_t r = 1; r <= n; ++r) {
        ParamRec entry;
        nFctGetQuickSetupParameter(axis, static_cast<int16_t>(r - 1), entry);
        vsfQuickSetup_->SetTextMatrix(r, 0, Text(entry.TextID));
        vsfQuickSetup_->SetTextMatrix(r, 1, Number(entry.Data));
        vsfQuickSetup_->SetNumberCell(r, 1, profile_layout::QuickSetupKeyRule(r));
        vsfQuickSetup_->SetTextMatrix(r, 2, "0");
        vsfQuickSetup_->SetTextMatrix(r, 3, QString::fromStdString(entry.UnitText));
    }
    mnQuickSetupRowCount = n;
}

bool frmProfile::mSubCalcQuickSetup(bool bShowMessages)
{
    const int16_t mode = static_cast<int16_t>(cboProfileMode_->currentIndex());
    const bool valid = nFctValidateQuickSetup(AxisId(), mode, mdQuickSetupDerived,
                                              bShowMessages ? model::kTrue : model::kFalse) != 0;
    // The last row, the dwell time, is taken as entered.
    const int32_t n = profile_layout::QuickSetupRowCount(mode);
    for (int32_t r = 1; r < n; ++r) {
        const size_t k = static_cast<size_t>(r - 1);
        vsfQuickSetup_->SetTextMatrix(r, 2, Number(k < mdQuickSetupDerived.size() ? mdQuickSetupDerived[k] : 0.0));
    }
    if (n > 0)
        vsfQuickSetup_->SetTextMatrix(n, 2, vsfQuickSetup_->TextMatrix(n, 1));
    return valid;
}

void frmProfile::cboProfileMode_Click()
{
    if (IsFirstActivation())
        return;
    SubSetQuickSetupMode(AxisId(), static_cast<int16_t>(cboProfileMode_->currentIndex()));
    mSubSetQuickSetupTable();
    mSubCalcQuickSetup(false);
}

void frmProfile::vseTransfer_Click()
{
    if (!mSubCalcQuickSetup(true))
        return;
    nFctTransferQuickSetup(AxisId(), mdQuickSetupDerived, model::kTrue, model::kFalse);
    mSubFillSegmentTable(true);
    mSubDisplayVelocityGraph(0);
    mSubDisplayTorqueGraph(0);
}

QString frmProfile::sFctUnitComboList(int row)
{
    ParamRec entry;
    nFctGetQuickSetupParameter(AxisId(), static_cast<int16_t>(row - 1), entry);
    const int16_t listType = profile_layout::UnitListType(entry.UnitType, nFctGetMotionMode(AxisId()));
    nFctGetUnitsOfType(listType, mnUnitPositions);
    QStringList names;
    for (int16_t position : mnUnitPositions)
        names << QString::fromStdString(gUnitList[static_cast<size_t>(position)].Text);
    return names.join('|');
}

// ---- Segment table ------------------------------------------------------------------

void frmProfile::mSubInitSegmentTable(int32_t rows)
{
    vsfVelProfile_->Clear();
    mnSegmentRowCount = rows;
    vsfVelProfile_->SetFormatString(Text(248));
    vsfVelProfile_->SetColWidthFractions({0.06, 0.35, 0.19, 0.19, 0.22});
    vsfVelProfile_->SetRows(rows + 1);
    vsfVelProfile_->SetStandardRowHeights();
    if (rows >= 2) {
        vsfVelProfile_->SetRow(2);
        mnSegmentLastRow = 2;
    }
}

void frmProfile::mSubFillSegmentTable(bool bComputed)
{
    using namespace profile_layout;
    mSubInitSegmentTable(kSegmentTableRows);
    const int16_t axis = AxisId();
    for (int16_t s = 0; s < kShownSegments; ++s) {
        for (int16_t f = 0; f < kFieldsPerSegment; ++f) {
            ParamRec field;
            SubGetProfileSegmentParameter(axis, s, f, field);
            const int row = SegmentRow(s, f);
            vsfVelProfile_->SetTextMatrix(row, 1, Text(field.TextID));
            if (f == SegmentParam::LoadWeightApplied) {
                const QString flag = QString::fromStdString(field.Data == 1.0 ? gsTextYes : gsTextNo);
                vsfVelProfile_->SetTextMatrix(row, 2, flag);
                vsfVelProfile_->SetTextMatrix(row, 3, flag);
            } else {
                vsfVelProfile_->SetTextMatrix(row, 2, Number(field.Data));
                vsfVelProfile_->SetNumberCell(row, 2, SegmentKeyRule(f));
                if (!bComputed)
                    vsfVelProfile_->SetTextMatrix(row, 3, "0");
            }
            vsfVelProfile_->SetTextMatrix(row, 4, QString::fromStdString(field.UnitText));
        }
        vsfVelProfile_->SetTextMatrix(SegmentRow(s, 0), 0, QString::number(s + 1));
    }
    if (bComputed)
        mSubFillCalculatedColumn();
    mnSegmentRowCount = kSegmentTableRows;
}

void frmProfile::mSubFillCalculatedColumn()
{
    using namespace profile_layout;
    const int16_t axis = AxisId();
    ProfileTable table;
    nFctBuildVelocityProfile(axis, -1, table, model::kFalse);
    const int16_t n = std::min<int16_t>(nFctGetSegmentCount(axis), kShownSegments);
    for (int16_t i = 0; i < n; ++i)
        for (int16_t j = 0; j < calc::kProfileValuesPerSegment; ++j) {
            const size_t k = static_cast<size_t>(calc::kProfileValuesPerSegment * i + j);
            vsfVelProfile_->SetTextMatrix(SegmentRow(i, j), 3, Number(k < table.size() ? table[k] : 0.0));
        }
}

void frmProfile::mSubRefreshSegmentValues()
{
    if (nFctGetSegmentCount(AxisId()) == 0)
        return;
    mSubFillCalculatedColumn();
    mSubDisplayVelocityGraph(0);
    mSubDisplayTorqueGraph(0);
}

bool frmProfile::bFctIsYes(const QString& text)
{
    const QString upper = text.toUpper();
    return upper == QString::fromStdString(gsTextY).toUpper() ||
           upper == QString::fromStdString(gsTextYes).toUpper() || text == "1";
}

QString frmProfile::SegmentTableText(int row, int col) const
{
    return vsfVelProfile_->TextMatrix(row, col);
}

double frmProfile::SegmentGraphValue(int16_t segment, int16_t field) const
{
    // The graph takes the shown value as a single-precision number.
    const QString text = SegmentTableText(profile_layout::SegmentRow(segment, field), 3);
    return static_cast<float>(dFctTextToDouble(text.toStdString()));
}
