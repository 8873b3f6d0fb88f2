// Editing the velocity profile window's two grids: which cells open, the
// key filter, where Enter and the cursor go, and what a finished edit
// stores in the axis.
#include "profile/frmProfile.h"

#include "foundation/ClsMessageSystem.h"
#include "foundation/basDatabaseAccess.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basValueConversion.h"
#include "platform/qt/FlexGrid.h"
#include "shell/Main.h"
#include "profile/frmProfileLayout.h"

#include <QComboBox>

using profile_layout::FieldOfRow;
using profile_layout::SegmentOfRow;
using profile_layout::SegmentRow;

namespace {

const QColor kFocusBackColor(224, 224, 224);
const QColor kFocusForeColor(0, 0, 128);

QString Number(double value)
{
    return QString::fromStdString(sFctFormatNumber(value));
}

double Value(const QString& text)
{
    return dFctTextToDouble(text.toStdString());
}

bool IsInitialVelocityRow(int row)
{
    return FieldOfRow(row) == SegmentParam::InitialVelocity;
}

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

constexpr QChar kBackspace(8);

} // namespace

void frmProfile::ConnectGridEvents()
{
    using platform::FlexGrid;
    vsfQuickSetup_->SetFocusSelectionColors(kFocusBackColor, kFocusForeColor);
    vsfVelProfile_->SetFocusSelectionColors(kFocusBackColor, kFocusForeColor);

    // ---- Quick setup
    FlexGrid* quick = vsfQuickSetup_;
    connect(quick, &FlexGrid::BeforeEdit, this,
            [this](int row, int col, bool& cancel) { cancel = !vsfQuickSetup_BeforeEdit(row, col); });
    connect(quick, &FlexGrid::Click, this, [this, quick] {
        if (quick->Row() > mnQuickSetupRowCount)
            quick->SetRow(mnQuickSetupRowCount);
        else if (quick->Col() == 1 || quick->Col() == 3)
            quick->EditCell();
    });
    auto keepQuickCursor = [this, quick] {
        if (quick->Col() == 0 || quick->Col() == 2)
            quick->SetCol(1);
        if (quick->Row() > mnQuickSetupRowCount && mnQuickSetupRowCount > 0)
            quick->SetRow(mnQuickSetupRowCount);
    };
    connect(quick, &FlexGrid::GotFocus, this, [quick] {
        if (quick->Col() == 0 || quick->Col() == 2)
            quick->SetCol(1);
        if (quick->Row() <= 0)
            quick->SetRow(1);
    });
    connect(quick, &FlexGrid::LostFocus, this, [quick] {
        if (quick->Col() == 3)
            quick->SetCol(1);
    });
    connect(quick, &FlexGrid::RowColChange, this, keepQuickCursor);
    auto quickEnter = [this, quick] {
        quick->SetRow(quick->Row() < mnQuickSetupRowCount ? quick->Row() + 1 : 1);
    };
    connect(quick, &FlexGrid::KeyPress, this, [quickEnter](QChar& key) {
        if (key == '\r')
            quickEnter();
    });
    connect(quick, &FlexGrid::KeyDownEdit, this,
            [quickEnter](int, int, int& key, Qt::KeyboardModifiers) {
                if (IsEnter(key))
                    quickEnter();
            });
    // The Data Entry cells are number cells: the grid holds their keys,
    // pastes and edits to the rule set when the table was filled.
    connect(quick, &FlexGrid::ValidateEdit, this, [this, quick](int row, int col, bool&) {
        if (col == 3)
            vsfQuickSetup_ValidateEdit(row, quick->EditText());
    });
    connect(quick, &FlexGrid::AfterEdit, this, [this](int row, int col) { vsfQuickSetup_AfterEdit(row, col); });

    // ---- Segment table
    FlexGrid* table = vsfVelProfile_;
    connect(table, &FlexGrid::BeforeEdit, this,
            [this](int row, int col, bool& cancel) { cancel = !vsfVelProfile_BeforeEdit(row, col); });
    connect(table, &FlexGrid::Click, this, [this, table] {
        if (table->Row() > mnSegmentRowCount)
            table->SetRow(mnSegmentRowCount);
        else if (table->Col() == 2)
            table->EditCell();
    });
    connect(table, &FlexGrid::GotFocus, this, [table] {
        if (table->Col() != 2)
            table->SetCol(2);
        if (table->Row() >= 1 && IsInitialVelocityRow(table->Row()))
            table->SetRow(table->Row() + 1);
    });
    connect(table, &FlexGrid::RowColChange, this, [this] { vsfVelProfile_RowColChange(); });
    // Enter moves down, scrolling the new row into view.
    auto segmentDown = [this, table] {
        table->SetRow(table->Row() + 1);
        if (table->Row() > table->BottomRow() - 1)
            table->SetTopRow(table->TopRow() + 1);
    };
    connect(table, &FlexGrid::KeyPress, this, [this, table, segmentDown](QChar& key) {
        if (key != '\r')
            return;
        if (table->Row() < mnSegmentRowCount) {
            segmentDown();
        } else {
            table->SetRow(1);
            table->SetTopRow(1);
        }
    });
    connect(table, &FlexGrid::KeyDownEdit, this,
            [this, segmentDown](int row, int, int& key, Qt::KeyboardModifiers) {
                if (IsEnter(key) && row < mnSegmentRowCount)
                    segmentDown();
            });
    connect(table, &FlexGrid::KeyPressEdit, this,
            [this](int row, int, QChar& key) { vsfVelProfile_KeyPressEdit(row, QString(key)); });
    connect(table, &FlexGrid::PasteEdit, this,
            [this](int row, int, QString& text, bool&) { vsfVelProfile_PasteEdit(row, text); });
    connect(table, &FlexGrid::AfterEdit, this, [this](int row, int col) { vsfVelProfile_AfterEdit(row, col); });
}

