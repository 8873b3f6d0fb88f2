// The reference lists of the axis design window: friction coefficients,
// densities and efficiencies from the materials database, opened from the
// "?" column of the rows they belong to; a double click stores the picked
// value like a typed one.
#include "design/frmAxisDesign.h"

#include "design/frmAxisDesignTools.h"
#include "foundation/basMaterialLists.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basUnitSystem.h"
#include "model/basValueConversion.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/ReferenceListAdapter.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLayout>
#include <QPushButton>

#include <array>

using axis_design::Text;
using platform::FlexGrid;

namespace {

// The lists by number; 0 is none.
constexpr int16_t kNoList = 0, kCoefficients = 1, kDensities = 2, kEfficiencies = 3;

// The entries of a mechanism type that have a list.
struct ListRow {
    int16_t mechanismType;
    int16_t entry;
    int16_t list;
};
constexpr std::array<ListRow, 23> kMechanismListRows{{
    {MechanismType::BeltPulley, 3, kDensities},     {MechanismType::BeltPulley, 8, kDensities},
    {MechanismType::BeltPulley, 10, kEfficiencies}, {MechanismType::Conveyor, 6, kCoefficients},
    {MechanismType::Conveyor, 7, kEfficiencies},    {MechanismType::Coupling, 4, kDensities},
    {MechanismType::Disk, 3, kDensities},           {MechanismType::Gearbox, 0, kEfficiencies},
    {MechanismType::Leadscrew, 5, kCoefficients},   {MechanismType::Leadscrew, 2, kDensities},
    {MechanismType::Leadscrew, 4, kEfficiencies},   {MechanismType::RackPinion, 7, kCoefficients},
    {MechanismType::RackPinion, 4, kDensities},     {MechanismType::RackPinion, 6, kEfficiencies},
    {MechanismType::RotaryTable, 3, kCoefficients}, {MechanismType::RotaryTable, 6, kDensities},
    {MechanismType::RotaryTable, 0, kEfficiencies}, {MechanismType::NipRoll, 3, kDensities},
    {MechanismType::NipRoll, 8, kDensities},        {MechanismType::WinderCenter, 3, kDensities},
    {MechanismType::WinderCenter, 8, kDensities},   {MechanismType::WinderSurface, 3, kDensities},
    {MechanismType::WinderSurface, 8, kDensities},
}};

// The load rows with a list, by the list index of the load choice.
struct LoadListRow {
    int loadChoice;
    int16_t entry;
};
constexpr std::array<LoadListRow, 3> kLoadDensityRows{{{2, 2}, {3, 3}, {4, 3}}};

// The state of a list grid, in its "Tag": empty not loaded, "r" loaded, "x"
// loading failed (never tried again).
constexpr const char* kTagProperty = "Tag";

// Panel sizes in pixels (15 twips each).
constexpr int kListHeightRows = 7;
constexpr int kListExtraHeight = 130 / 15;
constexpr int kListMinimumHeight = 800 / 15;
// The window's height less 420 twips is its client area, whose caption and
// frame take about that much; a small margin stays below the panel.
constexpr int kListBottomMargin = 2;

const QColor kListHighlight(49, 106, 197);
const QColor kListPanelFocused(128, 128, 128);

void SetPanelColour(QFrame* panel, const QColor& colour)
{
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, colour);
    panel->setPalette(colours);
    panel->setAutoFillBackground(true);
}

} // namespace

void frmAxisDesign::mSubSetupReferenceGrids()
{
    struct ListGrid {
        FlexGrid** grid;
        const char* name;
        int16_t formatId;
        std::vector<double> widths;
    };
    const std::array<ListGrid, 3> lists{{
        {&vsfCoefficient, "vsfCoefficient", 294, {0.65, 0.35}},
        {&vsfDensity, "vsfDensity", 295, {0.50, 0.25, 0.25}},
        {&vsfEfficiency, "vsfEfficiency", 296, {0.70, 0.30}},
    }};
    vseListBox->layout()->setContentsMargins(2, 2, 2, 2);  // room for the list's rows
    vseListBox->layout()->setSpacing(2);
    for (int16_t i = 0; i < static_cast<int16_t>(lists.size()); ++i) {
        const ListGrid& list = lists[static_cast<size_t>(i)];
        auto* grid = new FlexGrid(vseListBox);
        grid->setObjectName(list.name);
        grid->SetStandardRowHeights();
        grid->SetFormatString(Text(list.formatId));
        grid->SetRows(1);
        grid->SetColWidthFractions(list.widths);
        grid->SetFocusSelectionColors(kListHighlight, Qt::white);
        grid->hide();
        vseListBox->layout()->addWidget(grid);
        *list.grid = grid;
        const int16_t listKind = static_cast<int16_t>(i + 1);
        connect(grid, &FlexGrid::DblClick, this, [this, grid, listKind] { ListGrid_DblClick(grid, listKind); });
        connect(grid, &FlexGrid::KeyDown, this, [this](int& key, Qt::KeyboardModifiers) {
            if (key == Qt::Key_Escape)
                vseClose_Click();
        });
        connect(grid, &FlexGrid::GotFocus, this, [this] { SetPanelColour(vseListBox, kListPanelFocused); });
        connect(grid, &FlexGrid::LostFocus, this, [this] { SetPanelColour(vseListBox, kListHighlight); });
    }
}

