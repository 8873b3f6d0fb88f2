#include "profile/frmProfile.h"

#include "foundation/ClsMessageSystem.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "foundation/basWinAPICalls.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisCalculationsGearMotor.h"
#include "model/basAxisRequirements.h"
#include "model/basValueConversion.h"
#include "model/basWindowStatus.h"
#include "platform/qt/BusyPointer.h"
#include "platform/qt/Commands.h"
#include "platform/qt/DialogLook.h"
#include "platform/qt/FlexGrid.h"
#include "platform/qt/LineGraph.h"
#include "profile/frmProfileGraphs.h"
#include "profile/frmProfileLayout.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// A redrawn graph paints at once. Input waiting meanwhile stays queued: a
// segment edit is often ended by a press elsewhere (a click in the outline),
// whose release must reach its widget after the press, not inside it.
void LetTheGraphsPaint()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Wide enough for the German field names and six-decimal values in the
// segment table's fixed column fractions.
constexpr int kTablePanelWidth = 470;

// The tools of the band "vseVelocityTools": key and caption text.
struct ProfileTool {
    const char* key;
    int16_t captionId;
};
constexpr ProfileTool kTools[] = {
    {"vseVelocityClear", 161}, {"vseVelocityRotary", 170}, {"vseVelocityLinear", 171}, {"vseVelocityHelp", 352}};

QString Text(int16_t id)
{
    return QString::fromStdString(sFctGetText(id));
}

QFrame* Panel(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    return frame;
}

// The column of a panel: its caption row, then its grid or graph.
QVBoxLayout* PanelColumn(QFrame* panel)
{
    auto* box = new QVBoxLayout(panel);
    box->setContentsMargins(4, 2, 4, 4);
    box->setSpacing(2);
    return box;
}

// A table panel: fixed width at the right edge.
QFrame* TablePanel(QWidget* parent, const char* name)
{
    QFrame* panel = Panel(parent, name);
    panel->setFixedWidth(kTablePanelWidth);
    return panel;
}

QLabel* PanelCaption(QWidget* panel)
{
    auto* caption = new QLabel(panel);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    return caption;
}

} // namespace

frmProfile::frmProfile(QWidget* parent)
    : AxisChildWindow(WindowKind::Profile, 36, QSize(533, 320), QSize(780, 540), parent)
{
    setObjectName("frmProfile");
    BuildControls();
    mSubSetColours();
    mSubInitCaptions();
    ConnectGridEvents();
}