// ---- Opening a cell ---------------------------------------------------------------

bool frmProfile::vsfQuickSetup_BeforeEdit(int row, int col)
{
    if (row > mnQuickSetupRowCount || row < 1)
        return false;
    if (col == 1) {
        vsfQuickSetup_->SetComboList(row, col, QString());
        return true;
    }
    if (col == 3) {
        const QString units = sFctUnitComboList(row);
        vsfQuickSetup_->SetComboList(row, col, units);
        return units.split('|', Qt::SkipEmptyParts).size() >= 2;
    }
    return false;
}

bool frmProfile::vsfVelProfile_BeforeEdit(int row, int col)
{
    if (row > mnSegmentRowCount || row < 1 || col != 2)
        return false;
    // Rows of segments the axis does not hold take no value: it could not
    // be stored.
    if (SegmentOfRow(row) >= nFctGetSegmentCount(AxisId()))
        return false;
    mbSegmentFirstKey = true;
    return true;
}

// ---- Keys in the editor ---------------------------------------------------------------

// Keys typed into a load flag cell, Backspace included (the other segment
// fields are number cells, which the grid holds to their rule): any key
// goes in, and the flag beside it reads the text typed so far.
void frmProfile::vsfVelProfile_KeyPressEdit(int row, const QString& keys)
{
    if (FieldOfRow(row) != SegmentParam::LoadWeightApplied)
        return;
    if (mbSegmentFirstKey) {
        vsfVelProfile_->SetEditText(QString());
        mbSegmentFirstKey = false;
    }
    QString typed = vsfVelProfile_->EditText();
    if (keys != kBackspace)
        typed += keys;
    else if (!typed.isEmpty())
        typed.chop(1);
    mSubShowLoadFlagOf(row, typed);
}

// Text pasted into a load flag cell: text is the whole text the editor
// would hold. Any text goes in.
void frmProfile::vsfVelProfile_PasteEdit(int row, QString& text)
{
    if (FieldOfRow(row) != SegmentParam::LoadWeightApplied)
        return;
    // Where it replaces the old text, the flag reads it alone.
    if (mbSegmentFirstKey) {
        text = vsfVelProfile_->PastedText();
        mbSegmentFirstKey = false;
    }
    mSubShowLoadFlagOf(row, text);
}

