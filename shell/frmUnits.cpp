#include "shell/frmUnits.h"

#include "foundation/basParameterControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "foundation/basWinAPICalls.h"
#include "foundation/basGlobalFunctions.h"
#include "platform/qt/DialogLook.h"
#include "platform/qt/QtPlatformServices.h"
#include "platform/qt/UnitComboAdapter.h"
#include "shell/MDIMain.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString Text(int16_t id)
{
    return QString::fromStdString(sFctGetText(id));
}

// A quantity with a choice of unit: its label, its unit type and the
// selection global(s) that hold the chosen position.
struct SharedQuantity {
    int16_t labelId;
    int16_t unitType;
    int16_t* selection;
};

struct SystemQuantity {
    int16_t labelId;
    int16_t unitType;
    int16_t* englishSelection;
    int16_t* metricSelection;
};

const std::array<SharedQuantity, frmUnits::kGeneralCount> kGeneralQuantities{{
    {43, 2, &gnRotaryLengthUnit},
    {45, 5, &gnRotaryVelocityUnit},
    {47, 8, &gnRotaryAccelerationUnit},
}};

const std::array<SystemQuantity, frmUnits::kSystemCount> kSystemQuantities{{
    {44, 3, &gnEELinearLengthUnit, &gnMLinearLengthUnit},
    {46, 6, &gnEELinearVelocityUnit, &gnMLinearVelocityUnit},
    {48, 9, &gnEELinearAccelerationUnit, &gnMLinearAccelerationUnit},
    {49, 10, &gnEEPitchLeadUnit, &gnMPitchLeadUnit},
    {50, 11, &gnEEWeightUnit, &gnMWeightUnit},
    {51, 12, &gnEETorqueUnit, &gnMTorqueUnit},
    {52, 13, &gnEEInertiaUnit, &gnMInertiaUnit},
    {53, 17, &gnEEKtUnit, &gnMKtUnit},
}};

constexpr const char* kSystemEnglish = "EE";
constexpr const char* kSystemMetric = "M";
constexpr const char* kSystemBoth = "NA";

enum Command { kOk = 0, kCancel = 1, kDefault = 2 };

// The unit system and every selection the dialog sets.
struct UnitSelections {
    int16_t system = 0;
    std::array<int16_t, frmUnits::kGeneralCount> general{};
    std::array<int16_t, frmUnits::kSystemCount> english{};
    std::array<int16_t, frmUnits::kSystemCount> metric{};
};

UnitSelections CurrentSelections()
{
    UnitSelections s;
    s.system = gnUnitSystem;
    for (size_t k = 0; k < s.general.size(); ++k)
        s.general[k] = *kGeneralQuantities[k].selection;
    for (size_t k = 0; k < s.english.size(); ++k) {
        s.english[k] = *kSystemQuantities[k].englishSelection;
        s.metric[k] = *kSystemQuantities[k].metricSelection;
    }
    return s;
}

void RestoreSelections(const UnitSelections& s)
{
    gnUnitSystem = s.system;
    for (size_t k = 0; k < s.general.size(); ++k)
        *kGeneralQuantities[k].selection = s.general[k];
    for (size_t k = 0; k < s.english.size(); ++k) {
        *kSystemQuantities[k].englishSelection = s.english[k];
        *kSystemQuantities[k].metricSelection = s.metric[k];
    }
}

void FillList(QComboBox* list, int16_t unitType, const char* system, int16_t& index)
{
    platform::UnitComboAdapter adapter(list);
    nFctFillUnitCombo(adapter, unitType, system, index);
}

void FillListWithDefault(QComboBox* list, int16_t unitType, const char* system)
{
    int16_t index = -1;
    FillList(list, unitType, system, index);
}

QComboBox* NewList(QWidget* parent, const QString& name)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    return list;
}

QLabel* NewLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

frmUnits::frmUnits(QWidget* mainWindow)
    : QDialog(mainWindow)
{
    setObjectName("frmUnits");
    buildControls();
    SubCenterForm(platform::ToWindow(this));
    mSubSetColorScheme();
    mSubSetCaptions();
    platform::TakeMainWindowLook(this, mainWindow, imgLogo_);
    tabMain_->setCurrentIndex(gnUnitSystem == 0 ? 0 : 1);
}

