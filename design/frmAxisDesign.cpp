#include "design/frmAxisDesign.h"

#include "design/frmAnalysis.h"
#include "design/frmAxisDesignTools.h"
#include "design/frmMotorReq.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/basAppPaths.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basWinAPICalls.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisRequirements.h"
#include "model/basMechanismChain.h"
#include "model/basWindowStatus.h"
#include "platform/qt/Commands.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/ImageControl.h"
#include "profile/frmProfile.h"
#include "shell/MDIMain.h"
#include "shell/basWindowSlots.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using axis_design::Text;

namespace {

// The height of the picture row; the motor and the mechanisms fill it less a
// margin of 6 pixels above and below.
constexpr int kPictureBoxHeight = 100;

// The tools of the top toolbar with their captions.
struct TopTool {
    const char* key;
    int16_t captionId;
};
constexpr std::array<TopTool, 9> kTopTools{{
    {"vseToolAnalyze", 40},
    {"ClearMotor", 351},
    {"MotorReq", 397},
    {"vseToolAppend", 365},
    {"vseToolReplace", 366},
    {"vseToolInsert", 367},
    {"vseToolCut", 368},
    {"vseToolCopy", 369},
    {"vseToolHelp", 352},
}};

// The load types of cboLoad by list index.
constexpr std::array<int16_t, 5> kLoadTypes{LoadType::None, LoadType::WeightOnly, LoadType::SolidCylinder,
                                            LoadType::HollowCylinder, LoadType::SolidRectangular};
constexpr int16_t kFirstLoadTextId = 119;
constexpr int kWeightOnlyIndex = 1;
constexpr int16_t kWeightOnlyRefused = 3001;

// The list index of a load type in cboLoad, -1 for a type the list does not
// offer.
int LoadListIndex(int16_t loadType)
{
    for (int i = 0; i < static_cast<int>(kLoadTypes.size()); ++i)
        if (kLoadTypes[static_cast<size_t>(i)] == loadType)
            return i;
    return -1;
}

// The help topic of a mechanism type.
const char* MechanismHelpTopic(int16_t type)
{
    switch (type) {
    case MechanismType::BeltPulley: return "BeltPulley.htm";
    case MechanismType::Conveyor: return "Conveyor.htm";
    case MechanismType::Disk: return "Disk.htm";
    case MechanismType::Gearbox: return "Gearbox.htm";
    case MechanismType::Leadscrew: return "Leadscrew.htm";
    case MechanismType::RackPinion: return "RackPinion.htm";
    case MechanismType::RotaryTable: return "RotaryTable.htm";
    default: return "MechanismsParameters.htm";
    }
}
constexpr const char* kWindowHelpTopic = "AxisDesign.htm";

platform::FlexGrid* NewGrid(const char* name, QWidget* parent)
{
    auto* grid = new platform::FlexGrid(parent);
    grid->setObjectName(name);
    return grid;
}

// The two grids of the mechanism or motor panel: a short information grid
// over the parameter grid.
void AddElementGrids(QFrame* panel, QVBoxLayout* column, const char* infoName, const char* dataName,
                     platform::FlexGrid*& info, platform::FlexGrid*& data)
{
    info = NewGrid(infoName, panel);
    info->setMaximumHeight(80);
    column->addWidget(info);
    data = NewGrid(dataName, panel);
    column->addWidget(data, 1);
}

// The picture of a palette tool; its grey RGB(192, 192, 192) is transparent.
QIcon PaletteIcon(const char* key)
{
    QPixmap picture(QString::fromStdString(gsImagePath) + axis_design::PaletteIconFile(key));
    if (!picture.isNull())
        picture.setMask(picture.createMaskFromColor(QColor(192, 192, 192)));
    return QIcon(picture);
}

QFrame* NewPanel(const char* name, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    return panel;
}

} // namespace

frmAxisDesign::frmAxisDesign(QWidget* parent)
    : AxisChildWindow(WindowKind::AxisDesign, 35, QSize(200, 367), kNormalSize, parent)
{
    setObjectName("frmAxisDesign");
    mSubResetChainState();
    mSubBuildLayout();
    mSubSetColors();
    mSubInitToolbars();
    if (MDIMain* main = MainWindow())
        setWindowIcon(main->windowIcon());
    mbMotorSelected = false;
    mSubSetupReferenceGrids();
    mSubConnectGridEvents();
}

