#pragma once
#include <QDialog>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// What the axis dialog does with the axis picked in its list; the numbers
// are the Axis menu's entries.
enum AxisDialogMode : int16_t {
    kAxisDialogOpen = 1,
    kAxisDialogClose = 2,
    kAxisDialogDelete = 3,
    kAxisDialogSetModifyTitle = 5
};

// The axis dialog: lists the axes in use as " <ID> - <title>" and opens
// (restores), closes (minimises) or deletes the one picked, or edits the
// titles: Modify puts the picked title into the title field, Enter takes it
// into the list, Done stores every title in the axes and renews the captions
// of their windows and the outline. Escape ends an edit, or closes the
// dialog as Cancel when none runs; Cancel drops the titles not yet stored.
//
// Object names: lstAxes, txtTitle, vseCommand_0 (the action), vseCommand_1
// (Cancel), vseCommand_2 (Done), lblHelp, imgLogo.
class frmAxisControl : public QDialog {
    Q_OBJECT
public:
    // mainWindow: gives the icon and the logo picture.
    frmAxisControl(QWidget* mainWindow, int16_t mode);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void mSubSetColorScheme();
    void mSubLoadAxisTitles();
    void mSubFillAxisList();
    // Wide enough for the list's entries and the caption.
    void fitToTexts();
    // The list position of the selected entry, -1 when none.
    int selectedRow() const;
    void lstAxes_Click();
    void endTitleEditing();
    void commitTitleEdit();
    void vseCommand_Click(int index);
    void runAction(int row);
    void deleteAxis(int row);
    void storeTitles();

    int16_t mode_;
    bool firstActivation_ = true;
    std::vector<int16_t> axisIds_;
    std::vector<std::string> workingTitles_;
    int16_t editPosition_ = -1;

    QListWidget* lstAxes_;
    QLineEdit* txtTitle_;
    std::array<QPushButton*, 3> vseCommand_;
    QLabel* lblHelp_;
    QLabel* imgLogo_;
};

// Axis > Open, Close, Delete, Set/Modify Title: shows the axis dialog in that
// mode modally over the main window.
void ShowAxisDialog(QWidget* mainWindow, int16_t mode);
