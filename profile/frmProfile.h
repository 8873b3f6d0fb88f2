#pragma once
#include "shell/AxisChildWindow.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolBar;
namespace platform {
class FlexGrid;
class LineGraph;
} // namespace platform

// The velocity profile window of one axis: the motion mode (rotary or
// linear), the quick setup of a triangular or trapezoidal move with its
// Submit into segments, the table of the axis's profile segments, and the
// velocity and torque graphs of the move. The window keeps no axis data:
// every value is read from and written to the axis at the moment of an
// event.
class frmProfile : public AxisChildWindow {
    Q_OBJECT
public:
    // Caption text 36.
    explicit frmProfile(QWidget* parent = nullptr);

    // Shows the window's values in the unit system now selected.
    void mSubUpdateScreenToUnitClass();

    // Switches the axis to rotary (0) or linear (1) motion, as a click on
    // that motion-mode option would; a switch to linear without a travel
    // value is refused with message 2010. The caller reads the axis's
    // motion mode afterwards to see whether the switch took place.
    void optMotionMode_Click(int16_t index);

    // Redraws the torque graph from the axis's per-segment torques (mode 0),
    // which stand at the drive shaft; a gear motor's value axis says so:
    // "Nm (gear output)".
    void mSubDisplayTorqueGraph(int16_t mode);
    // Redraws the velocity graph from the segment table (mode 0).
    void mSubDisplayVelocityGraph(int16_t mode);

    // Sets the motion-mode options and the toolbar from the chain and the
    // stored motion mode; an axis with a linear end and no profile yet is
    // switched to linear motion.
    void mSubCheckMotionMode();

    // Rebuilds the quick-setup grid from the axis.
    void mSubSetQuickSetupTable();

    // Submit: the quick setup validated with messages, then written into
    // the segments.
    void vseTransfer_Click();

signals:
    // The window was refreshed after a change of unit system.
    void ScreenUpdatedToUnitClass();

protected:
    void FirstActivationStep() override;
    void EveryActivationStep() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // frmProfile.cpp: the window, motion mode, toolbar, Clear, graphs.
    void BuildControls();
    void mSubSetColours();
    void mSubInitCaptions();
    void ActiveBar1_ToolClick(const QString& key);
    void SelectMotionOption(int16_t index);
    void mSubSetToolbarLinear();
    void mSubSetToolbarRotary();
    // The linear motion option and its tool, enabled together.
    void mSubEnableLinearMotion(bool enable);
    void mSubClearProfile();
    void mSubInitProfile();
    void mSubShowProfileHelp();
    // Converts the quick setup and the segments away from the stored motion
    // mode and rebuilds both grids with their Calculated columns.
    void ConvertTablesForMotionSwitch();
    void cboProfileMode_Click();

    // frmProfileTables.cpp: the quick-setup grid and the segment table.
    void mSubInitQuickSetupGrid();
    bool mSubCalcQuickSetup(bool bShowMessages);
    void mSubInitSegmentTable(int32_t rows);
    void mSubFillSegmentTable(bool bComputed);
    void mSubFillCalculatedColumn();
    void mSubRefreshSegmentValues();
    // The unit names the quick-setup entry of that row may take, joined by
    // "|"; their unit-list positions go into mnUnitPositions.
    QString sFctUnitComboList(int row);
    // The Yes/No reading of a load-weight entry: "Y", "Yes" (any case, in
    // the current language) or "1".
    static bool bFctIsYes(const QString& text);
    // A cell of the segment table, and a Calculated value of segment field
    // 0..2 as the graphs read it.
    QString SegmentTableText(int row, int col) const;
    double SegmentGraphValue(int16_t segment, int16_t field) const;

    // frmProfileEditing.cpp: editing the two grids.
    void ConnectGridEvents();
    bool vsfQuickSetup_BeforeEdit(int row, int col);
    bool vsfVelProfile_BeforeEdit(int row, int col);
    void vsfVelProfile_KeyPressEdit(int row, const QString& keys);
    void vsfVelProfile_PasteEdit(int row, QString& text);
    void mSubShowLoadFlagOf(int row, const QString& typed);
    void vsfQuickSetup_AfterEdit(int row, int col);
    void vsfQuickSetup_ValidateEdit(int row, const QString& unitName);
    void vsfVelProfile_AfterEdit(int row, int col);
    void vsfVelProfile_RowColChange();

    std::array<QRadioButton*, 2> optMotionMode_{};
    QComboBox* cboProfileMode_ = nullptr;
    QFrame* vseQuickSetup_ = nullptr;
    QLabel* lblQuickSetup_ = nullptr;
    platform::FlexGrid* vsfQuickSetup_ = nullptr;
    QPushButton* vseTransfer_ = nullptr;
    QFrame* vseVelProfile_ = nullptr;
    QLabel* lblVelProfile_ = nullptr;
    platform::FlexGrid* vsfVelProfile_ = nullptr;
    QFrame* vseGraphs_ = nullptr;
    QFrame* vseVelocityGraph_ = nullptr;
    QFrame* vseTorqueGraph_ = nullptr;
    QLabel* lblVelocityGraph_ = nullptr;
    QLabel* lblTorqueGraph_ = nullptr;
    platform::LineGraph* grpVelocity_ = nullptr;
    platform::LineGraph* grpTorque_ = nullptr;
    QToolBar* ActiveBar1_ = nullptr;
    QAction* toolRotary_ = nullptr;
    QAction* toolLinear_ = nullptr;

    int32_t mnQuickSetupRowCount = 0;
    int32_t mnSegmentRowCount = 0;
    int32_t mnSegmentLastRow = 0;
    std::vector<double> mdQuickSetupDerived;
    std::vector<int16_t> mnUnitPositions;
    bool mbSegmentFirstKey = false;
    // Set while code selects a motion-mode option, whose toggle is no click.
    bool mbSelectingMotionOption = false;
};