// The flag beside a load flag cell, as the text typed into it reads.
void frmProfile::mSubShowLoadFlagOf(int row, const QString& typed)
{
    const QString flag = QString::fromStdString(bFctIsYes(typed) ? gsTextYes : gsTextNo);
    vsfVelProfile_->SetTextMatrix(row, 3, flag);
}

// ---- Cursor of the segment table -------------------------------------------------------

void frmProfile::vsfVelProfile_RowColChange()
{
    if (IsFirstActivation())
        return;
    platform::FlexGrid* table = vsfVelProfile_;
    if (table->Col() != 2) {
        table->SetCol(2);
    } else if (table->Row() > mnSegmentRowCount) {
        table->SetRow(mnSegmentRowCount);
    } else if (table->Row() == 1) {
        table->SetRow(2);
    } else if (table->Row() > 1 && IsInitialVelocityRow(table->Row())) {
        // The initial velocity follows the segment before: step over it in
        // the direction of travel.
        const int row = table->Row();
        if (mnSegmentLastRow >= row) {
            if (row == table->TopRow())
                table->SetTopRow(table->TopRow() - 1);
            table->SetRow(row - 1);
        } else {
            if (row == table->BottomRow())
                table->SetTopRow(table->TopRow() + 1);
            table->SetRow(row + 1);
        }
    }
    mnSegmentLastRow = table->Row();
}

// ---- Finished edits ------------------------------------------------------------------

void frmProfile::vsfQuickSetup_AfterEdit(int row, int col)
{
    if (col != 1)
        return;
    const int16_t axis = AxisId();
    const double v = Value(vsfQuickSetup_->TextMatrix(row, 1));
    nFctSetQuickSetupParameterValue(axis, static_cast<int16_t>(row - 1), v);
    vsfQuickSetup_->SetTextMatrix(row, 1, Number(v));
    if (cboProfileMode_->currentIndex() == QuickSetupMode::Trapezoidal) {
        // An acceleration or deceleration time is mirrored into its partner
        // while the partner is 0.
        const int accelRow = QuickSetupSlot::AccelTime + 1;
        const int decelRow = QuickSetupSlot::DecelTime + 1;
        const int partner = row == accelRow ? decelRow : row == decelRow ? accelRow : 0;
        if (partner != 0 && Value(vsfQuickSetup_->TextMatrix(partner, 1)) == 0.0) {
            vsfQuickSetup_->SetTextMatrix(partner, 1, vsfQuickSetup_->TextMatrix(row, 1));
            nFctSetQuickSetupParameterValue(axis, static_cast<int16_t>(partner - 1), v);
        }
    }
    mSubCalcQuickSetup(false);
}

