#pragma once
#include "model/basAxisData.h"
#include "shell/AxisChildWindow.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QPushButton;
class QTimer;
class QToolBar;
class QWidget;
namespace platform {
class FlexGrid;
class ImageControl;
}

// One picture of the chain row: the image that shows a chain position, the
// file loaded into it ("-1" while none) and its index among the pictures.
struct ChainPictureRec {
    platform::ImageControl* Picture = nullptr;
    QString FileName = QStringLiteral("-1");
    int16_t PictureIndex = 0;
};

// The five grids of the design window, which share one family of handlers.
enum class DesignGrid { Load, Mechanism, Motor, MechInfo, MotorInfo };

// What a chain command works with: the type of the palette's selection (the
// buffered one for the Buffer tool, -1 none), whether it comes from the
// buffer with the buffered record, and the selected chain position.
struct SelectedTool {
    int16_t type = -1;
    bool fromBuffer = false;
    int16_t position = -1;
    MechRec record;
};

// The axis design window of one axis: the row of pictures of the motor and
// its mechanism chain with the palette and the chain commands, and the
// mechanism, motor and load panels with their grids.
class frmAxisDesign : public AxisChildWindow {
    Q_OBJECT
public:
    // The size the window opens at, where the area has the room.
    static constexpr QSize kNormalSize{780, 560};

    // Caption text 35.
    explicit frmAxisDesign(QWidget* parent = nullptr);

    // Refill the load, mechanism and motor grids from the axis record in the
    // current display units; position -1 is the selected mechanism.
    void mSubWriteLoadDataToTable();
    void mSubWriteMechanismDataToTable(int16_t position);
    void mSubWriteMotorDataToTable();

    // The palette's Buffer tool takes the icon and tip text of the type;
    // -1 first copies the selected element into the buffer and hands its
    // type on to the design windows of the other axes.
    void mSubAssignBufferIcon(int16_t mechanismType);

signals:
    // A grid was refilled: 0 load, 1 mechanism, 2 motor.
    void TableRefreshed(int grid);

protected:
    void FirstActivationStep() override;
    void keyPressEvent(QKeyEvent* event) override;
    // A click on a panel outside its grids gives the focus to its grid; the
    // refusal mark follows the picture row's right end.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ---- Window (frmAxisDesign.cpp) --------------------------------------------
    void mSubBuildLayout();
    void mSubInitToolbars();
    QAction* mFctAddTool(QToolBar* bar, const char* key, int16_t textId);
    void ActiveBar1_ToolClick(QAction* tool);
    void mSubSelectLoadOption();
    void mSubFindProfileForm();
    void mSubClearMotor();
    void cboLoad_Click();
    void vseMechHelp_Click();
    void vseClose_Click();
    // Sizes a parameter grid's rows for the height it has now.
    void mSubRefitGridRows(QObject* grid);
    // The profile window of the axis, nullptr when it is not loaded.
    class frmProfile* ProfileForm() const;
    // The tool of that key on the top toolbar or the palette.
    QAction* Tool(const char* key) const;

    // ---- Chain editor (frmAxisDesignChain.cpp) -----------------------------------
    void ActiveBar2_ToolClick(QAction* tool);
    void mSubResetToolButtons();
    SelectedTool mSubGetSelectedTool();
    bool mnFctCheckChainPosition(int16_t type, int16_t position, bool insert, bool show);
    bool mnFctCheckAppend(int16_t type);
    bool mnFctCheckInsert(int16_t position, int16_t type);
    // The Replace and Cut guards only check; the window's chain list
    // changes after the confirmation, by the two procedures below them.
    bool mnFctCheckReplace(int16_t position, int16_t type);
    void mSubReplaceChainSlot(int16_t position, int16_t type);
    bool mnFctCheckCut(int16_t position);
    void mSubCutChainSlot(int16_t position);
    bool mnFctConfirmChainChange(int16_t position);
    void mSubRefreshOtherAxisBuffers(int16_t axis, int16_t type);
    int16_t mnFctFindElementPosition(int16_t pictureIndex) const;
    void mSubResetChainState();
    void mSubAppend();
    void mSubInsert();
    void mSubReplace();
    void mSubCut();
    void mSubEnableElementTools(bool enable);
    void mSubShowRefusal(bool toFront);
    void mSubPlaceRefusalMark();
    void imgMechanism_Click(int16_t index);
    void imgMotor_Click();
    void tmrSystem_Timer();

    // ---- Pictures (frmAxisDesignPictures.cpp) ----------------------------------------
    void mSubShowMotorPicture(bool show);
    void mnFctAddPictureSlot(int16_t type);
    ChainPictureRec mFctNewPicture();
    bool mSubLoadMechanismPicture(int16_t position);
    void mSubArrangeMechanismPictures(int16_t position, bool deselect);
    void mSubHighlightElement(bool on);
    void mSubUnloadPicture(ChainPictureRec& picture);

