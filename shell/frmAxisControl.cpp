#include "shell/frmAxisControl.h"

#include "design/frmAxisDesign.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisData.h"
#include "model/basWindowStatus.h"
#include "platform/qt/DialogLook.h"
#include "platform/qt/FreeText.h"
#include "platform/qt/LongText.h"
#include "platform/qt/QtPlatformServices.h"
#include "profile/frmProfile.h"
#include "report/frmReport.h"
#include "shell/basWindowSlots.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Text(int16_t id)
{
    return QString::fromStdString(sFctGetText(id));
}

// What each mode shows and where its help is.
struct ModeFace {
    int16_t mode;
    int16_t captionId;
    int16_t actionId;
    const char* helpTopic;
};

constexpr std::array<ModeFace, 4> kModes{{
    {kAxisDialogOpen, 101, 105, "OpenAxis.htm"},
    {kAxisDialogClose, 102, 106, "CloseAxis.htm"},
    {kAxisDialogDelete, 103, 109, "DeleteAxis.htm"},
    {kAxisDialogSetModifyTitle, 104, 107, "SetModifyTitle.htm"},
}};

const ModeFace* FaceOf(int16_t mode)
{
    for (const ModeFace& face : kModes)
        if (face.mode == mode)
            return &face;
    return nullptr;
}

enum Command { kAction = 0, kCancel = 1, kDone = 2 };

constexpr int16_t kDeleteQuestion = 4002;
const QColor kTitleIdleColor(224, 224, 224);  // &HE0E0E0
const QColor kTitleEditColor(255, 255, 255);

void SetFieldColor(QLineEdit* field, const QColor& color)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, color);
    field->setPalette(palette);
}

// Str(ID) & " - " & title.
QString ListEntry(int16_t axisId, const std::string& title)
{
    const QString number = axisId >= 0 ? " " + QString::number(axisId) : QString::number(axisId);
    return number + " - " + QString::fromStdString(title);
}

} // namespace

frmAxisControl::frmAxisControl(QWidget* mainWindow, int16_t mode)
    : QDialog(mainWindow)
    , mode_(mode)
{
    setObjectName("frmAxisControl");
    buildControls();
    if (const ModeFace* face = FaceOf(mode_))
        setWindowTitle(Text(face->captionId));
    SubCenterForm(platform::ToWindow(this));
    mSubSetColorScheme();
    vseCommand_[kCancel]->setText(Text(20));
    lblHelp_->setText(Text(245));
    platform::TakeMainWindowLook(this, mainWindow, imgLogo_);
}

void frmAxisControl::buildControls()
{
    lstAxes_ = new QListWidget(this);
    lstAxes_->setObjectName("lstAxes");
    txtTitle_ = new QLineEdit(this);
    txtTitle_->setObjectName("txtTitle");
    // A title is one line: a tab or line end pasted or dropped into the
    // field is a blank there at once.
    txtTitle_->setValidator(new platform::FreeTextLineGuard(txtTitle_));
    txtTitle_->installEventFilter(this);
    txtTitle_->hide();
    txtTitle_->setEnabled(false);
    lblHelp_ = new QLabel(this);
    lblHelp_->setObjectName("lblHelp");
    imgLogo_ = new QLabel(this);
    imgLogo_->setObjectName("imgLogo");

    auto* buttons = new QVBoxLayout;
    platform::AddCommandButtons(this, buttons, vseCommand_, [this](int k) { vseCommand_Click(k); });
    buttons->addStretch();
    buttons->addWidget(imgLogo_);
    vseCommand_[kAction]->setEnabled(false);
    // Return runs the action, whatever has the focus but another button.
    vseCommand_[kAction]->setDefault(true);
    vseCommand_[kDone]->hide();
    vseCommand_[kDone]->setEnabled(false);

    // A click on an entry, or an entry selected with the keys.
    connect(lstAxes_, &QListWidget::itemClicked, this, &frmAxisControl::lstAxes_Click);
    connect(lstAxes_, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedRow() >= 0)
            lstAxes_Click();
    });
    connect(lstAxes_, &QListWidget::itemDoubleClicked, this, [this] { vseCommand_Click(kAction); });

    auto* column = new QVBoxLayout;
    column->addWidget(lstAxes_);
    column->addWidget(txtTitle_);
    column->addWidget(lblHelp_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addLayout(buttons);
}