void frmProfile::BuildControls()
{
    auto* content = new QWidget(this);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ActiveBar1_ = new QToolBar(content);
    ActiveBar1_->setObjectName("vseVelocityTools");
    ActiveBar1_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ProfileTool& entry : kTools) {
        QAction* tool = ActiveBar1_->addAction(QString());
        tool->setObjectName(entry.key);
        const QString key = entry.key;
        platform::ConnectCommand(tool, &QAction::triggered, this, [this, key] { ActiveBar1_ToolClick(key); });
    }
    toolRotary_ = ActiveBar1_->findChild<QAction*>("vseVelocityRotary");
    toolLinear_ = ActiveBar1_->findChild<QAction*>("vseVelocityLinear");
    toolRotary_->setCheckable(true);
    toolLinear_->setCheckable(true);
    toolRotary_->setChecked(true);
    column->addWidget(ActiveBar1_);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(4, 4, 4, 4);
    body->setSpacing(4);
    column->addLayout(body, 1);

    // The graphs, one above the other, take the width the tables leave.
    vseGraphs_ = new QFrame(content);
    vseGraphs_->setObjectName("vseGraphs");
    vseGraphs_->setAutoFillBackground(true);
    auto* graphs = new QVBoxLayout(vseGraphs_);
    graphs->setContentsMargins(0, 0, 0, 0);
    graphs->setSpacing(4);
    auto addGraph = [&](QFrame*& panel, QLabel*& caption, platform::LineGraph*& graph, const char* panelName,
                        const char* graphName) {
        panel = Panel(vseGraphs_, panelName);
        QVBoxLayout* box = PanelColumn(panel);
        caption = PanelCaption(panel);
        graph = new platform::LineGraph(panel);
        graph->setObjectName(graphName);
        box->addWidget(caption);
        box->addWidget(graph, 1);
        graphs->addWidget(panel, 1);
    };
    addGraph(vseVelocityGraph_, lblVelocityGraph_, grpVelocity_, "vseVelocityGraph", "grpVelocity");
    addGraph(vseTorqueGraph_, lblTorqueGraph_, grpTorque_, "vseTorqueGraph", "grpTorque");
    platform::LineGraph::ShareTimeAxis({grpVelocity_, grpTorque_});
    body->addWidget(vseGraphs_, 1);

    // The tables keep their width at the right edge.
    auto* tables = new QVBoxLayout;
    tables->setSpacing(4);
    body->addLayout(tables);

    vseQuickSetup_ = TablePanel(content, "vseQuickSetup");
    QVBoxLayout* quick = PanelColumn(vseQuickSetup_);
    auto* quickHead = new QHBoxLayout;
    lblQuickSetup_ = PanelCaption(vseQuickSetup_);
    quickHead->addWidget(lblQuickSetup_);
    cboProfileMode_ = new QComboBox(vseQuickSetup_);
    cboProfileMode_->setObjectName("cboProfileMode");
    quickHead->addWidget(cboProfileMode_, 1);
    platform::ConnectCommand(cboProfileMode_, &QComboBox::activated, this, [this] { cboProfileMode_Click(); });
    vseTransfer_ = new QPushButton(vseQuickSetup_);
    vseTransfer_->setObjectName("vseTransfer");
    platform::ConnectCommand(vseTransfer_, &QPushButton::clicked, this, [this] { vseTransfer_Click(); });
    quickHead->addWidget(vseTransfer_);
    quick->addLayout(quickHead);
    vsfQuickSetup_ = new platform::FlexGrid(vseQuickSetup_);
    vsfQuickSetup_->setObjectName("vsfQuickSetup");
    // The header and the six rows of a trapezoidal move, no more.
    vsfQuickSetup_->setFixedHeight((profile_layout::kQuickSetupMaxRows + 1) * vsfQuickSetup_->RowHeightPixels() +
                                   2 * vsfQuickSetup_->frameWidth());
    vsfQuickSetup_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vsfQuickSetup_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    quick->addWidget(vsfQuickSetup_);
    tables->addWidget(vseQuickSetup_);

    vseVelProfile_ = TablePanel(content, "vseVelProfile");
    QVBoxLayout* segments = PanelColumn(vseVelProfile_);
    // The caption, and at its right the motion-mode options of both tables.
    auto* segmentHead = new QHBoxLayout;
    lblVelProfile_ = PanelCaption(vseVelProfile_);
    segmentHead->addWidget(lblVelProfile_, 1);
    auto* motionModes = new QButtonGroup(this);
    for (int16_t k = 0; k < 2; ++k) {
        optMotionMode_[k] = new QRadioButton(vseVelProfile_);
        optMotionMode_[k]->setObjectName(QStringLiteral("optMotionMode_%1").arg(k));
        motionModes->addButton(optMotionMode_[k], k);
        segmentHead->addWidget(optMotionMode_[k]);
        // Only a change of the selection is a click: the option already
        // shown selected, or one selected by code, starts no switch (and
        // finishes no edit).
        connect(optMotionMode_[k], &QRadioButton::toggled, this, [this, k](bool checked) {
            if (checked && !mbSelectingMotionOption)
                platform::RunCommand([this, k] { optMotionMode_Click(k); });
        });
    }
    SelectMotionOption(MotionMode::Rotary);
    segments->addLayout(segmentHead);
    vsfVelProfile_ = new platform::FlexGrid(vseVelProfile_);
    vsfVelProfile_->setObjectName("vsfVelProfile");
    vsfVelProfile_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    segments->addWidget(vsfVelProfile_, 1);
    tables->addWidget(vseVelProfile_, 1);

    // A click on a table panel hands the focus to its grid.
    vseQuickSetup_->installEventFilter(this);
    vseVelProfile_->installEventFilter(this);

    setWidget(content);
}

void frmProfile::mSubSetColours()
{
    if (!platform::ColorSchemeWanted())
        return;
    const QColor panel = platform::kSchemeButtonColor;
    platform::PaintBackground(widget(), platform::kSchemeWindowColor);
    platform::PaintBackground(vseGraphs_, platform::kSchemeWindowColor);
    platform::PaintButton(vseTransfer_, panel);
    platform::PaintBase(cboProfileMode_, platform::kSchemeListColor);
    for (QWidget* w : {static_cast<QWidget*>(vseVelocityGraph_), static_cast<QWidget*>(vseTorqueGraph_),
                       static_cast<QWidget*>(vseQuickSetup_), static_cast<QWidget*>(vseVelProfile_)})
        platform::PaintBackground(w, panel);
    for (platform::FlexGrid* grid : {vsfQuickSetup_, vsfVelProfile_}) {
        grid->SetBackColor(panel);
        grid->SetBackColorSel(panel);
    }
}

