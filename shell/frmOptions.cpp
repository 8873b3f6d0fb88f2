#include "shell/frmOptions.h"

#include "foundation/basDatabaseAccess.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "platform/qt/ColorChooser.h"
#include "platform/qt/DialogLook.h"
#include "platform/qt/QtPlatformServices.h"
#include "shell/MDIMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Text(int16_t id)
{
    return QString::fromStdString(sFctGetText(id));
}

QString NumberText(double value)
{
    return QString::fromStdString(sFctFormatNumber(value));
}

struct Switch {
    int16_t captionId;
    int16_t* setting;
};

const std::array<Switch, frmOptions::kSwitchCount> kSwitches{{
    {114, &gbShowTaskbar},
    {115, &gbShowMessageBar},
    {117, &gbCreateBackup},
    {116, &gbLoadDefaultAxis},
    {118, &gbPromptDeleteAxis},
}};

// The factor fields' labels, in the order of the settings' factors.
static_assert(frmOptions::kFactorCount == kSafetyFactorCount);
const std::array<int16_t, frmOptions::kFactorCount> kFactorLabels{315, 316, 331, 317, 318, 319, 320};

constexpr int kSampleLines = 10;

enum Command { kOkay = 0, kCancel = 1, kSetDefaults = 2 };
enum ReportCommand { kBackColor = 0, kTextColor = 1, kReportDefaults = 2 };

template <class Widget>
Widget* Named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

frmOptions::frmOptions(QWidget* mainWindow)
    : QDialog(mainWindow)
    , mainWindow_(mainWindow)
{
    setObjectName("frmOptions");
    buildControls();
    SubCenterForm(platform::ToWindow(this));
    mSubSetColorScheme();
    mSubSetCaptions();
    platform::TakeMainWindowLook(this, mainWindow, imgLogo_);
    showSettings();
}

void frmOptions::buildControls()
{
    tabMain_ = Named(new QTabWidget(this), "tabMain");
    pages_[static_cast<int>(OptionsPage::Misc)] = buildMiscPage();
    QWidget* factorPage = buildFactorPage();
    QWidget* reportPage = buildReportPage();
    auto* graphPage = new QWidget;
    tabMain_->addTab(pages_[0], QString());
    // A page whose switch is off is not shown; its controls still carry the
    // working values.
    const std::array<std::pair<int16_t, QWidget*>, 3> optional{
        {{gbSafetyFactorsTab, factorPage}, {gbReportOptionsTab, reportPage}, {gbGraphOptionsTab, graphPage}}};
    for (int k = 0; k < 3; ++k) {
        if (optional[k].first != 0) {
            pages_[k + 1] = optional[k].second;
            tabMain_->addTab(optional[k].second, QString());
        } else {
            optional[k].second->setParent(this);
            optional[k].second->hide();
        }
    }

    auto* buttons = new QHBoxLayout;
    for (int k = 0; k < 3; ++k) {
        vseCommand_[k] = Named(new QPushButton(this), QStringLiteral("vseCommand_%1").arg(k));
        vseCommand_[k]->setAutoDefault(false);
        connect(vseCommand_[k], &QPushButton::clicked, this, [this, k] { vseCommand_Click(k); });
        buttons->addWidget(vseCommand_[k]);
    }
    lblHelp_ = Named(new QLabel(this), "lblHelp");
    imgLogo_ = Named(new QLabel(this), "imgLogo");

    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo_);
    top->addStretch();
    top->addWidget(lblHelp_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabMain_);
    layout->addLayout(buttons);
}

QWidget* frmOptions::buildMiscPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (int k = 0; k < kSwitchCount; ++k) {
        chkOptions_[k] = Named(new QCheckBox(page), QStringLiteral("chkOptions_%1").arg(k));
        layout->addWidget(chkOptions_[k]);
    }
    layout->addStretch();
    return page;
}

QWidget* frmOptions::buildFactorPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    for (int k = 0; k < kFactorCount; ++k) {
        lblData_[k] = Named(new QLabel(page), QStringLiteral("lblData_%1").arg(k));
        txtData_[k] = Named(new QLineEdit(page), QStringLiteral("txtData_%1").arg(k));
        txtData_[k]->installEventFilter(this);
        // Room for a factor as the display writes it (four decimals below
        // 10), and for whatever the user types.
        platform::KeepTextWhole(txtData_[k], QStringLiteral("999.9999"));
        layout->addWidget(lblData_[k], k, 0);
        layout->addWidget(txtData_[k], k, 1);
    }
    layout->setRowStretch(kFactorCount, 1);
    return page;
}