void frmAxisControl::mSubSetColorScheme()
{
    if (!platform::ColorSchemeWanted())
        return;
    platform::PaintBackground(this, platform::kSchemeWindowColor);
    for (QPushButton* button : vseCommand_)
        platform::PaintButton(button, platform::kSchemeButtonColor);
    platform::PaintBase(lstAxes_, platform::kSchemeListColor);
}

void frmAxisControl::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!firstActivation_)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
    if (const ModeFace* face = FaceOf(mode_))
        vseCommand_[kAction]->setText(Text(face->actionId));
    if (mode_ == kAxisDialogSetModifyTitle) {
        vseCommand_[kDone]->setText(Text(108));
        vseCommand_[kDone]->show();
        txtTitle_->show();
        SetFieldColor(txtTitle_, kTitleIdleColor);
    }
    mSubLoadAxisTitles();
    mSubFillAxisList();
    // The first entry current and picked, the keys in the list: Down and Up
    // move the pick, Return acts on it.
    if (lstAxes_->count() > 0)
        lstAxes_->setCurrentRow(0);
    lstAxes_->setFocus(Qt::OtherFocusReason);
    firstActivation_ = false;
    QApplication::restoreOverrideCursor();
}

void frmAxisControl::mSubLoadAxisTitles()
{
    std::vector<int16_t> ids;
    const int16_t count = nFctGetAxisIdList(ids);
    axisIds_.assign(ids.begin(), ids.begin() + count);
    workingTitles_.clear();
    for (int16_t id : axisIds_)
        workingTitles_.push_back(sFctGetAxisTitle(id));
}

void frmAxisControl::mSubFillAxisList()
{
    const QSignalBlocker quiet(lstAxes_);
    lstAxes_->clear();
    for (size_t k = 0; k < axisIds_.size(); ++k) {
        const QString entry = ListEntry(axisIds_[k], workingTitles_[k]);
        auto* item = new QListWidgetItem(platform::ElidedLongText(entry, lstAxes_->font()), lstAxes_);
        if (item->text() != entry)
            item->setToolTip(entry);
    }
    fitToTexts();
}

void frmAxisControl::fitToTexts()
{
    // The list as wide as its widest entry (long titles are cut short) and
    // a scroll bar, should the entries outnumber its rows; the dialog as wide
    // as its controls and its caption in the title bar need, within the
    // screen.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lstAxes_);
    lstAxes_->setMinimumWidth(lstAxes_->sizeHintForColumn(0) + 2 * lstAxes_->frameWidth() + scrollBar);
    layout()->activate();
    int wanted = std::max(layout()->totalMinimumSize().width(), platform::CaptionWidth(this));
    if (const QScreen* shown = screen())
        wanted = std::min(wanted, shown->availableGeometry().width() - (frameGeometry().width() - width()));
    setMinimumWidth(wanted);
}

int frmAxisControl::selectedRow() const
{
    const QList<QListWidgetItem*> selected = lstAxes_->selectedItems();
    const int row = selected.isEmpty() ? -1 : lstAxes_->row(selected.first());
    return row < static_cast<int>(axisIds_.size()) ? row : -1;
}

void frmAxisControl::lstAxes_Click()
{
    vseCommand_[kAction]->setEnabled(true);
    endTitleEditing();
}

void frmAxisControl::endTitleEditing()
{
    txtTitle_->clear();
    SetFieldColor(txtTitle_, kTitleIdleColor);
    txtTitle_->setEnabled(false);
    editPosition_ = -1;
}