void frmUnits::buildControls()
{
    picSideBar_ = new QWidget(this);
    picSideBar_->setObjectName("picSideBar");
    imgLogo_ = NewLabel(picSideBar_, "imgLogo");
    auto* sideLayout = new QVBoxLayout(picSideBar_);
    sideLayout->addWidget(imgLogo_);
    sideLayout->addStretch();

    lblSelectedUnit_ = NewLabel(this, "lblSelectedUnit");
    cboUnit_ = NewList(this, "cboUnit");
    connect(cboUnit_, &QComboBox::currentIndexChanged, this, &frmUnits::cboUnit_Click);

    auto* general = new QGridLayout;
    for (int k = 0; k < kGeneralCount; ++k) {
        lblGeneralUnits_[k] = NewLabel(this, QStringLiteral("lblGeneralUnits_%1").arg(k));
        cboGeneralUnits_[k] = NewList(this, QStringLiteral("cboGeneralUnits_%1").arg(k));
        general->addWidget(lblGeneralUnits_[k], k, 0);
        general->addWidget(cboGeneralUnits_[k], k, 1);
    }

    tabMain_ = new QTabWidget(this);
    tabMain_->setObjectName("tabMain");
    auto* usPage = new QWidget;
    auto* metricPage = new QWidget;
    auto* usLayout = new QGridLayout(usPage);
    auto* metricLayout = new QGridLayout(metricPage);
    for (int k = 0; k < kSystemCount; ++k) {
        lblUSLabel_[k] = NewLabel(usPage, QStringLiteral("lblUSLabel_%1").arg(k));
        cboUSUnits_[k] = NewList(usPage, QStringLiteral("cboUSUnits_%1").arg(k));
        usLayout->addWidget(lblUSLabel_[k], k, 0);
        usLayout->addWidget(cboUSUnits_[k], k, 1);
        lblMetricLabel_[k] = NewLabel(metricPage, QStringLiteral("lblMetricLabel_%1").arg(k));
        cboMetricUnits_[k] = NewList(metricPage, QStringLiteral("cboMetricUnits_%1").arg(k));
        metricLayout->addWidget(lblMetricLabel_[k], k, 0);
        metricLayout->addWidget(cboMetricUnits_[k], k, 1);
    }
    tabMain_->addTab(usPage, QString());
    tabMain_->addTab(metricPage, QString());

    auto* buttons = new QHBoxLayout;
    platform::AddCommandButtons(this, buttons, vseCommand_, [this](int k) { vseCommand_Click(k); });
    lblHelp_ = NewLabel(this, "lblHelp");

    auto* system = new QHBoxLayout;
    system->addWidget(lblSelectedUnit_);
    system->addWidget(cboUnit_, 1);
    auto* column = new QVBoxLayout;
    column->addLayout(system);
    column->addLayout(general);
    column->addWidget(tabMain_);
    column->addLayout(buttons);
    column->addWidget(lblHelp_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picSideBar_);
    layout->addLayout(column, 1);
}

void frmUnits::mSubSetColorScheme()
{
    if (!platform::ColorSchemeWanted())
        return;
    platform::PaintBackground(this, platform::kSchemeWindowColor);
    platform::PaintBackground(picSideBar_, platform::kSchemeWindowColor);
    platform::PaintBackground(tabMain_, platform::kSchemeWindowColor);
    for (int k = 0; k < tabMain_->count(); ++k)
        platform::PaintBackground(tabMain_->widget(k), platform::kSchemeWindowColor);
    platform::PaintBackground(tabMain_->tabBar(), platform::kSchemeDarkColor);
    for (QPushButton* button : vseCommand_)
        platform::PaintButton(button, platform::kSchemeButtonColor);
}