void frmProfile::mSubInitCaptions()
{
    lblQuickSetup_->setText(Text(127));
    lblVelProfile_->setText(Text(126));
    lblVelocityGraph_->setText(Text(250));
    lblTorqueGraph_->setText(Text(249));
    vseTransfer_->setText(Text(276));
    optMotionMode_[0]->setText(Text(170).trimmed());
    optMotionMode_[1]->setText(Text(171).trimmed());
    cboProfileMode_->clear();
    cboProfileMode_->addItem(Text(130));
    cboProfileMode_->addItem(Text(131));
    cboProfileMode_->setCurrentIndex(0);
    for (const ProfileTool& entry : kTools)
        ActiveBar1_->findChild<QAction*>(entry.key)->setText(Text(entry.captionId));
}

// ---- Activation -------------------------------------------------------------

void frmProfile::FirstActivationStep()
{
    platform::BusyPointer busy;
    QApplication::processEvents();
    mSubInitProfile();
}

void frmProfile::EveryActivationStep()
{
    platform::BusyPointer busy;
    mSubCheckMotionMode();
    mSubDisplayVelocityGraph(0);
    mSubDisplayTorqueGraph(0);
}

void frmProfile::mSubInitProfile()
{
    const int16_t axis = AxisId();
    if (nFctGetSegmentCount(axis) == 0)
        nFctInitProfileSegments(axis);
    mSubFillSegmentTable(false);
    mSubRefreshSegmentValues();
    if (!bFctIsQuickSetupDefined(axis))
        nFctInitQuickSetup(axis, model::kTrue);
    const int16_t mode = nFctGetQuickSetupMode(axis);
    if (mode == QuickSetupMode::Triangular || mode == QuickSetupMode::Trapezoidal)
        cboProfileMode_->setCurrentIndex(mode);
    mSubSetQuickSetupTable();
    mSubCalcQuickSetup(false);
}

// ---- Motion mode --------------------------------------------------------------

void frmProfile::SelectMotionOption(int16_t index)
{
    mbSelectingMotionOption = true;
    optMotionMode_[index != 0 ? 1 : 0]->setChecked(true);
    mbSelectingMotionOption = false;
}

void frmProfile::mSubSetToolbarLinear()
{
    toolLinear_->setChecked(true);
    toolRotary_->setChecked(false);
}

void frmProfile::mSubSetToolbarRotary()
{
    toolRotary_->setChecked(true);
    toolLinear_->setChecked(false);
}

void frmProfile::mSubEnableLinearMotion(bool enable)
{
    optMotionMode_[1]->setEnabled(enable);
    toolLinear_->setEnabled(enable);
}

void frmProfile::mSubCheckMotionMode()
{
    const int16_t axis = AxisId();
    double travel = -1.0;
    int16_t travelUnit = 0;
    const bool endsLinear = bFctAxisEndsLinear(axis) != 0;
    if (bFctQuickSetupEmpty(axis) && bFctProfileEmpty(axis) && endsLinear &&
        nFctGetAxisRevsPerTravel(axis, travel, travelUnit, 0))
        optMotionMode_Click(MotionMode::Linear);
    if (!endsLinear) {
        // Shown as rotary; the stored mode stays as it is.
        if (optMotionMode_[1]->isChecked()) {
            SelectMotionOption(MotionMode::Rotary);
            mSubSetToolbarRotary();
        }
        mSubEnableLinearMotion(false);
        return;
    }
    mSubEnableLinearMotion(true);
    if (nFctGetMotionMode(axis) == MotionMode::Linear) {
        SelectMotionOption(MotionMode::Linear);
        mSubSetToolbarLinear();
    }
}

void frmProfile::optMotionMode_Click(int16_t index)
{
    const int16_t axis = AxisId();
    if (nFctGetMotionMode(axis) == index)
        return;
    double travel = -1.0;
    int16_t travelUnit = 0;
    if (!nFctGetAxisRevsPerTravel(axis, travel, travelUnit, 0)) {
        SubPrepareCatalogueMessage(*gMsg, 2010);
        gMsg->nFctDisplay();
        SelectMotionOption(index != 0 ? MotionMode::Rotary : MotionMode::Linear);
        return;
    }
    ConvertTablesForMotionSwitch();
    const int16_t mode = index != 0 ? MotionMode::Linear : MotionMode::Rotary;
    SubSetMotionMode(axis, mode);
    SelectMotionOption(mode);
    if (mode == MotionMode::Linear)
        mSubSetToolbarLinear();
    else
        mSubSetToolbarRotary();
    mSubDisplayVelocityGraph(0);
    mSubDisplayTorqueGraph(0);
}

void frmProfile::ConvertTablesForMotionSwitch()
{
    const int16_t axis = AxisId();
    SubConvertQuickSetupForMotionSwitch(axis);
    mSubSetQuickSetupTable();
    mSubCalcQuickSetup(false);
    SubConvertSegmentsForMotionSwitch(axis);
    mSubFillSegmentTable(true);
    mSubFillCalculatedColumn();
}