void frmAxisDesign::mSubBuildLayout()
{
    auto* content = new QWidget(this);
    setWidget(content);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);

    ActiveBar1 = new QToolBar(content);
    ActiveBar1->setObjectName("ActiveBar1");
    ActiveBar1->setAccessibleName("vseTopTools");
    ActiveBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    column->addWidget(ActiveBar1);

    // The palette runs down the left side, beside the pictures and panels.
    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    picActiveBar2 = new QWidget(content);
    picActiveBar2->setObjectName("picActiveBar2");
    auto* paletteColumn = new QVBoxLayout(picActiveBar2);
    paletteColumn->setContentsMargins(0, 0, 0, 0);
    ActiveBar2 = new QToolBar(picActiveBar2);
    ActiveBar2->setObjectName("ActiveBar2");
    ActiveBar2->setAccessibleName("Tools");
    ActiveBar2->setOrientation(Qt::Vertical);
    ActiveBar2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ActiveBar2->setIconSize(QSize(24, 24));
    paletteColumn->addWidget(ActiveBar2);
    paletteColumn->addStretch();
    body->addWidget(picActiveBar2);
    auto* work = new QVBoxLayout;
    work->setSpacing(2);
    body->addLayout(work, 1);
    column->addLayout(body, 1);

    picAxisDesign = new QFrame(content);
    picAxisDesign->setObjectName("picAxisDesign");
    picAxisDesign->setFrameShape(QFrame::StyledPanel);
    picAxisDesign->setFixedHeight(kPictureBoxHeight);
    picAxisDesign->setAutoFillBackground(true);
    QPalette white = picAxisDesign->palette();
    white.setColor(QPalette::Window, Qt::white);
    picAxisDesign->setPalette(white);
    imgMotor = new platform::ImageControl(picAxisDesign);
    imgMotor->setObjectName("imgMotor");
    imgMotor->hide();
    connect(imgMotor, &platform::ImageControl::clicked, this, &frmAxisDesign::imgMotor_Click);
    work->addWidget(picAxisDesign);

    tmrSystem = new QTimer(this);
    tmrSystem->setObjectName("tmrSystem");
    tmrSystem->setInterval(100);
    connect(tmrSystem, &QTimer::timeout, this, &frmAxisDesign::tmrSystem_Timer);

    auto* panels = new QHBoxLayout;
    panels->setSpacing(4);
    // The motor panel lies exactly over the mechanism panel.
    auto* elementPanels = new QGridLayout;
    elementPanels->setContentsMargins(0, 0, 0, 0);
    vseMechanism = NewPanel("vseMechanism", content);
    auto* mechanismColumn = new QVBoxLayout(vseMechanism);
    vseMechHelp = new QPushButton(Text(352), vseMechanism);
    vseMechHelp->setObjectName("vseMechHelp");
    platform::ConnectCommand(vseMechHelp, &QPushButton::clicked, this, [this] { vseMechHelp_Click(); });
    auto* helpRow = new QHBoxLayout;
    helpRow->addStretch();
    helpRow->addWidget(vseMechHelp);
    mechanismColumn->addLayout(helpRow);
    AddElementGrids(vseMechanism, mechanismColumn, "vsfMechInfo", "vsfMechanism", vsfMechInfo, vsfMechanism);
    elementPanels->addWidget(vseMechanism, 0, 0);

    vseMotor = NewPanel("vseMotor", content);
    auto* motorColumn = new QVBoxLayout(vseMotor);
    AddElementGrids(vseMotor, motorColumn, "vsfMotorInfo", "vsfMotor", vsfMotorInfo, vsfMotor);
    elementPanels->addWidget(vseMotor, 0, 0);
    vseMotor->hide();
    panels->addLayout(elementPanels, 3);

    vseLoad = NewPanel("vseLoad", content);
    auto* loadColumn = new QVBoxLayout(vseLoad);
    cboLoad = new QComboBox(vseLoad);
    cboLoad->setObjectName("cboLoad");
    loadColumn->addWidget(cboLoad);
    vsfLoad = NewGrid("vsfLoad", vseLoad);
    loadColumn->addWidget(vsfLoad, 1);
    panels->addWidget(vseLoad, 2);
    work->addLayout(panels, 1);

    for (QFrame* panel : {picAxisDesign, vseMechanism, vseMotor, vseLoad})
        panel->installEventFilter(this);
    // Each parameter grid's rows are refitted whenever its height changes.
    for (platform::FlexGrid* grid : {vsfMechanism, vsfMotor, vsfLoad})
        grid->installEventFilter(this);

    // The refusal mark lies on the window, over the picture row's right end.
    imgCancel = new platform::ImageControl(content);
    imgCancel->setObjectName("imgCancel");
    imgCancel->LoadPicture(QString::fromStdString(gsImagePath) + QStringLiteral("Cancel.BMP"));
    imgCancel->hide();

    // The reference-list panel floats over the panels while a list is open.
    vseListBox = NewPanel("vseListBox", content);
    auto* listColumn = new QVBoxLayout(vseListBox);
    vseClose = new QPushButton(QStringLiteral("X"), vseListBox);
    vseClose->setObjectName("vseClose");
    connect(vseClose, &QPushButton::clicked, this, &frmAxisDesign::vseClose_Click);
    listColumn->addWidget(vseClose, 0, Qt::AlignRight);
    vseListBox->hide();
}