// The edited title goes into the list at once; the axis keeps its title
// until Done.
void frmAxisControl::commitTitleEdit()
{
    if (editPosition_ < 0)
        return;
    const int row = editPosition_;
    workingTitles_[static_cast<size_t>(row)] = txtTitle_->text().toStdString();
    mSubFillAxisList();
    lstAxes_->setCurrentRow(row);  // as a click on it: the editing ends
    lstAxes_Click();
    txtTitle_->clear();
}

bool frmAxisControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtTitle_) {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, txtTitle_, &QLineEdit::selectAll);
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                commitTitleEdit();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAxisControl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // Escape first ends a title edit; with none running it closes the
        // dialog as Cancel does.
        if (editPosition_ >= 0)
            endTitleEditing();
        else
            reject();
        break;
    case Qt::Key_F1:
        if (const ModeFace* face = FaceOf(mode_))
            SubShowHelpTopic(face->helpTopic);
        break;
    default:
        QDialog::keyPressEvent(event);
        break;
    }
}

void frmAxisControl::vseCommand_Click(int index)
{
    switch (index) {
    case kAction:
        // Nothing happens without a picked axis.
        if (selectedRow() >= 0)
            runAction(selectedRow());
        break;
    case kCancel:
        reject();
        break;
    case kDone:
        commitTitleEdit();
        storeTitles();
        accept();
        break;
    }
}

void frmAxisControl::runAction(int row)
{
    const int16_t axis = axisIds_[static_cast<size_t>(row)];
    switch (mode_) {
    case kAxisDialogOpen:
    case kAxisDialogClose: {
        const int16_t state = mode_ == kAxisDialogOpen ? WindowState::Normal : WindowState::Minimised;
        for (int16_t kind : {WindowKind::Report, WindowKind::Profile, WindowKind::AxisDesign})
            SubSetAxisWindowState(axis, kind, state);
        accept();
        break;
    }
    case kAxisDialogDelete:
        deleteAxis(row);
        break;
    case kAxisDialogSetModifyTitle:
        vseCommand_[kDone]->setEnabled(true);
        txtTitle_->setEnabled(true);
        SetFieldColor(txtTitle_, kTitleEditColor);
        txtTitle_->setText(QString::fromStdString(workingTitles_[static_cast<size_t>(row)]));
        txtTitle_->setFocus();
        editPosition_ = static_cast<int16_t>(row);
        break;
    }
}

void frmAxisControl::deleteAxis(int row)
{
    const int16_t axis = axisIds_[static_cast<size_t>(row)];
    if (gbPromptDeleteAxis) {
        SubPrepareCatalogueMessage(*gMsg, kDeleteQuestion);
        gMsg->sExtraText = ListEntry(axis, workingTitles_[static_cast<size_t>(row)]).toStdString();
        if (gMsg->nFctDisplay() != kResultYes)
            return;
    }
    SubInvalidateAxis(axis);
    for (int16_t kind : {WindowKind::Report, WindowKind::Profile, WindowKind::AxisDesign})
        SubUnloadAxisWindow(axis, kind);
    for (int16_t kind : {WindowKind::AxisDesign, WindowKind::Profile, WindowKind::Report})
        SubRemoveWindowStatus(axis, kind);
    SubRefreshAxisTree();
    SubApplyWindowStatus();
    accept();
}

void frmAxisControl::storeTitles()
{
    for (size_t k = 0; k < axisIds_.size(); ++k) {
        const int16_t axis = axisIds_[k];
        SubSetAxisTitle(axis, workingTitles_[k]);
        if (frmReport* report = ReportWindow(axis))
            report->mSubSetFormCaption();
        if (frmProfile* profile = ProfileWindow(axis))
            profile->mSubSetFormCaption();
        if (frmAxisDesign* design = AxisDesignWindow(axis))
            design->mSubSetFormCaption();
    }
    SubRefreshAxisTree();
}

void ShowAxisDialog(QWidget* mainWindow, int16_t mode)
{
    frmAxisControl dialog(mainWindow, mode);
    dialog.exec();
}
