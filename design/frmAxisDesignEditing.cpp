// Editing in the parameter grids of the axis design window: which cells
// open, the key filter of value cells, storing a value or a unit change into
// the axis at once, manufacturer and product key, and the walk of Enter,
// clicks and focus through the rows. One family of handlers serves the five
// grids; the members differ where DesignGrid says so.
#include "design/frmAxisDesign.h"

#include "foundation/ClsMessageSystem.h"
#include "foundation/basDatabaseAccess.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisRequirements.h"
#include "model/basMechanismChain.h"
#include "model/basValueConversion.h"
#include "platform/qt/FlexGrid.h"
#include "shell/MDIMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>

using platform::FlexGrid;

namespace {

constexpr int16_t kUnitChangeRefused = 2002;
// Unit types of a velocity or acceleration of either kind, and of each kind.
constexpr int16_t kVelocityType = 4, kAccelerationType = 7;
constexpr int16_t kRotaryVelocityType = 5, kLinearVelocityType = 6;
constexpr int16_t kRotaryAccelerationType = 8, kLinearAccelerationType = 9;
constexpr QChar kBackspace(8);

bool IsInfo(DesignGrid kind)
{
    return kind == DesignGrid::MechInfo || kind == DesignGrid::MotorInfo;
}

// The value column (the text column of an info grid) and the unit column
// (-1 for none) of a grid.
int ValueColumn(DesignGrid kind)
{
    return kind == DesignGrid::Load || kind == DesignGrid::Mechanism ? 2 : 1;
}

int UnitColumn(DesignGrid kind)
{
    return IsInfo(kind) ? -1 : ValueColumn(kind) + 1;
}

// The positions in the unit list of the units a parameter may take.
std::vector<int16_t> UnitChoices(const ParamRec& entry)
{
    std::vector<int16_t> positions;
    nFctGetUnitsOfType(entry.UnitType, positions);
    return positions;
}

QString Std(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

// ---- The family's members ----------------------------------------------------------

FlexGrid* frmAxisDesign::GridOf(DesignGrid kind) const
{
    switch (kind) {
    case DesignGrid::Load: return vsfLoad;
    case DesignGrid::Mechanism: return vsfMechanism;
    case DesignGrid::Motor: return vsfMotor;
    case DesignGrid::MechInfo: return vsfMechInfo;
    case DesignGrid::MotorInfo: return vsfMotorInfo;
    }
    return nullptr;
}

int16_t frmAxisDesign::mnFctRowCount(DesignGrid kind) const
{
    switch (kind) {
    case DesignGrid::Load: return mnLoadDataRows;
    case DesignGrid::Mechanism: return mnMechanismDataRows;
    case DesignGrid::Motor: return mnMotorDataRows;
    default: return 2;
    }
}

bool& frmAxisDesign::FirstKeyFlag(DesignGrid kind)
{
    return kind == DesignGrid::Load ? mbLoadFirstKey : kind == DesignGrid::Mechanism ? mbMechFirstKey : mbMotorFirstKey;
}

void frmAxisDesign::mSubConnectGridEvents()
{
    for (DesignGrid kind : {DesignGrid::Load, DesignGrid::Mechanism, DesignGrid::Motor, DesignGrid::MechInfo,
                            DesignGrid::MotorInfo}) {
        FlexGrid* grid = GridOf(kind);
        connect(grid, &FlexGrid::BeforeEdit, this,
                [this, kind](int row, int col, bool& cancel) { Grid_BeforeEdit(kind, row, col, cancel); });
        connect(grid, &FlexGrid::AfterEdit, this, [this, kind](int row, int col) { Grid_AfterEdit(kind, row, col); });
        connect(grid, &FlexGrid::KeyDownEdit, this,
                [this, kind](int, int col, int& key, Qt::KeyboardModifiers) { Grid_KeyDownEdit(kind, col, key); });
        connect(grid, &FlexGrid::KeyPress, this, [this, kind](QChar& key) { Grid_KeyPress(kind, key); });
        connect(grid, &FlexGrid::Click, this, [this, kind] { Grid_Click(kind); });
        connect(grid, &FlexGrid::RowColChange, this, [this, kind] { Grid_RowColChange(kind); });
        connect(grid, &FlexGrid::GotFocus, this, [this, kind] { Grid_GotFocus(kind); });
        connect(grid, &FlexGrid::LostFocus, this, [this, kind] { Grid_LostFocus(kind); });
        if (IsInfo(kind)) {
            // Manufacturer and product key: free text, one line of it.
            connect(grid, &FlexGrid::PasteEdit, this, [grid](int, int, QString& text, bool& cancel) {
                cancel = !bFctTakesFreeText(grid, text);
            });
            continue;
        }
        connect(grid, &FlexGrid::KeyPressEdit, this, [this, kind](int, int col, QChar& key) {
            if (key != kBackspace && !mbFctTakeValueKeys(kind, col, QString(key)))
                key = QChar();
        });
        connect(grid, &FlexGrid::PasteEdit, this, [this, kind](int, int col, QString& text, bool& cancel) {
            cancel = !mbFctTakePastedValue(kind, col, text);
        });
        connect(grid, &FlexGrid::ValidateEdit, this,
                [this, kind](int row, int col, bool& cancel) { Grid_ValidateEdit(kind, row, col, cancel); });
    }
}

// The entry shown in a row: of the load, of the mechanism of the edit in
// progress, or of the motor.
bool frmAxisDesign::mbFctReadEditedEntry(DesignGrid kind, int row, ParamRec& entry) const
{
    const int16_t axis = AxisId();
    const auto index = static_cast<int16_t>(row - 1);
    switch (kind) {
    case DesignGrid::Load:
        return nFctGetLoadParameter(axis, index, entry) != 0;
    case DesignGrid::Mechanism: {
        MechRec mechanism;
        const int16_t count = nFctGetMechanism(axis, mnFctFindElementPosition(mnMechEditElement), mechanism);
        if (index < 0 || index >= count)
            return false;
        entry = mechanism.MechanismData[static_cast<size_t>(index)];
        return true;
    }
    case DesignGrid::Motor:
        return nFctGetMotorParameter(axis, index, entry) != 0;
    default:
        return false;
    }
}

// ---- Opening a cell --------------------------------------------------------------------

void frmAxisDesign::Grid_BeforeEdit(DesignGrid kind, int row, int col, bool& cancel)
{
    cancel = true;
    if (IsInfo(kind)) {
        if (col != 1 || (kind == DesignGrid::MechInfo && mnSelectedPicture == -1))
            return;
        if (kind == DesignGrid::MechInfo) {
            mnInfoEditElement = mnSelectedPicture;
            mlInfoEditRow = row;
        }
        cancel = false;
        return;
    }
    const bool valueCell = col == ValueColumn(kind);
    if (row < 1 || row > mnFctRowCount(kind) || (!valueCell && col != UnitColumn(kind)))
        return;
    if (kind == DesignGrid::Mechanism) {
        if (mnSelectedPicture == -1)
            return;
        mnMechEditElement = mnSelectedPicture;
        mlMechEditRow = row;
    } else if (kind == DesignGrid::Motor) {
        mlMotorEditRow = row;
    }
    ParamRec entry;
    if (!mbFctReadEditedEntry(kind, row, entry))
        return;
    FlexGrid* grid = GridOf(kind);
    if (valueCell) {
        grid->SetComboList(row, col, QString());
        FirstKeyFlag(kind) = true;
        cancel = false;
        return;
    }
    const std::vector<int16_t> choices = UnitChoices(entry);
    if (choices.size() < 2)
        return;  // nothing to choose from
    QStringList texts;
    for (int16_t position : choices)
        texts << Std(gUnitList[static_cast<size_t>(position)].Text);
    grid->SetComboList(row, col, texts.join('|'));
    cancel = false;
}

// ---- Keys ----------------------------------------------------------------------------------

// Keys typed into a value cell: those of a number text; the first of them
// replaces the old text (Backspace, let through by the caller, edits it);
// a minus sign of the value is refused, so no value entered here is
// negative (that of a power of ten is no such sign). Other cells take any
// key.
bool frmAxisDesign::mbFctTakeValueKeys(DesignGrid kind, int col, const QString& keys)
{
    return col != ValueColumn(kind) || bFctTakesTypedKey(GridOf(kind), FirstKeyFlag(kind), keys, {});
}

// Text pasted into a value cell (text: the whole text the editor would
// hold), by the same rule as a whole; a refusal says why.
bool frmAxisDesign::mbFctTakePastedValue(DesignGrid kind, int col, QString& text)
{
    if (col != ValueColumn(kind))
        return true;
    return bFctTakesPastedNumber(GridOf(kind), FirstKeyFlag(kind), text, {});
}

void frmAxisDesign::Grid_KeyDownEdit(DesignGrid kind, int, int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        mSubWalkToNextRow(kind, true);
}

void frmAxisDesign::Grid_KeyPress(DesignGrid kind, QChar key)
{
    if (key == '\r')
        mSubWalkToNextRow(kind, false);
}

// Enter: down the parameter rows, from the last one back to row 1 (the
// motor grid then goes on to its info grid); an edit in the unit column
// goes on in the value column. The info grids pass on to their parameter
// grid after their last row.
void frmAxisDesign::mSubWalkToNextRow(DesignGrid kind, bool inEditor)
{
    FlexGrid* grid = GridOf(kind);
    const int row = grid->Row();
    const int count = mnFctRowCount(kind);
    int col = grid->Col();
    if (col == UnitColumn(kind))
        col = ValueColumn(kind);
    const auto passTo = [](FlexGrid* next, int nextRow) {
        next->setFocus();
        next->SetRow(nextRow);
    };
    switch (kind) {
    case DesignGrid::MechInfo:
    case DesignGrid::MotorInfo:
        if (row < count - 1)
            grid->SetRow(row + 1);
        else if (kind == DesignGrid::MechInfo)
            passTo(vsfMechanism, 1);
        else if (!inEditor)
            passTo(vsfMotor, 1);
        return;
    case DesignGrid::Motor:
        if (row >= count) {
            passTo(vsfMotorInfo, 0);
            return;
        }
        break;
    default:
        if (row >= count) {
            grid->SetTopRow(1);
            grid->SetRowCol(1, col);
            return;
        }
    }
    // The next row, scrolled into view.
    const int next = std::max(row + 1, 1);
    if (next >= grid->BottomRow())
        grid->SetTopRow(grid->TopRow() + 1);
    grid->SetRowCol(next, col);
}

// ---- Mouse and focus -------------------------------------------------------------------

// Where a grid may not take the focus: the mechanism grid without a
// selected mechanism hands it to the load grid (focus) or the load choice
// (click). (The header row is never current here, so the load grid keeps
// the focus it gets.)
bool frmAxisDesign::mbFctFocusRuleMoved(DesignGrid kind, bool byClick)
{
    if (kind == DesignGrid::Mechanism && mnSelectedPicture == -1) {
        if (byClick)
            cboLoad->setFocus();
        else
            vsfLoad->setFocus();
        return true;
    }
    return false;
}

void frmAxisDesign::Grid_Click(DesignGrid kind)
{
    if (mbFctFocusRuleMoved(kind, true))
        return;
    FlexGrid* grid = GridOf(kind);
    const int row = grid->Row();
    const int col = grid->Col();
    const int count = mnFctRowCount(kind);
    if (row < 0)
        return;
    if (!IsInfo(kind) && row > count) {
        grid->SetRow(count > 0 ? count : -1);
        return;
    }
    if (!IsInfo(kind) && vseListBox->isAncestorOf(QApplication::focusWidget()))
        return;  // the click opened the row's list, which has the focus
    const bool editable = IsInfo(kind) ? col == 1 : kind == DesignGrid::Motor ? col != 0 : col >= ValueColumn(kind);
    if (editable)
        grid->EditCell();
}

void frmAxisDesign::Grid_RowColChange(DesignGrid kind)
{
    FlexGrid* grid = GridOf(kind);
    if (mbGridMoving || grid->Row() < 0)
        return;
    const int row = grid->Row();
    const int col = grid->Col();
    const int count = mnFctRowCount(kind);
    int newRow = row;
    int newCol = col;
    if (IsInfo(kind)) {
        newCol = 1;
    } else {
        if (kind != DesignGrid::Motor) {
            if (col == 0 && row <= count)
                mSubShowDataListBox(kind, row, true);
            else
                mSubHideListPanel();
        }
        newCol = std::max(col, ValueColumn(kind));
        if (row > count)
            newRow = count > 0 ? count : -1;
    }
    if (newRow == row && newCol == col)
        return;
    mSubMoveQuietly(grid, newRow, newCol);
}

void frmAxisDesign::Grid_GotFocus(DesignGrid kind)
{
    if (mbFctFocusRuleMoved(kind, false))
        return;
    FlexGrid* grid = GridOf(kind);
    if (grid->Col() < ValueColumn(kind)) {
        mSubMoveQuietly(grid, grid->Row(), ValueColumn(kind));
    }
}

void frmAxisDesign::Grid_LostFocus(DesignGrid kind)
{
    if (kind == DesignGrid::MotorInfo)
        return;  // keeps its row
    FlexGrid* grid = GridOf(kind);
    const int col = grid->Col() == UnitColumn(kind) ? ValueColumn(kind) : grid->Col();
    mSubMoveQuietly(grid, -1, col);
}

// ---- Storing ---------------------------------------------------------------------------------

void frmAxisDesign::Grid_AfterEdit(DesignGrid kind, int row, int col)
{
    if (col != ValueColumn(kind))
        return;
    FlexGrid* grid = GridOf(kind);
    if (IsInfo(kind)) {
        const int infoRow = kind == DesignGrid::MechInfo ? mlInfoEditRow : row;
        mSubStoreInfoText(kind, infoRow, grid->TextMatrix(infoRow, col));
        return;
    }
    const int editRow = kind == DesignGrid::Mechanism ? mlMechEditRow : kind == DesignGrid::Motor ? mlMotorEditRow : row;
    mSubStoreValueText(kind, editRow, grid->TextMatrix(editRow, col));
}

// A typed or picked value into the entry of the row, shown formatted. The
// mechanism is the one of the edit in progress (mnMechEditElement); its
// cell is rewritten only while the grid still shows that mechanism.
void frmAxisDesign::mSubStoreValueText(DesignGrid kind, int row, const QString& text)
{
    mSubStoreValue(kind, row, dFctTextToDouble(text.toStdString()));
}

void frmAxisDesign::mSubStoreValue(DesignGrid kind, int row, double value)
{
    const int16_t axis = AxisId();
    const auto index = static_cast<int16_t>(row - 1);
    switch (kind) {
    case DesignGrid::Load:
        if (!nFctSetLoadParameterValue(axis, index, value))
            return;  // no such entry (a pick for a load that is gone)
        break;
    case DesignGrid::Mechanism:
        SubSetMechanismParameterValue(axis, mnFctFindElementPosition(mnMechEditElement), index, value);
        if (mnMechEditElement != mnSelectedPicture)
            return;
        break;
    case DesignGrid::Motor:
        SubSetMotorParameterValue(axis, index, value);
        break;
    default:
        return;
    }
    GridOf(kind)->SetTextMatrix(row, ValueColumn(kind), Std(sFctFormatNumber(value)));
}

// Manufacturer (row 0) or product key (row 1), shown as stored (trimmed).
void frmAxisDesign::mSubStoreInfoText(DesignGrid kind, int row, const QString& text)
{
    const int16_t axis = AxisId();
    const std::string typed = text.toStdString();
    std::string stored;
    if (kind == DesignGrid::MechInfo) {
        const int16_t position = mnFctFindElementPosition(mnInfoEditElement);
        if (row == 0)
            SubSetMechanismManufacturer(axis, position, typed);
        else
            SubSetMechanismProductKey(axis, position, typed);
        if (mnInfoEditElement != mnSelectedPicture)
            return;
        stored = row == 0 ? sFctGetMechanismManufacturer(axis, position) : sFctGetMechanismProductKey(axis, position);
    } else {
        if (row == 0)
            SubSetMotorManufacturer(axis, typed);
        else
            SubSetMotorProductKey(axis, typed);
        stored = row == 0 ? sFctGetMotorManufacturer(axis) : sFctGetMotorProductKey(axis);
    }
    GridOf(kind)->SetTextMatrix(row, 1, Std(stored));
}

// A value the display cannot show is refused: the cell keeps its value.
// A unit chosen in the unit cell: the value converted into it and stored;
// the row shows the stored value and unit, the old ones after a refusal.
void frmAxisDesign::Grid_ValidateEdit(DesignGrid kind, int row, int col, bool& cancel)
{
    if (col == ValueColumn(kind))
        cancel = !bFctTakesEditedNumber(GridOf(kind), row, col);
    if (col != UnitColumn(kind))
        return;
    FlexGrid* grid = GridOf(kind);
    const int editRow = kind == DesignGrid::Mechanism ? mlMechEditRow : kind == DesignGrid::Motor ? mlMotorEditRow : row;
    ParamRec entry;
    if (!mbFctReadEditedEntry(kind, editRow, entry))
        return;
    const std::vector<int16_t> choices = UnitChoices(entry);
    const std::string chosen = grid->EditText().toStdString();
    const auto found = std::find_if(choices.begin(), choices.end(), [&chosen](int16_t position) {
        return gUnitList[static_cast<size_t>(position)].Text == chosen;
    });
    if (found == choices.end())
        return;
    mSubStoreConvertedEntry(kind, editRow, entry, gUnitList[static_cast<size_t>(*found)].ID);
    if (kind == DesignGrid::Mechanism && mnMechEditElement != mnSelectedPicture)
        return;
    grid->SetTextMatrix(editRow, ValueColumn(kind), Std(sFctFormatNumber(entry.Data)));
    grid->SetTextMatrix(editRow, col, Std(entry.UnitText));
    grid->SetEditText(Std(entry.UnitText));
}

void frmAxisDesign::mSubStoreConvertedEntry(DesignGrid kind, int row, ParamRec& entry, int16_t newUnit)
{
    const int16_t axis = AxisId();
    const auto index = static_cast<int16_t>(row - 1);
    if (kind == DesignGrid::Load) {
        SubConvertValueToUnit(entry, newUnit);
        nFctSetLoadParameter(axis, index, entry);
        return;
    }
    if (kind == DesignGrid::Motor) {
        SubConvertValueToUnit(entry, newUnit);
        nFctSetMotorParameter(axis, index, entry);
        return;
    }
    const int16_t position = mnFctFindElementPosition(mnMechEditElement);
    MechRec mechanism;
    nFctGetMechanism(axis, position, mechanism);
    ParamRec& stored = mechanism.MechanismData[static_cast<size_t>(index)];
    const int16_t oldUnit = stored.UnitID;
    const bool speedOrAcceleration = stored.UnitType == kVelocityType || stored.UnitType == kAccelerationType;
    const bool acrossKinds = (bFctIsLinearUnit(oldUnit) && bFctIsRotaryUnit(newUnit)) ||
                             (bFctIsRotaryUnit(oldUnit) && bFctIsLinearUnit(newUnit));
    if (bFctIsLinearMechanismType(mechanism.Identifier) && speedOrAcceleration && acrossKinds) {
        double travel = 0.0;
        int16_t travelUnit = -1;
        nFctGetRevsPerTravel(mechanism, travel, travelUnit, model::kFalse);
        if (travel <= 0.0) {
            SubPrepareCatalogueMessage(*gMsg, kUnitChangeRefused);
            const int16_t extra = nFctUnitChangeRefusalExtraTextId(mechanism.Identifier, true);
            gMsg->sExtraText = extra ? sFctGetText(extra) : std::string();
            gMsg->nFctDisplay();
        } else {
            // The conversions go by the linear or rotary kind of the type.
            const int16_t type = stored.UnitType;
            const bool velocity = type == kVelocityType;
            if (bFctIsRotaryUnit(oldUnit)) {
                stored.UnitType = velocity ? kRotaryVelocityType : kRotaryAccelerationType;
                SubConvertParamToLinear(stored, newUnit, travel, travelUnit);
            } else {
                stored.UnitType = velocity ? kLinearVelocityType : kLinearAccelerationType;
                SubConvertParamToRotary(stored, newUnit, travel, travelUnit);
            }
            stored.UnitType = type;
        }
    } else {
        SubConvertValueToUnit(stored, newUnit);
    }
    nFctSetMechanism(axis, position, mechanism);
    entry = stored;
}