void frmProfile::vsfQuickSetup_ValidateEdit(int row, const QString& unitName)
{
    const int16_t axis = AxisId();
    const auto selector = static_cast<int16_t>(row - 1);
    ParamRec entry;
    if (!nFctGetQuickSetupParameter(axis, selector, entry))
        return;
    const int16_t motionMode = nFctGetMotionMode(axis);
    const QStringList names = sFctUnitComboList(row).split('|');
    const qsizetype position = names.indexOf(unitName);
    if (position >= 0 && position < static_cast<qsizetype>(mnUnitPositions.size())) {
        const int16_t newUnit = gUnitList[static_cast<size_t>(mnUnitPositions[static_cast<size_t>(position)])].ID;
        const int16_t oldUnit = entry.UnitID;
        const int16_t generalType = entry.UnitType;
        const bool crossing = bFctIsLinearMechanismType(nFctGetLastMechanismType(axis)) &&
                              (generalType == 4 || generalType == 7) &&
                              (bFctIsLinearUnit(newUnit) || bFctIsLinearUnit(oldUnit)) &&
                              (bFctIsRotaryUnit(newUnit) || bFctIsRotaryUnit(oldUnit));
        if (crossing) {
            double travel = -1.0;
            int16_t travelUnit = 0;
            nFctGetAxisRevsPerTravel(axis, travel, travelUnit, 0);
            if (!(travel > 0.0)) {
                SubPrepareCatalogueMessage(*gMsg, 2002);
                const int16_t extra =
                    nFctUnitChangeRefusalExtraTextId(nFctGetLastMechanismType(axis), false);
                gMsg->sExtraText = extra != 0 ? sFctGetText(extra) : std::string();
                gMsg->nFctDisplay();
            } else if (bFctIsRotaryUnit(oldUnit)) {
                entry.UnitType = generalType == 4 ? 5 : 8;
                SubConvertParamToLinear(entry, newUnit, travel, travelUnit);
            } else {
                entry.UnitType = generalType == 4 ? 6 : 9;
                SubConvertParamToRotary(entry, newUnit, travel, travelUnit);
            }
        } else {
            entry.UnitType = profile_layout::UnitListType(generalType, motionMode);
            SubConvertValueToUnit(entry, newUnit);
        }
        entry.UnitType = generalType;
    }
    SubSetQuickSetupParameter(axis, selector, entry);
    vsfQuickSetup_->SetTextMatrix(row, 1, Number(entry.Data));
    // What the cell takes when the edit closes.
    vsfQuickSetup_->SetEditText(QString::fromStdString(entry.UnitText));
    vsfQuickSetup_->SetTextMatrix(row, 3, QString::fromStdString(entry.UnitText));
    mSubCalcQuickSetup(false);
}

void frmProfile::vsfVelProfile_AfterEdit(int row, int col)
{
    if (col != 2)
        return;
    const int16_t axis = AxisId();
    const int16_t s = SegmentOfRow(row);
    const int16_t f = FieldOfRow(row);
    if (f == SegmentParam::LoadWeightApplied) {
        const bool yes = bFctIsYes(vsfVelProfile_->TextMatrix(row, 2));
        const QString flag = QString::fromStdString(yes ? gsTextYes : gsTextNo);
        vsfVelProfile_->SetTextMatrix(row, 2, flag);
        vsfVelProfile_->SetTextMatrix(row, 3, flag);
        nFctSetProfileSegmentValue(axis, s, SegmentParam::LoadWeightApplied, yes ? 1.0 : 0.0);
    } else {
        const double v = Value(vsfVelProfile_->TextMatrix(row, 2));
        vsfVelProfile_->SetTextMatrix(row, 2, Number(v));
        const int16_t n = nFctGetSegmentCount(axis);
        const bool hasNext = s < n - 1;
        const int nextInitialRow = SegmentRow(s + 1, SegmentParam::InitialVelocity);
        if (f == SegmentParam::FinalVelocity && hasNext) {
            // The entered final velocity is where the next segment starts.
            vsfVelProfile_->SetTextMatrix(nextInitialRow, 2, Number(v));
            nFctSetProfileSegmentValue(axis, s + 1, SegmentParam::InitialVelocity, v);
        }
        nFctSetProfileSegmentValue(axis, s, f, v);
        ProfileTable table;
        nFctBuildVelocityProfile(axis, s, table, model::kFalse);
        table.resize(calc::kProfileValuesPerSegment, 0.0);
        const double solvedFinal = table[calc::ProfileValue::FinalVelocity];
        if (solvedFinal != 0.0 && hasNext) {
            vsfVelProfile_->SetTextMatrix(nextInitialRow, 2, Number(solvedFinal));
            vsfVelProfile_->SetTextMatrix(nextInitialRow, 3, Number(solvedFinal));
            nFctSetProfileSegmentValue(axis, s + 1, SegmentParam::InitialVelocity, solvedFinal);
        }
        // The whole column, since a velocity handed on changes the next
        // segment too (and the velocity graph is drawn from the column).
        mSubFillCalculatedColumn();
        const int flagRow = SegmentRow(s, SegmentParam::LoadWeightApplied);
        vsfVelProfile_->SetTextMatrix(flagRow, 3, vsfVelProfile_->TextMatrix(flagRow, 2));
    }
    mSubDisplayVelocityGraph(0);
    mSubDisplayTorqueGraph(0);
}