QWidget* frmOptions::buildReportPage()
{
    auto* page = new QWidget;
    txtSample_ = Named(new QPlainTextEdit(page), "txtSample");
    txtSample_->setReadOnly(true);
    auto* controls = new QVBoxLayout;
    for (int k = 0; k < 3; ++k) {
        vseReport_[k] = Named(new QPushButton(page), QStringLiteral("vseReport_%1").arg(k));
        vseReport_[k]->setAutoDefault(false);
        connect(vseReport_[k], &QPushButton::clicked, this, [this, k] { vseReport_Click(k); });
        controls->addWidget(vseReport_[k]);
    }
    lblFontSize_ = Named(new QLabel(page), "lblFontSize");
    cboFontSize_ = Named(new QComboBox(page), "cboFontSize");
    connect(cboFontSize_, &QComboBox::currentIndexChanged, this, &frmOptions::cboFontSize_Click);
    controls->addWidget(lblFontSize_);
    controls->addWidget(cboFontSize_);
    controls->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(txtSample_, 1);
    layout->addLayout(controls);
    return page;
}

void frmOptions::mSubSetColorScheme()
{
    if (!platform::ColorSchemeWanted())
        return;
    platform::PaintBackground(this, platform::kSchemeWindowColor);
    platform::PaintBackground(tabMain_, platform::kSchemeButtonColor);
    for (QPushButton* button : vseCommand_)
        platform::PaintButton(button, platform::kSchemeButtonColor);
    for (QPushButton* button : vseReport_)
        platform::PaintButton(button, platform::kSchemeButtonColor);
    for (QCheckBox* box : chkOptions_)
        platform::PaintBackground(box, platform::kSchemeButtonColor);
}

void frmOptions::mSubSetCaptions()
{
    setWindowTitle(Text(112));
    vseCommand_[kOkay]->setText(Text(19));
    vseCommand_[kCancel]->setText(Text(20));
    vseCommand_[kSetDefaults]->setText(Text(311));
    const std::array<int16_t, 4> pageCaptions{113, 312, 313, 314};
    for (int k = 0; k < 4; ++k)
        if (pages_[k])
            tabMain_->setTabText(tabMain_->indexOf(pages_[k]), Text(pageCaptions[k]));
    for (int k = 0; k < kSwitchCount; ++k)
        chkOptions_[k]->setText(Text(kSwitches[k].captionId));
    for (int k = 0; k < kFactorCount; ++k)
        lblData_[k]->setText(Text(kFactorLabels[k]));
    lblHelp_->setText(Text(245));
    QStringList sample;
    for (int k = 0; k < kSampleLines; ++k)
        sample << Text(321);
    txtSample_->setPlainText(sample.join('\n'));
    vseReport_[kBackColor]->setText(Text(322));
    vseReport_[kTextColor]->setText(Text(323));
    vseReport_[kReportDefaults]->setText(Text(311));
    lblFontSize_->setText(Text(324));
    cboFontSize_->clear();
    for (int size : kReportFontSizes)
        cboFontSize_->addItem(QString::number(size));
    cboFontSize_->setCurrentIndex(gnReportFontSize == 8 ? 0 : 1);
}

void frmOptions::showSettings()
{
    for (int k = 0; k < kSwitchCount; ++k)
        chkOptions_[k]->setChecked(*kSwitches[k].setting != 0);
    for (int k = 0; k < kFactorCount; ++k)
        txtData_[k]->setText(NumberText(*kSafetyFactors[k].global));
    sampleBackColor_ = glReportBackColor;
    sampleTextColor_ = glReportTextColor;
    sampleFontSize_ = gnReportFontSize;
    showSample();
}

void frmOptions::showSample()
{
    QPalette palette = txtSample_->palette();
    palette.setColor(QPalette::Base, platform::ColorFromRgbLong(sampleBackColor_));
    palette.setColor(QPalette::Text, platform::ColorFromRgbLong(sampleTextColor_));
    txtSample_->setPalette(palette);
    QFont font = txtSample_->font();
    font.setPointSize(sampleFontSize_);
    txtSample_->setFont(font);
}

void frmOptions::SelectPage(OptionsPage page)
{
    QWidget* widget = pages_[static_cast<int>(page)];
    tabMain_->setCurrentIndex(widget ? tabMain_->indexOf(widget) : 0);
}

OptionsPage frmOptions::currentPage() const
{
    for (int k = 0; k < 4; ++k)
        if (pages_[k] && pages_[k] == tabMain_->currentWidget())
            return static_cast<OptionsPage>(k);
    return OptionsPage::Misc;
}

