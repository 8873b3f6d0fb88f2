#pragma once
#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

// The units dialog: the unit system and, for every quantity with a choice,
// the unit in which values are shown (three rotary quantities shared by both
// systems, eight for each system). OK stores the selections in the unit
// globals, rebuilds the parameter control table and, when the system
// changed, converts every axis and refreshes the open windows; Cancel and
// Escape store nothing; Default shows the Default units without storing them.
//
// Object names: cboUnit, tabMain, cboGeneralUnits_0..2, cboUSUnits_0..7,
// cboMetricUnits_0..7 (with their labels lblGeneralUnits_k, lblUSLabel_k,
// lblMetricLabel_k), vseCommand_0 (OK), _1 (Cancel), _2 (Default),
// lblSelectedUnit, lblHelp, picSideBar, imgLogo.
class frmUnits : public QDialog {
    Q_OBJECT
public:
    // mainWindow: gives the icon and the logo picture.
    explicit frmUnits(QWidget* mainWindow = nullptr);

    static constexpr int kGeneralCount = 3;
    static constexpr int kSystemCount = 8;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void mSubSetColorScheme();
    void mSubSetCaptions();
    void mSubFillUnitLists();
    void mSubSetDefaultUnits();
    void mSubStoreUnitSettings();
    void cboUnit_Click(int index);
    void vseCommand_Click(int index);

    bool firstActivation_ = true;
    QWidget* picSideBar_;
    QLabel* imgLogo_;
    QLabel* lblSelectedUnit_;
    QComboBox* cboUnit_;
    QTabWidget* tabMain_;
    std::array<QLabel*, kGeneralCount> lblGeneralUnits_;
    std::array<QComboBox*, kGeneralCount> cboGeneralUnits_;
    std::array<QLabel*, kSystemCount> lblUSLabel_;
    std::array<QComboBox*, kSystemCount> cboUSUnits_;
    std::array<QLabel*, kSystemCount> lblMetricLabel_;
    std::array<QComboBox*, kSystemCount> cboMetricUnits_;
    std::array<QPushButton*, 3> vseCommand_;
    QLabel* lblHelp_;
};

// Units > Setup...: shows the units dialog modally over the main window.
void ShowUnitsDialog(QWidget* mainWindow);