FlexGrid* frmAxisDesign::ListGridOf(int16_t listKind) const
{
    switch (listKind) {
    case kCoefficients: return vsfCoefficient;
    case kDensities: return vsfDensity;
    case kEfficiencies: return vsfEfficiency;
    default: return nullptr;
    }
}

void frmAxisDesign::mSubHideListPanel()
{
    for (FlexGrid* list : {vsfCoefficient, vsfDensity, vsfEfficiency})
        list->hide();
    vseListBox->hide();
}

// The list of a row of the load or mechanism grid; with open, the list is
// loaded (once in the window's life) and shown beside the row, and a pick
// goes to this grid, row and mechanism whatever lookups follow.
int16_t frmAxisDesign::mSubShowDataListBox(DesignGrid grid, int row, bool open)
{
    const int entry = row - 1;
    if (open)
        for (FlexGrid* list : {vsfCoefficient, vsfDensity, vsfEfficiency})
            list->hide();
    int16_t list = kNoList;
    if (grid == DesignGrid::Mechanism) {
        if (mnSelectedPosition >= 0 && mnSelectedPosition < static_cast<int16_t>(manMechanismTypes.size())) {
            const int16_t type = manMechanismTypes[static_cast<size_t>(mnSelectedPosition)];
            for (const ListRow& listRow : kMechanismListRows)
                if (listRow.mechanismType == type && listRow.entry == entry)
                    list = listRow.list;
        }
    } else {
        for (const LoadListRow& listRow : kLoadDensityRows)
            if (listRow.loadChoice == cboLoad->currentIndex() && listRow.entry == entry)
                list = kDensities;
    }
    if (list == kNoList) {
        vseListBox->hide();
        return kNoList;
    }
    if (!open)
        return list;

    FlexGrid* listGrid = ListGridOf(list);
    const QString state = listGrid->property(kTagProperty).toString();
    if (state == "x")
        return kNoList;
    if (state.isEmpty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        platform::ReferenceListAdapter rows(listGrid);
        const int16_t filled = list == kCoefficients ? nFctFillCoefficientGrid(rows)
                               : list == kDensities  ? nFctFillDensityGrid(rows)
                                                     : nFctFillEfficiencyGrid(rows);
        QApplication::restoreOverrideCursor();
        listGrid->setProperty(kTagProperty, filled ? "r" : "x");
        if (!filled)
            return kNoList;
    }
    mnListGrid = grid;
    mlListRow = row;
    mnListElement = grid == DesignGrid::Mechanism ? mnSelectedPicture : -1;

    FlexGrid* parameters = GridOf(grid);
    int top = 0;
    int height = 0;
    mSubPlaceListPanel(grid, row - parameters->TopRow() + 1, top, height);
    const QRect beside = vseLoad->geometry();
    vseListBox->setGeometry(beside.left(), top, beside.width(), height);
    listGrid->show();
    vseListBox->show();
    vseListBox->raise();
    vseClose->raise();
    // At its first row, whatever was picked from it last: scrolled once it
    // is shown, when its scroll range is known.
    listGrid->SetRowCol(1, 0);
    listGrid->SetTopRow(1);
    listGrid->setFocus();
    return list;
}

// The panel's top and height in the window: over the load grid from its
// top, or just below the mechanism row at that visible position; seven rows
// high, shortened to stay in the window but never below 800 twips.
void frmAxisDesign::mSubPlaceListPanel(DesignGrid grid, int visibleRow, int& top, int& height) const
{
    const int rowHeight = vsfLoad->RowHeightPixels();
    const int limit = widget()->height() - kListBottomMargin;
    if (grid == DesignGrid::Load)
        top = vsfLoad->mapTo(widget(), QPoint(0, 0)).y();
    else
        top = vsfMechanism->mapTo(widget(), QPoint(0, 0)).y() + (visibleRow + 1) * rowHeight;
    height = kListHeightRows * rowHeight + kListExtraHeight;
    if (top + height > limit)
        height = std::max(limit - top, kListMinimumHeight);
}

// A pick: the value of the list's current row, stored as if typed into the
// value cell of the row the list was opened for. Coefficients and
// efficiencies have no unit; a density lands in the unit the row shows: the
// list's figure in that unit, or the figure of the session's unit system
// converted into it.
void frmAxisDesign::ListGrid_DblClick(FlexGrid* list, int16_t listKind)
{
    const int row = list->Row();
    if (row < 1)
        return;
    if (mnListGrid == DesignGrid::Mechanism) {
        mnMechEditElement = mnListElement;
        mlMechEditRow = mlListRow;
    }
    if (listKind == kDensities) {
        ParamRec entry;
        if (!mbFctReadEditedEntry(mnListGrid, mlListRow, entry))
            return;
        int16_t system = gnUnitSystem;
        for (const int16_t listed : {int16_t(0), int16_t(1)})
            if (nFctDensityListUnit(listed) == entry.UnitID)
                system = listed;
        const double density = dFctTextToDouble(list->TextMatrix(row, nFctDensityListColumn(system)).toStdString());
        mSubStoreValue(mnListGrid, mlListRow, dFctValueInUnitOf(entry, density, nFctDensityListUnit(system)));
    } else {
        const int length = listKind == kCoefficients ? 4 : 3;
        mSubStoreValueText(mnListGrid, mlListRow, list->TextMatrix(row, 1).mid(1, length));
    }
    mSubHideListPanel();
}