    // ---- Grids (frmAxisDesignGrids.cpp) -----------------------------------------------
    void mSubSetupMotorGrid(int16_t rows);
    void mSubSetupMechanismGrid(int16_t rows);
    void mSubSetupLoadGrid(int16_t rows);
    void mSubSetColors();
    void mSubSetupReferenceGrids();
    void mSubSetupInfoGrid(platform::FlexGrid* grid);
    void mSubSetupParameterGrid(platform::FlexGrid* grid, QFrame* panel, int16_t captionId, int16_t formatId,
                                const std::vector<double>& widths, int16_t rows);
    void mSubWriteParameterRow(platform::FlexGrid* grid, int row, const struct ParamRec& entry);
    void mSubShowElementFill(platform::FlexGrid* grid, QFrame* panel, int16_t captionId, platform::FlexGrid* info,
                             const std::string& manufacturer, const std::string& productKey);
    void mSubMoveQuietly(platform::FlexGrid* grid, int row, int col);

    // ---- Grid editing (frmAxisDesignEditing.cpp) ----------------------------------------
    void mSubConnectGridEvents();
    platform::FlexGrid* GridOf(DesignGrid kind) const;
    void Grid_BeforeEdit(DesignGrid kind, int row, int col, bool& cancel);
    void Grid_KeyDownEdit(DesignGrid kind, int col, int key);
    void Grid_KeyPress(DesignGrid kind, QChar key);
    void Grid_ValidateEdit(DesignGrid kind, int row, int col, bool& cancel);
    void Grid_AfterEdit(DesignGrid kind, int row, int col);
    void Grid_Click(DesignGrid kind);
    void Grid_RowColChange(DesignGrid kind);
    void Grid_GotFocus(DesignGrid kind);
    void Grid_LostFocus(DesignGrid kind);
    void mSubWalkToNextRow(DesignGrid kind, bool inEditor);
    bool mbFctFocusRuleMoved(DesignGrid kind, bool byClick);
    bool mbFctReadEditedEntry(DesignGrid kind, int row, struct ParamRec& entry) const;
    void mSubStoreConvertedEntry(DesignGrid kind, int row, struct ParamRec& entry, int16_t newUnit);
    void mSubStoreValueText(DesignGrid kind, int row, const QString& text);
    void mSubStoreValue(DesignGrid kind, int row, double value);
    void mSubStoreInfoText(DesignGrid kind, int row, const QString& text);
    int16_t mnFctRowCount(DesignGrid kind) const;

    // ---- Reference lists (frmAxisDesignLists.cpp) ---------------------------------------
    int16_t mSubShowDataListBox(DesignGrid grid, int row, bool open);
    void mSubPlaceListPanel(DesignGrid grid, int visibleRow, int& top, int& height) const;
    void mSubHideListPanel();
    void ListGrid_DblClick(platform::FlexGrid* list, int16_t listKind);
    platform::FlexGrid* ListGridOf(int16_t listKind) const;

    // ---- Controls ----------------------------------------------------------------
    QToolBar* ActiveBar1 = nullptr;
    QToolBar* ActiveBar2 = nullptr;
    QWidget* picActiveBar2 = nullptr;
    QFrame* picAxisDesign = nullptr;
    platform::ImageControl* imgMotor = nullptr;
    platform::ImageControl* imgCancel = nullptr;
    QTimer* tmrSystem = nullptr;
    QFrame* vseMechanism = nullptr;
    QFrame* vseMotor = nullptr;
    QFrame* vseLoad = nullptr;
    QFrame* vseListBox = nullptr;
    QPushButton* vseMechHelp = nullptr;
    QPushButton* vseClose = nullptr;
    QComboBox* cboLoad = nullptr;
    platform::FlexGrid* vsfMechInfo = nullptr;
    platform::FlexGrid* vsfMechanism = nullptr;
    platform::FlexGrid* vsfMotorInfo = nullptr;
    platform::FlexGrid* vsfMotor = nullptr;
    platform::FlexGrid* vsfLoad = nullptr;
    platform::FlexGrid* vsfCoefficient = nullptr;
    platform::FlexGrid* vsfDensity = nullptr;
    platform::FlexGrid* vsfEfficiency = nullptr;

    // ---- Chain state -----------------------------------------------------------------
    int16_t mnMechanismCount = 0;
    int16_t mnSelectedTool = -1;
    int16_t mnSelectedPosition = -1;
    int16_t mnSelectedPicture = -1;
    bool mbMotorSelected = false;
    std::vector<int16_t> manMechanismTypes;
    std::vector<ChainPictureRec> maChainPictures;
    int16_t mnPictureCounter = 0;
    int16_t mnBlinkCount = 0;
    int16_t mnProfileSlot = -1;
    float msngPictureScale = 1.0f;

    // ---- Grid data-row counts, kept by the grids' set-up routines ------------------
    int16_t mnMotorDataRows = 0;
    int16_t mnMechanismDataRows = 0;
    int16_t mnLoadDataRows = 0;

    // ---- Editing state -----------------------------------------------------------------
    int32_t mlMechEditRow = -1;
    int16_t mnMechEditElement = -1;
    int32_t mlMotorEditRow = -1;
    int32_t mlInfoEditRow = -1;
    int16_t mnInfoEditElement = -1;
    // Set while code moves a grid's cell, so that its RowColChange waits.
    bool mbGridMoving = false;

    // ---- Reference lists: the grid, row and chain picture a pick goes to ----------------
    DesignGrid mnListGrid = DesignGrid::Load;
    int32_t mlListRow = -1;
    int16_t mnListElement = -1;
};