// Every field is examined every time: each must hold a number text that
// can be stored, and fields 0 to 4 a value of their rule (fields 5 and 6
// have none). With bReportError an invalid field beeps and takes the focus
// on its page (the last invalid one keeps it), and a text that is no number
// says why in the message bar; otherwise it shows its default again.
bool frmOptions::mbFctCheckSafetyFactors(bool bReportError)
{
    bool valid = true;
    NumberFault textFault = NumberFault::None;
    for (int k = 0; k < kFactorCount; ++k) {
        const std::string text = txtData_[k]->text().toStdString();
        const NumberFault fault = nFctNumberTextFault(text);
        if (fault == NumberFault::None && bFctFactorTakes(kSafetyFactors[k], dFctTextToDouble(text)))
            continue;
        valid = false;
        if (bReportError) {
            if (fault != NumberFault::None)
                textFault = fault;
            platform::Beep();
            SelectPage(OptionsPage::SafetyFactors);
            txtData_[k]->setFocus();
        } else {
            txtData_[k]->setText(NumberText(kSafetyFactors[k].defaultValue));
        }
    }
    if (bReportError)
        SubShowNumberFault(NumberEntry::Stored, textFault);
    return valid;
}

void frmOptions::moveToField(int index)
{
    txtData_[(index + kFactorCount) % kFactorCount]->setFocus();
    mbFctCheckSafetyFactors(true);
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    const auto field = std::find(txtData_.begin(), txtData_.end(), watched);
    if (field == txtData_.end())
        return QDialog::eventFilter(watched, event);
    const int index = static_cast<int>(field - txtData_.begin());
    QLineEdit* edit = *field;
    if (event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    } else if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A text that is no number stays as typed, for the check to tell.
            if (nFctNumberTextFault(edit->text().toStdString()) == NumberFault::None)
                edit->setText(NumberText(dFctTextToDouble(edit->text().toStdString())));
            moveToField(index + 1);
            return true;
        case Qt::Key_Up:
            moveToField(index - 1);
            return true;
        case Qt::Key_Down:
            moveToField(index + 1);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_F1) {
        QDialog::keyPressEvent(event);  // Escape: Cancel
        return;
    }
    switch (currentPage()) {
    case OptionsPage::Misc:
        SubShowHelpTopic("MiscellaneousOptions.htm");
        break;
    case OptionsPage::SafetyFactors:
        SubShowHelpTopic("SafetyFactors.htm");
        break;
    case OptionsPage::Report:
        SubShowHelpTopic("ReportOptions.htm");
        break;
    case OptionsPage::Graphs:
        SubShowHelpTopic("FileOptions.htm");
        break;
    }
}

void frmOptions::vseReport_Click(int index)
{
    switch (index) {
    case kBackColor:
        if (platform::ChooseColor(this, sampleBackColor_))
            showSample();
        break;
    case kTextColor:
        if (platform::ChooseColor(this, sampleTextColor_))
            showSample();
        break;
    case kReportDefaults:
        sampleBackColor_ = kDefaultReportBackColor;
        sampleTextColor_ = kDefaultReportTextColor;
        showSample();
        cboFontSize_->setCurrentIndex(1);
        break;
    }
}

void frmOptions::cboFontSize_Click(int index)
{
    if (index < 0)
        return;
    sampleFontSize_ = kReportFontSizes[index];
    showSample();
}

void frmOptions::vseCommand_Click(int index)
{
    switch (index) {
    case kOkay:
        if (!mbFctCheckSafetyFactors(true))
            return;
        storeSettings();
        applyMainWindowBars();
        accept();
        break;
    case kCancel:
        reject();
        break;
    case kSetDefaults:
        for (int k = 0; k < kFactorCount; ++k)
            txtData_[k]->setText(NumberText(kSafetyFactors[k].defaultValue));
        break;
    }
}

// The factors are read from the fields' texts, so a value is stored as it
// is shown.
void frmOptions::storeSettings()
{
    for (int k = 0; k < kSwitchCount; ++k)
        *kSwitches[k].setting = chkOptions_[k]->isChecked() ? -1 : 0;
    for (int k = 0; k < kFactorCount; ++k)
        *kSafetyFactors[k].global = dFctTextToDouble(txtData_[k]->text().toStdString());
    glReportBackColor = sampleBackColor_;
    glReportTextColor = sampleTextColor_;
    gnReportFontSize = static_cast<int16_t>(sampleFontSize_);
}

void frmOptions::applyMainWindowBars()
{
    auto* main = qobject_cast<MDIMain*>(mainWindow_);
    if (!main)
        return;
    main->picTopToolbar()->setVisible(gbShowTaskbar != 0);
    main->picStatusBar()->setVisible(gbShowMessageBar != 0);
    main->MDIForm_Resize();
}

void ShowOptionsDialog(QWidget* mainWindow, OptionsPage page)
{
    frmOptions dialog(mainWindow);
    dialog.SelectPage(page);
    dialog.exec();
}
