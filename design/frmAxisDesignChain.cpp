// The mechanism chain editor of the axis design window: the palette, the
// chain rules, the chain commands of the top toolbar, the selection of
// elements and of the motor, the buffer and the refusal mark.
#include "design/frmAxisDesign.h"

#include "design/frmAxisDesignTools.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/basMessageCatalogue.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basMechanismChain.h"
#include "model/basValueConversion.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/ImageControl.h"
#include "profile/frmProfile.h"
#include "shell/basWindowSlots.h"

#include <QAction>
#include <QFrame>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <array>

using axis_design::Text;

namespace {

constexpr int16_t kMaxMechanisms = 7;
constexpr int16_t kConfirmLinearChange = 4003;
constexpr int16_t kBlinkTicks = 6;

// The groups of the chain rules; every other code is not tested.
constexpr std::array<int16_t, 5> kTransmissions{0, 2, 3, 4, 65};
constexpr std::array<int16_t, 12> kEndDevices{1, 5, 6, 7, 9, 51, 53, 54, 55, 56, 61, 62};

template <size_t N>
bool IsIn(const std::array<int16_t, N>& group, int16_t type)
{
    return std::find(group.begin(), group.end(), type) != group.end();
}

} // namespace

void frmAxisDesign::mSubResetChainState()
{
    mnMechanismCount = 0;
    mnSelectedTool = -1;
    mnSelectedPosition = -1;
    mnSelectedPicture = -1;
    mbMotorSelected = false;
    manMechanismTypes.clear();
    maChainPictures.clear();
    mnPictureCounter = 0;
    mnBlinkCount = 0;
    mnProfileSlot = -1;
}

// ---- Palette --------------------------------------------------------------------

void frmAxisDesign::ActiveBar2_ToolClick(QAction* tool)
{
    for (const axis_design::PaletteTool& palette : axis_design::kPaletteTools) {
        if (tool->objectName() == QLatin1String(palette.key)) {
            mSubResetToolButtons();
            tool->setChecked(true);
            mnSelectedTool = palette.type;
            return;
        }
    }
    mnSelectedTool = -1;
}

void frmAxisDesign::mSubResetToolButtons()
{
    for (const axis_design::PaletteTool& palette : axis_design::kPaletteTools)
        Tool(palette.key)->setChecked(false);
}

SelectedTool frmAxisDesign::mSubGetSelectedTool()
{
    SelectedTool selected;
    selected.position = mnSelectedPosition;
    selected.fromBuffer = mnSelectedTool == MechanismType::Buffer;
    if (!selected.fromBuffer) {
        selected.type = mnSelectedTool;
        return selected;
    }
    SubGetMechanismBuffer(selected.record);
    selected.type = selected.record.Identifier;
    return selected;
}

// ---- Chain rules and guards ------------------------------------------------------

bool frmAxisDesign::mnFctCheckChainPosition(int16_t type, int16_t position, bool insert, bool show)
{
    const int16_t n = mnMechanismCount;
    const auto endDeviceBefore = [this](int16_t end) {
        for (int16_t i = 0; i < end && i < mnMechanismCount; ++i)
            if (IsIn(kEndDevices, manMechanismTypes[static_cast<size_t>(i)]))
                return true;
        return false;
    };
    bool allowed = true;
    if (n <= 0 || type < 0 || type > 65)
        allowed = true;
    else if (IsIn(kTransmissions, type))
        allowed = position <= 0 || !endDeviceBefore(position);
    else if (IsIn(kEndDevices, type)) {
        if (insert && position <= n - 1)
            allowed = false;
        else if (position < n - 1)
            allowed = false;
        else
            allowed = !endDeviceBefore(position);
    }
    if (!allowed && show)
        mSubShowRefusal(true);
    return allowed;
}

bool frmAxisDesign::mnFctCheckAppend(int16_t type)
{
    if (type == -1 || mnMechanismCount == kMaxMechanisms) {
        mSubShowRefusal(false);
        return false;
    }
    if (!mnFctCheckChainPosition(type, mnMechanismCount, false, true))
        return false;
    mnFctAddPictureSlot(type);
    return true;
}

bool frmAxisDesign::mnFctCheckInsert(int16_t position, int16_t type)
{
    if (type == -1 || position == -1 || mnMechanismCount == kMaxMechanisms) {
        mSubShowRefusal(false);
        return false;
    }
    if (!mnFctCheckChainPosition(type, position, true, true))
        return false;
    const auto at = static_cast<size_t>(position);
    manMechanismTypes.insert(manMechanismTypes.begin() + static_cast<ptrdiff_t>(at), type);
    maChainPictures.insert(maChainPictures.begin() + static_cast<ptrdiff_t>(at), mFctNewPicture());
    ++mnMechanismCount;
    return true;
}

bool frmAxisDesign::mnFctCheckReplace(int16_t position, int16_t type)
{
    if (type == -1 || position == -1) {
        mSubShowRefusal(false);
        return false;
    }
    return mnFctCheckChainPosition(type, position, false, true);
}

