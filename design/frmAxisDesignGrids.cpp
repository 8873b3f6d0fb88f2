// The parameter grids of the axis design window: the motor, mechanism and
// load grids with their information grids, how they are laid out and filled
// from the axis, and the window's colours.
#include "design/frmAxisDesign.h"

#include "design/frmAxisDesignTools.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basWinAPICalls.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisRequirements.h"
#include "platform/qt/FlexGrid.h"
#include "shell/basWindowSlots.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

using axis_design::Text;
using platform::FlexGrid;

namespace {

constexpr int16_t kLoadCaption = 93, kMechanismCaption = 92, kMotorCaption = 94;
constexpr int16_t kLoadFormat = 293, kMechanismFormat = 241, kMotorFormat = 292;
constexpr int16_t kManufacturerText = 261, kProductKeyText = 262;
constexpr int32_t kMinimumColourCount = 257;

// A colour of the form red + 256 x green + 65536 x blue.
QColor ColourOf(int32_t rgb)
{
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// The title line at the top of a panel.
void SetPanelCaption(QFrame* panel, const QString& caption)
{
    const QString name = panel->objectName() + QStringLiteral("Caption");
    auto* label = panel->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    if (!label) {
        label = new QLabel(panel);
        label->setObjectName(name);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        if (auto* column = qobject_cast<QVBoxLayout*>(panel->layout()))
            column->insertWidget(0, label);
    }
    label->setText(caption);
}

void FillBackground(QWidget* widget, const QColor& colour, QPalette::ColorRole role = QPalette::Window)
{
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

} // namespace

// ---- Set-up ------------------------------------------------------------------------

void frmAxisDesign::mSubSetupInfoGrid(FlexGrid* grid)
{
    mbGridMoving = true;
    grid->SetFixedRows(0);
    grid->SetCols(2);
    grid->SetRows(2);
    grid->Clear();
    grid->SetStandardRowHeights();
    grid->setFixedHeight(2 * grid->RowHeightPixels() + 2 * grid->frameWidth());
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->SetColWidthFractions({0.30, 0.70});
    grid->SetRowCol(1, 1);
    mbGridMoving = false;
}

void frmAxisDesign::mSubSetupParameterGrid(FlexGrid* grid, QFrame* panel, int16_t captionId, int16_t formatId,
                                           const std::vector<double>& widths, int16_t rows)
{
    mbGridMoving = true;
    grid->Clear();
    SetPanelCaption(panel, Text(captionId));
    grid->SetStandardRowHeights();
    grid->SetFormatString(Text(formatId));
    grid->SetColWidthFractions(widths);
    SubSetGridScrollBars(grid, rows);
    const int valueColumn = grid == vsfMotor ? 1 : 2;
    grid->SetRowCol(1, valueColumn);
    grid->SetTopRow(1);
    mbGridMoving = false;
}

void frmAxisDesign::mSubSetupMotorGrid(int16_t rows)
{
    mSubSetupInfoGrid(vsfMotorInfo);
    mSubSetupParameterGrid(vsfMotor, vseMotor, kMotorCaption, kMotorFormat, {0.50, 0.25, 0.25}, rows);
    mnMotorDataRows = rows;
}

void frmAxisDesign::mSubSetupMechanismGrid(int16_t rows)
{
    mSubSetupInfoGrid(vsfMechInfo);
    mSubSetupParameterGrid(vsfMechanism, vseMechanism, kMechanismCaption, kMechanismFormat, {0.05, 0.50, 0.25},
                           rows);
    mnMechanismDataRows = rows;
}

void frmAxisDesign::mSubSetupLoadGrid(int16_t rows)
{
    mSubSetupParameterGrid(vsfLoad, vseLoad, kLoadCaption, kLoadFormat, {0.05, 0.45, 0.25, 0.25}, rows);
    mnLoadDataRows = rows;
}

// ---- Filling -------------------------------------------------------------------------

// Name, value and unit of an entry in the row, the value and unit in the
// colour of its Status. The value cell takes numbers without a minus sign
// of the value: no value entered here is negative.
void frmAxisDesign::mSubWriteParameterRow(FlexGrid* grid, int row, const ParamRec& entry)
{
    const int name = grid == vsfMotor ? 0 : 1;
    grid->SetTextMatrix(row, name, QString::fromStdString(sFctGetText(entry.TextID)));
    grid->SetTextMatrix(row, name + 1, QString::fromStdString(sFctFormatNumber(entry.Data)));
    grid->SetNumberCell(row, name + 1, NumberKeyRule{});
    grid->SetTextMatrix(row, name + 2, QString::fromStdString(entry.UnitText));
    const QColor colour = ColourOf(lFctGetColorByIndex(entry.Status));
    grid->SetCellForeColor(row, name + 1, colour);
    grid->SetCellForeColor(row, name + 2, colour);
}

// The caption of the panel, its info grid, and no current cell in either.
void frmAxisDesign::mSubShowElementFill(FlexGrid* grid, QFrame* panel, int16_t captionId, FlexGrid* info,
                                        const std::string& manufacturer, const std::string& productKey)
{
    SetPanelCaption(panel, QString::fromStdString(sFctGetText(captionId)));
    info->SetTextMatrix(0, 0, Text(kManufacturerText));
    info->SetTextMatrix(0, 1, QString::fromStdString(manufacturer));
    info->SetTextMatrix(1, 0, Text(kProductKeyText));
    info->SetTextMatrix(1, 1, QString::fromStdString(productKey));
    mSubMoveQuietly(grid, -1, grid->Col());
    mSubMoveQuietly(info, -1, info->Col());
}

// Moves the current cell without the grid's RowColChange handling it.
void frmAxisDesign::mSubMoveQuietly(FlexGrid* grid, int row, int col)
{
    mbGridMoving = true;
    grid->SetRowCol(row, col);
    mbGridMoving = false;
}

void frmAxisDesign::mSubWriteLoadDataToTable()
{
    const int16_t axis = AxisId();
    const int16_t count = nFctGetLoadParameterCount(axis);
    mSubSetupLoadGrid(4);
    for (int16_t entry = 0; entry < count; ++entry) {
        ParamRec parameter;
        nFctGetLoadParameter(axis, entry, parameter);
        const int row = entry + 1;
        mSubWriteParameterRow(vsfLoad, row, parameter);
        vsfLoad->SetTextMatrix(row, 0, mSubShowDataListBox(DesignGrid::Load, row, false) ? QStringLiteral("?") : QString());
    }
    mnLoadDataRows = count;
    mSubMoveQuietly(vsfLoad, -1, vsfLoad->Col());
    emit TableRefreshed(0);
}

void frmAxisDesign::mSubWriteMechanismDataToTable(int16_t position)
{
    if (position == -1)
        position = mnSelectedPosition;
    if (mnSelectedPosition == -1 || mnSelectedPicture == -1) {
        emit TableRefreshed(1);  // up to date: nothing selected, nothing shown
        return;
    }
    MechRec mechanism;
    const int16_t count = nFctGetMechanism(AxisId(), position, mechanism);
    mSubSetupMechanismGrid(12);
    // The set-up left every cell empty; the marks depend on the type only.
    for (int row = 1; row <= count; ++row)
        mSubWriteParameterRow(vsfMechanism, row, mechanism.MechanismData[static_cast<size_t>(row - 1)]);
    for (int row = 1; row < vsfMechanism->Rows(); ++row) {
        const bool hasList = mSubShowDataListBox(DesignGrid::Mechanism, row, false) != 0;
        vsfMechanism->SetTextMatrix(row, 0, hasList ? QStringLiteral("?") : QString());
    }
    mnMechanismDataRows = count;
    mSubShowElementFill(vsfMechanism, vseMechanism, mechanism.TextID, vsfMechInfo, mechanism.Manufacturer,
                        mechanism.ProductKey);
    emit TableRefreshed(1);
}

void frmAxisDesign::mSubWriteMotorDataToTable()
{
    const int16_t axis = AxisId();
    MotorRec motor;
    int16_t count = nFctGetMotorRecord(axis, motor);
    if (count == 0) {
        // The default motor; it is no change of the application unless the
        // baseline holds a motor of its own (one the user cleared).
        SubInitMotorRecord(motor, MotorType::Motor);
        nFctSetAxisMotor(axis, motor, bFctBaselineHasMotor(axis) ? model::kFalse : model::kTrue);
        count = nFctGetMotorRecord(axis, motor);
    }
    mSubSetupMotorGrid(9);
    for (int row = 1; row <= count; ++row)
        mSubWriteParameterRow(vsfMotor, row, motor.MotorData[static_cast<size_t>(row - 1)]);
    mnMotorDataRows = count;
    mSubShowElementFill(vsfMotor, vseMotor, motor.TextID, vsfMotorInfo, motor.Manufacturer, motor.ProductKey);
    emit TableRefreshed(2);
}

// ---- Colours ---------------------------------------------------------------------------

void frmAxisDesign::mSubSetColors()
{
    const QColor light(224, 224, 224);  // the current cell while a grid has the focus
    for (FlexGrid* grid : {vsfMechanism, vsfMechInfo, vsfLoad, vsfMotor, vsfMotorInfo})
        grid->SetFocusSelectionColors(light, Qt::black);
    if (glScreenColors < kMinimumColourCount)
        return;
    const QColor panel(205, 205, 205);
    FillBackground(picActiveBar2, QColor(225, 225, 225));
    FillBackground(ActiveBar2, panel);
    for (FlexGrid* grid : {vsfMechanism, vsfMechInfo, vsfLoad, vsfMotor, vsfMotorInfo}) {
        grid->SetBackColor(panel);
        grid->SetBackColorSel(panel);
    }
    for (QFrame* frame : {vseMechanism, vseLoad, vseMotor})
        FillBackground(frame, panel);
    FillBackground(cboLoad, QColor(245, 245, 245), QPalette::Base);
    FillBackground(cboLoad, QColor(245, 245, 245), QPalette::Button);
}