QAction* frmAxisDesign::mFctAddTool(QToolBar* bar, const char* key, int16_t textId)
{
    QAction* tool = bar->addAction(Text(textId));
    tool->setObjectName(key);
    return tool;
}

void frmAxisDesign::mSubInitToolbars()
{
    for (int16_t i = 0; i < static_cast<int16_t>(kLoadTypes.size()); ++i)
        cboLoad->addItem(Text(static_cast<int16_t>(kFirstLoadTextId + i)));
    cboLoad->setCurrentIndex(0);
    platform::ConnectCommand(cboLoad, &QComboBox::currentIndexChanged, this, [this] { cboLoad_Click(); });

    for (const TopTool& top : kTopTools)
        mFctAddTool(ActiveBar1, top.key, top.captionId);
    platform::ConnectCommand(ActiveBar1, &QToolBar::actionTriggered, this, [this](QAction* tool) { ActiveBar1_ToolClick(tool); });

    QAction* title = mFctAddTool(ActiveBar2, "Title", 399);
    title->setEnabled(false);
    for (const axis_design::PaletteTool& palette : axis_design::kPaletteTools) {
        QAction* tool = mFctAddTool(ActiveBar2, palette.key, palette.captionId);
        tool->setCheckable(true);
        tool->setIcon(PaletteIcon(palette.key));
    }
    platform::ConnectCommand(ActiveBar2, &QToolBar::actionTriggered, this, [this](QAction* tool) { ActiveBar2_ToolClick(tool); });
    // The tools that need a selected element or a buffered one start off.
    mSubEnableElementTools(false);
    Tool("Buffer")->setEnabled(false);
}

QAction* frmAxisDesign::Tool(const char* key) const
{
    for (QToolBar* bar : {ActiveBar1, ActiveBar2})
        for (QAction* tool : bar->actions())
            if (tool->objectName() == QLatin1String(key))
                return tool;
    return nullptr;
}

void frmAxisDesign::FirstActivationStep()
{
    QApplication::processEvents();
    mSubShowMotorPicture(true);
    mSubSetupMotorGrid(9);
    mSubSetupMechanismGrid(12);
    mSubSetupLoadGrid(4);
    mSubSelectLoadOption();
    imgMotor_Click();
    mSubFindProfileForm();
    mSubAssignBufferIcon(nFctGetMechBufferType());
}

void frmAxisDesign::ActiveBar1_ToolClick(QAction* tool)
{
    const QString key = tool->objectName();
    if (key == "vseToolAnalyze" || key == "MotorReq") {
        gnAnalysisAxis = AxisId();
        if (key == "vseToolAnalyze") {
            frmAnalysis analysis(MainWindow());
            analysis.exec();
        } else {
            frmMotorReq requirements(MainWindow());
            requirements.exec();
        }
    } else if (key == "ClearMotor") {
        mSubClearMotor();
    } else if (key == "vseToolAppend") {
        mSubAppend();
    } else if (key == "vseToolReplace") {
        mSubReplace();
    } else if (key == "vseToolInsert") {
        mSubInsert();
    } else if (key == "vseToolCut") {
        mSubCut();
    } else if (key == "vseToolCopy") {
        mSubAssignBufferIcon(-1);
    } else if (key == "vseToolHelp") {
        SubShowHelpTopic(kWindowHelpTopic);
    }
}