void frmAxisDesign::mSubReplaceChainSlot(int16_t position, int16_t type)
{
    const auto at = static_cast<size_t>(position);
    manMechanismTypes[at] = type;
    mSubUnloadPicture(maChainPictures[at]);
    maChainPictures[at] = mFctNewPicture();
}

bool frmAxisDesign::mnFctCheckCut(int16_t position)
{
    if (position == -1 || mnMechanismCount == 0) {
        mSubShowRefusal(false);
        return false;
    }
    return true;
}

void frmAxisDesign::mSubCutChainSlot(int16_t position)
{
    mSubAssignBufferIcon(-1);
    const auto at = static_cast<ptrdiff_t>(position);
    manMechanismTypes.erase(manMechanismTypes.begin() + at);
    mSubUnloadPicture(maChainPictures[static_cast<size_t>(position)]);
    maChainPictures.erase(maChainPictures.begin() + at);
    --mnMechanismCount;
}

bool frmAxisDesign::mnFctConfirmChainChange(int16_t position)
{
    const int16_t axis = AxisId();
    if (position != nFctGetMechanismCount(axis) - 1 || !bFctIsLinearMechanismType(nFctGetMechanismType(axis, position))
        || nFctGetMotionMode(axis) != 1)
        return true;
    SubPrepareCatalogueMessage(*gMsg, kConfirmLinearChange);
    if (gMsg->nFctDisplay() != kResultYes)
        return false;
    // Yes switches the profile to rotary motion; when the switch does not
    // take place the command stops, so that a linear motion never stays
    // without a linear end.
    if (frmProfile* profile = ProfileForm())
        profile->optMotionMode_Click(0);
    return nFctGetMotionMode(axis) != 1;
}

// ---- Commands ----------------------------------------------------------------------

void frmAxisDesign::mSubAppend()
{
    const SelectedTool tool = mSubGetSelectedTool();
    const int16_t type = tool.type;
    if (!mnFctCheckAppend(type))
        return;
    const int16_t axis = AxisId();
    SubAppendMechanism(axis, type);
    mSubArrangeMechanismPictures(static_cast<int16_t>(mnMechanismCount - 1), true);
    if (tool.fromBuffer)
        nFctSetMechanism(axis, static_cast<int16_t>(nFctGetMechanismCount(axis) - 1), tool.record);
    mnSelectedPosition = static_cast<int16_t>(mnMechanismCount - 1);
    mSubHighlightElement(true);
    if (mbMotorSelected)
        imgMotor_Click();
    mSubWriteMechanismDataToTable(mnSelectedPosition);
    mSubEnableElementTools(true);
}

void frmAxisDesign::mSubInsert()
{
    const SelectedTool tool = mSubGetSelectedTool();
    const int16_t type = tool.type;
    const int16_t position = tool.position;
    if (!mnFctCheckInsert(position, type))
        return;
    const int16_t axis = AxisId();
    SubInsertMechanism(axis, type, position);
    mSubArrangeMechanismPictures(position, true);
    if (tool.fromBuffer)
        nFctSetMechanism(axis, position, tool.record);
    maChainPictures[static_cast<size_t>(position) + 1].Picture->SetBorderStyle(0);
    mnSelectedPosition = position;
    mSubHighlightElement(true);
    mSubWriteMechanismDataToTable(position);
}

// Replace and Cut check the chain rules before they ask 4003: only a command
// that will run may switch the profile to rotary motion.
void frmAxisDesign::mSubReplace()
{
    const SelectedTool tool = mSubGetSelectedTool();
    const int16_t type = tool.type;
    const int16_t position = tool.position;
    if (mnFctCheckReplace(position, type)) {
        if (!mnFctConfirmChainChange(position))
            return;
        mSubReplaceChainSlot(position, type);
        const int16_t axis = AxisId();
        nFctSetMechanismType(axis, type, position);
        mSubArrangeMechanismPictures(position, false);
        if (tool.fromBuffer)
            nFctSetMechanism(axis, position, tool.record);
        mSubWriteMechanismDataToTable(position);
    }
    if (frmProfile* profile = ProfileForm())
        profile->mSubDisplayTorqueGraph(0);
}

void frmAxisDesign::mSubCut()
{
    const int16_t position = mnSelectedPosition;
    if (!mnFctCheckCut(position) || !mnFctConfirmChainChange(position))
        return;
    mSubCutChainSlot(position);
    SubDeleteMechanism(AxisId(), position);
    if (mnMechanismCount > 0) {
        if (position == mnMechanismCount)
            --mnSelectedPosition;
        mSubWriteMechanismDataToTable(mnSelectedPosition);
    } else {
        mnSelectedPosition = -1;
        mnSelectedPicture = -1;
        mSubEnableElementTools(false);
        mSubSetupMechanismGrid(12);
    }
    mSubArrangeMechanismPictures(0, false);
    if (frmProfile* profile = ProfileForm())
        profile->mSubDisplayTorqueGraph(0);
}