void frmUnits::mSubSetCaptions()
{
    setWindowTitle(Text(57));
    lblSelectedUnit_->setText(Text(56));
    lblHelp_->setText(Text(245));
    tabMain_->setTabText(0, "&" + Text(54));
    tabMain_->setTabText(1, "&" + Text(55));
    for (int k = 0; k < kGeneralCount; ++k)
        lblGeneralUnits_[k]->setText(Text(kGeneralQuantities[k].labelId));
    for (int k = 0; k < kSystemCount; ++k) {
        lblUSLabel_[k]->setText(Text(kSystemQuantities[k].labelId));
        lblMetricLabel_[k]->setText(Text(kSystemQuantities[k].labelId));
    }
    vseCommand_[kOk]->setText(Text(19));
    vseCommand_[kCancel]->setText(Text(20));
    vseCommand_[kDefault]->setText(Text(42));
}

void frmUnits::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (firstActivation_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::processEvents();
        mSubFillUnitLists();
        firstActivation_ = false;
        QApplication::restoreOverrideCursor();
    }
}

// The globals go in as the lists' indexes: one that is -1 or past its list
// comes back as the position of the Default unit, also when the dialog is
// cancelled afterwards.
void frmUnits::mSubFillUnitLists()
{
    cboUnit_->clear();
    cboUnit_->addItem(Text(54));
    cboUnit_->addItem(Text(55));
    cboUnit_->setCurrentIndex(gnUnitSystem != 0 ? 1 : 0);
    for (int k = 0; k < kGeneralCount; ++k)
        FillList(cboGeneralUnits_[k], kGeneralQuantities[k].unitType, kSystemBoth,
                 *kGeneralQuantities[k].selection);
    for (int k = 0; k < kSystemCount; ++k) {
        FillList(cboUSUnits_[k], kSystemQuantities[k].unitType, kSystemEnglish,
                 *kSystemQuantities[k].englishSelection);
        FillList(cboMetricUnits_[k], kSystemQuantities[k].unitType, kSystemMetric,
                 *kSystemQuantities[k].metricSelection);
    }
}

void frmUnits::mSubSetDefaultUnits()
{
    for (int k = 0; k < kGeneralCount; ++k)
        FillListWithDefault(cboGeneralUnits_[k], kGeneralQuantities[k].unitType, kSystemBoth);
    for (int k = 0; k < kSystemCount; ++k) {
        FillListWithDefault(cboUSUnits_[k], kSystemQuantities[k].unitType, kSystemEnglish);
        FillListWithDefault(cboMetricUnits_[k], kSystemQuantities[k].unitType, kSystemMetric);
    }
}

// A list that is empty or has no selection stores -1 (the Default unit).
void frmUnits::mSubStoreUnitSettings()
{
    gnUnitSystem = static_cast<int16_t>(cboUnit_->currentIndex());
    for (int k = 0; k < kGeneralCount; ++k)
        *kGeneralQuantities[k].selection = static_cast<int16_t>(cboGeneralUnits_[k]->currentIndex());
    for (int k = 0; k < kSystemCount; ++k) {
        *kSystemQuantities[k].englishSelection = static_cast<int16_t>(cboUSUnits_[k]->currentIndex());
        *kSystemQuantities[k].metricSelection = static_cast<int16_t>(cboMetricUnits_[k]->currentIndex());
    }
}

void frmUnits::cboUnit_Click(int index)
{
    if (firstActivation_ || index < 0)
        return;
    tabMain_->setCurrentIndex(index);
}

void frmUnits::vseCommand_Click(int index)
{
    switch (index) {
    case kOk: {
        const bool systemChanged = gnUnitSystem != cboUnit_->currentIndex();
        const UnitSelections before = CurrentSelections();
        mSubStoreUnitSettings();
        // A failing rebuild has shown its message and keeps the table built
        // before; the program goes on with it and with the selections that
        // table was built for, so that both agree.
        if (!bFctCreateParameterControlTable())
            RestoreSelections(before);
        else if (systemChanged)
            SubUpdateAllWindowsToUnits();
        accept();
        break;
    }
    case kCancel:
        reject();
        break;
    case kDefault:
        mSubSetDefaultUnits();
        break;
    }
}

void frmUnits::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        SubShowHelpTopic("UnitsSetup.htm");
        return;
    }
    QDialog::keyPressEvent(event);  // Escape: Cancel
}

void ShowUnitsDialog(QWidget* mainWindow)
{
    frmUnits dialog(mainWindow);
    dialog.exec();
}