void frmAxisDesign::mSubSelectLoadOption()
{
    const int16_t axis = AxisId();
    if (!bFctAxisExists(axis))
        return;
    const int16_t count = nFctGetMechanismCount(axis);
    for (int16_t position = 0; position < count; ++position) {
        mnFctAddPictureSlot(nFctGetMechanismType(axis, position));
        mSubArrangeMechanismPictures(position, false);
    }
    const int index = LoadListIndex(nFctGetLoadType(axis));
    if (index >= 0)
        cboLoad->setCurrentIndex(index);
    mSubWriteLoadDataToTable();
}

void frmAxisDesign::mSubFindProfileForm()
{
    mnProfileSlot = -1;
    for (int16_t slot = 1; slot < static_cast<int16_t>(gfrmProfile.size()); ++slot) {
        frmProfile* profile = ProfileWindow(slot);
        if (profile && profile->Tag() == Tag()) {
            mnProfileSlot = slot;
            return;
        }
    }
}

frmProfile* frmAxisDesign::ProfileForm() const
{
    return ProfileWindow(mnProfileSlot);
}

void frmAxisDesign::cboLoad_Click()
{
    if (IsFirstActivation())
        return;
    const int index = cboLoad->currentIndex();
    if (index < 0 || index >= static_cast<int>(kLoadTypes.size()))
        return;
    const int16_t axis = AxisId();
    if (index == kWeightOnlyIndex && !bFctAxisEndsLinear(axis)) {
        SubPrepareCatalogueMessage(*gMsg, kWeightOnlyRefused);
        gMsg->nFctDisplay();
        // The load stays as it was; the list shows its type again. A type
        // the list does not offer was shown as None, the list's first entry.
        const QSignalBlocker quiet(cboLoad);
        cboLoad->setCurrentIndex(std::max(LoadListIndex(nFctGetLoadType(axis)), 0));
        return;
    }
    nFctSetLoadType(axis, kLoadTypes[static_cast<size_t>(index)]);
    mSubWriteLoadDataToTable();
}

void frmAxisDesign::mSubClearMotor()
{
    mSubSetupMotorGrid(mnMotorDataRows);
    SubClearAxisMotor(AxisId());
    mSubWriteMotorDataToTable();
}

void frmAxisDesign::vseMechHelp_Click()
{
    if (mnSelectedPosition == -1 || mnSelectedPicture == -1)
        return;
    SubShowHelpTopic(MechanismHelpTopic(nFctGetMechanismType(AxisId(), mnSelectedPosition)));
}

void frmAxisDesign::vseClose_Click()
{
    vseListBox->hide();
}

void frmAxisDesign::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        SubShowHelpTopic(kWindowHelpTopic);
        event->accept();
        return;
    }
    AxisChildWindow::keyPressEvent(event);
}

void frmAxisDesign::mSubRefitGridRows(QObject* grid)
{
    if (grid == vsfMechanism)
        SubSetGridScrollBars(vsfMechanism, mnMechanismDataRows);
    else if (grid == vsfMotor)
        SubSetGridScrollBars(vsfMotor, mnMotorDataRows);
    else if (grid == vsfLoad)
        SubSetGridScrollBars(vsfLoad, mnLoadDataRows);
}

bool frmAxisDesign::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picAxisDesign && imgCancel && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        mSubPlaceRefusalMark();
    // The panels follow the window's height, whenever it changes (also
    // when a restored or maximised window lays out later).
    if (event->type() == QEvent::Resize && !isMinimized())
        mSubRefitGridRows(watched);
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == vseLoad) {
            vsfLoad->setFocus();
        } else if (watched == vseMechanism) {
            vsfMechanism->setFocus();
        } else if (watched == vseMotor) {
            vsfMotorInfo->setCurrentCell(0, vsfMotorInfo->currentColumn());
            vsfMotorInfo->setFocus();
        }
    }
    return AxisChildWindow::eventFilter(watched, event);
}