void frmAxisDesign::mSubEnableElementTools(bool enable)
{
    for (const char* key : axis_design::kElementTools)
        Tool(key)->setEnabled(enable);
}

// ---- Buffer ------------------------------------------------------------------------

void frmAxisDesign::mSubAssignBufferIcon(int16_t mechanismType)
{
    const bool copyMode = mechanismType == -1;
    if (copyMode) {
        if (mnSelectedPosition == -1)
            return;
        mechanismType = manMechanismTypes[static_cast<size_t>(mnSelectedPosition)];
    }
    QAction* buffer = Tool("Buffer");
    if (const axis_design::PaletteTool* palette = axis_design::FindPaletteTool(mechanismType)) {
        buffer->setIcon(Tool(palette->key)->icon());
        buffer->setToolTip(Text(13) + QStringLiteral(": ") + Text(palette->bufferNameId));
    }
    if (copyMode) {
        const int16_t axis = AxisId();
        SubCopyMechanismToBuffer(axis, mnSelectedPosition);
        mSubRefreshOtherAxisBuffers(axis, mechanismType);
    }
    buffer->setEnabled(true);
}

void frmAxisDesign::mSubRefreshOtherAxisBuffers(int16_t axis, int16_t type)
{
    for (int16_t slot = 1; slot < static_cast<int16_t>(gfrmAxisDesign.size()); ++slot) {
        if (slot == axis || gbDesignUnloaded[static_cast<size_t>(slot)] != 0)
            continue;
        if (frmAxisDesign* other = AxisDesignWindow(slot))
            other->mSubAssignBufferIcon(type);
    }
}

// ---- Selection ------------------------------------------------------------------------

int16_t frmAxisDesign::mnFctFindElementPosition(int16_t pictureIndex) const
{
    for (int16_t i = 0; i < mnMechanismCount; ++i)
        if (maChainPictures[static_cast<size_t>(i)].PictureIndex == pictureIndex)
            return i;
    return mnMechanismCount;
}

void frmAxisDesign::imgMechanism_Click(int16_t index)
{
    vsfLoad->setCurrentCell(-1, -1);
    if (mbMotorSelected)
        imgMotor_Click();
    if (index == mnSelectedPicture) {
        const int16_t position = mnFctFindElementPosition(index);
        if (position < mnMechanismCount)
            maChainPictures[static_cast<size_t>(position)].Picture->SetBorderStyle(0);
        mnSelectedPicture = -1;
        mnSelectedPosition = -1;
        mSubEnableElementTools(false);
        mSubSetupMechanismGrid(12);
        return;
    }
    const int16_t previous = mnFctFindElementPosition(mnSelectedPicture);
    if (mnSelectedPicture != -1 && previous < mnMechanismCount)
        maChainPictures[static_cast<size_t>(previous)].Picture->SetBorderStyle(0);
    mnSelectedPicture = index;
    mnSelectedPosition = mnFctFindElementPosition(index);
    if (mnSelectedPosition < mnMechanismCount) {
        platform::ImageControl* picture = maChainPictures[static_cast<size_t>(mnSelectedPosition)].Picture;
        picture->raise();
        picture->SetBorderStyle(1);
    }
    mSubEnableElementTools(true);
    mSubWriteMechanismDataToTable(mnSelectedPosition);
}

void frmAxisDesign::imgMotor_Click()
{
    vsfLoad->setCurrentCell(-1, -1);
    if (!mbMotorSelected) {
        if (mnSelectedPicture != -1)
            imgMechanism_Click(mnSelectedPicture);
        imgMotor->raise();
        imgMotor->SetBorderStyle(1);
        vseMotor->show();
        vseMotor->raise();
        mbMotorSelected = true;
        mSubWriteMotorDataToTable();
        return;
    }
    imgMotor->SetBorderStyle(0);
    vseMotor->hide();
    vsfLoad->setFocus();
    mbMotorSelected = false;
    mSubSetupMotorGrid(9);
}

// ---- Refusal mark ------------------------------------------------------------------------

void frmAxisDesign::mSubShowRefusal(bool toFront)
{
    if (toFront)
        imgCancel->raise();
    imgCancel->show();
    if (!tmrSystem->isActive())
        tmrSystem->start();
}

void frmAxisDesign::mSubPlaceRefusalMark()
{
    const QRect row = picAxisDesign->geometry();
    imgCancel->move(row.right() - imgCancel->width() - 6, row.top() + 6);
}

void frmAxisDesign::tmrSystem_Timer()
{
    ++mnBlinkCount;
    if (mnBlinkCount != kBlinkTicks) {
        imgCancel->setVisible(!imgCancel->isVisible());
        return;
    }
    mnBlinkCount = 0;
    tmrSystem->stop();
    imgCancel->hide();
}