// ---- Toolbar, Clear, help ---------------------------------------------------

void frmProfile::ActiveBar1_ToolClick(const QString& key)
{
    if (key == "vseVelocityClear") {
        mSubClearProfile();
    } else if (key == "vseVelocityRotary" || key == "vseVelocityLinear") {
        // As a click on the tool's option, which does nothing while that
        // option is shown selected or not offered.
        QRadioButton* option = optMotionMode_[key == "vseVelocityLinear" ? 1 : 0];
        if (option->isEnabled() && !option->isChecked()) {
            optMotionMode_Click(key == "vseVelocityLinear" ? MotionMode::Linear : MotionMode::Rotary);
            SelectMotionOption(nFctGetMotionMode(AxisId()));
        }
        // A checkable tool toggles itself: the tools show the option selected.
        if (optMotionMode_[1]->isChecked())
            mSubSetToolbarLinear();
        else
            mSubSetToolbarRotary();
    } else if (key == "vseVelocityHelp") {
        mSubShowProfileHelp();
    }
}

void frmProfile::mSubClearProfile()
{
    const int16_t axis = AxisId();
    const int16_t remembered = nFctGetMotionMode(axis);
    nFctInitProfileSegments(axis);
    nFctInitQuickSetup(axis, model::kFalse);
    if (remembered == nFctGetMotionMode(axis)) {
        mSubFillSegmentTable(true);
        mSubSetQuickSetupTable();
    } else {
        // The fresh profile is rotary: bring it back to linear units.
        ConvertTablesForMotionSwitch();
        SubSetMotionMode(axis, remembered);
    }
    mSubDisplayVelocityGraph(0);
    mSubDisplayTorqueGraph(0);
}

void frmProfile::mSubShowProfileHelp()
{
    SubShowHelpTopic("VelocityProfile.htm");
}

void frmProfile::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        mSubShowProfileHelp();
        return;
    }
    AxisChildWindow::keyPressEvent(event);
}

bool frmProfile::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == vseQuickSetup_)
            vsfQuickSetup_->setFocus();
        else if (watched == vseVelProfile_)
            vsfVelProfile_->setFocus();
    }
    return AxisChildWindow::eventFilter(watched, event);
}

// ---- Unit change -------------------------------------------------------------

void frmProfile::mSubUpdateScreenToUnitClass()
{
    if (optMotionMode_[1]->isChecked()) {
        mSubSetQuickSetupTable();
        mSubFillSegmentTable(true);
        mSubCalcQuickSetup(false);
        mSubDisplayTorqueGraph(0);
        mSubDisplayVelocityGraph(0);
    } else {
        mSubDisplayTorqueGraph(0);
    }
    emit ScreenUpdatedToUnitClass();
}

// ---- Graphs --------------------------------------------------------------------

void frmProfile::mSubDisplayVelocityGraph(int16_t mode)
{
    const int16_t n = nFctGetSegmentCount(AxisId());
    std::vector<ProfileGraphSegment> segments;
    for (int16_t s = 0; s < n; ++s)
        segments.push_back({SegmentGraphValue(s, 0), SegmentGraphValue(s, 1), SegmentGraphValue(s, 2)});
    platform::GraphData data = VelocityGraphData(segments, SegmentTableText(1, 4), SegmentTableText(3, 4));
    data.decimalSeparator = QString::fromStdString(gsDecimalSeparator);
    if (mode >= 0 && mode <= 2)
        grpVelocity_->SetData(data);
    LetTheGraphsPaint();
}

void frmProfile::mSubDisplayTorqueGraph(int16_t mode)
{
    const int16_t axis = AxisId();
    std::vector<double> torques;
    int16_t torqueUnit = -1;
    double speedAtPeak = 0.0;
    dFctCalculateAxis(axis, torques, torqueUnit, speedAtPeak, model::kFalse);
    // The table's last element is a closing 0, not a segment.
    if (!torques.empty())
        torques.pop_back();
    std::vector<double> durations;
    for (size_t i = 0; i < torques.size(); ++i)
        durations.push_back(dFctTextToDouble(SegmentTableText(static_cast<int>(6 * i + 3), 3).toStdString()));
    // The torques stand at the drive shaft: a gear motor's at its gear's output.
    const std::string torqueTitle =
        sFctGetUnitText(torqueUnit) + calc::AtGearOutputText(calc::MotorAndGearOfAxis(axis));
    platform::GraphData data = TorqueGraphData(torques, durations, nFctGetUsedSegmentCount(axis),
                                               QString::fromStdString(torqueTitle), SegmentTableText(3, 4));
    data.decimalSeparator = QString::fromStdString(gsDecimalSeparator);
    if (mode >= 0 && mode <= 2)
        grpTorque_->SetData(data);
    LetTheGraphsPaint();
}
