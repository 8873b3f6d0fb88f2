#pragma once
#include <QDialog>

#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The pages of the options dialog by their fixed position. A page whose
// functionality switch is off is left out of the tab strip; the dialog
// addresses its pages by this position, never by the tab's index, so a later
// page keeps its meaning when an earlier one is missing.
enum class OptionsPage { Misc = 0, SafetyFactors = 1, Report = 2, Graphs = 3 };

// The options dialog: five display and behaviour switches, the seven safety
// factors of the motor check and the report's colours and font size. It works
// on its own controls; Okay checks the factors, writes every value into the
// settings globals, and shows or hides the main window's top toolbar
// (picTopToolbar) and status bar (picStatusBar) at once. Cancel and Escape
// change nothing.
//
// Object names: tabMain, chkOptions_0..4, lblData_0..6, txtData_0..6,
// txtSample, vseReport_0..2 (Back Color, Text Color, Set Defaults),
// lblFontSize, cboFontSize, vseCommand_0..2 (Okay, Cancel, Set Defaults of
// the factors), lblHelp, imgLogo.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSwitchCount = 5;
    static constexpr int kFactorCount = 7;

    // mainWindow: gives the icon and the logo picture; when it is the
    // program's main window, Okay shows or hides its bars.
    explicit frmOptions(QWidget* mainWindow = nullptr);

    // Brings the page to the front (the first tab when it is left out).
    void SelectPage(OptionsPage page);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildMiscPage();
    QWidget* buildFactorPage();
    QWidget* buildReportPage();
    void mSubSetColorScheme();
    void mSubSetCaptions();
    void showSettings();
    bool mbFctCheckSafetyFactors(bool bReportError);
    void moveToField(int index);
    void showSample();
    void vseReport_Click(int index);
    void cboFontSize_Click(int index);
    void vseCommand_Click(int index);
    void storeSettings();
    void applyMainWindowBars();
    OptionsPage currentPage() const;

    QWidget* mainWindow_;
    QTabWidget* tabMain_;
    std::array<QWidget*, 4> pages_{};  // by OptionsPage; nullptr when left out
    std::array<QCheckBox*, kSwitchCount> chkOptions_;
    std::array<QLabel*, kFactorCount> lblData_;
    std::array<QLineEdit*, kFactorCount> txtData_;
    QPlainTextEdit* txtSample_;
    std::array<QPushButton*, 3> vseReport_;
    QLabel* lblFontSize_;
    QComboBox* cboFontSize_;
    std::array<QPushButton*, 3> vseCommand_;
    QLabel* lblHelp_;
    QLabel* imgLogo_;
    int32_t sampleBackColor_ = 0;
    int32_t sampleTextColor_ = 0;
    int sampleFontSize_ = 10;
};

// File > Options... (page Misc.) and the report window's Options tool (page
// Report): shows the options dialog modally over the main window.
void ShowOptionsDialog(QWidget* mainWindow, OptionsPage page);
