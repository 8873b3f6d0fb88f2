#include "shell/frmFindFile.h"

#include "foundation/basAppPaths.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "platform/qt/DialogLook.h"
#include "platform/qt/QtPlatformServices.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

std::string gsFoundFile;

namespace {

QString Text(int16_t id)
{
    return QString::fromStdString(sFctGetText(id));
}

template <class Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

// The status line shows at most this many characters of a folder's path.
constexpr int16_t kShownPathLength = 65;

} // namespace

frmFindFile::frmFindFile(QWidget* mainWindow, const std::vector<std::string>& drives)
    : QDialog(mainWindow)
{
    setObjectName("frmFindFile");
    buildControls();
    for (const std::string& drive : drives)
        drvList_->addItem(QString::fromStdString(drive));
    setWindowTitle(Text(237));
    platform::TakeMainWindowLook(this, mainWindow, nullptr);
    mSubSetColorScheme();
    vseOkay_->setText(Text(19));
    vseCancel_->setText(Text(20));
    vseBrowse_->setText(Text(234));
    vseFindNow_->setText(Text(235));
    vseStop_->setText(Text(236));
    lblHelp_->setText(Text(245));
    txtNamed_->setText(QString::fromStdString(gsFoundFile));
    vseOkay_->setEnabled(false);
    vseStop_->setEnabled(false);
    // Collapsed: the found files come into sight with the first search.
    resultPanel_->hide();
    adjustSize();
    SubCenterForm(platform::ToWindow(this));
}

void frmFindFile::buildControls()
{
    txtNamed_ = Named(new QLineEdit(this), "txtNamed");
    drvList_ = Named(new QComboBox(this), "drvList");
    vseOkay_ = Named(new QPushButton(this), "vseOkay");
    vseCancel_ = Named(new QPushButton(this), "vseCancel");
    vseBrowse_ = Named(new QPushButton(this), "vseBrowse");
    vseFindNow_ = Named(new QPushButton(this), "vseFindNow");
    vseStop_ = Named(new QPushButton(this), "vseStop");
    lblHelp_ = Named(new QLabel(this), "lblHelp");
    resultPanel_ = new QWidget(this);
    lblMessage_ = Named(new QLabel(resultPanel_), "lblMessage");
    lstFiles_ = Named(new QListWidget(resultPanel_), "lstFiles");

    for (QPushButton* button : {vseOkay_, vseCancel_, vseBrowse_, vseFindNow_, vseStop_})
        button->setAutoDefault(false);
    connect(vseOkay_, &QPushButton::clicked, this, &frmFindFile::vseOkay_Click);
    connect(vseCancel_, &QPushButton::clicked, this, &frmFindFile::reject);
    connect(vseBrowse_, &QPushButton::clicked, this, &frmFindFile::vseBrowse_Click);
    connect(vseFindNow_, &QPushButton::clicked, this, &frmFindFile::vseFindNow_Click);
    connect(vseStop_, &QPushButton::clicked, this, [this] { stop_ = true; });
    connect(lstFiles_, &QListWidget::itemDoubleClicked, this, &frmFindFile::vseOkay_Click);

    auto* fields = new QGridLayout;
    fields->addWidget(txtNamed_, 0, 0);
    fields->addWidget(drvList_, 1, 0);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {vseFindNow_, vseStop_, vseBrowse_, vseOkay_, vseCancel_})
        buttons->addWidget(button);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addStretch();
    left->addWidget(lblHelp_);
    top->addLayout(left, 1);
    top->addLayout(buttons);
    auto* results = new QVBoxLayout(resultPanel_);
    results->setContentsMargins(0, 0, 0, 0);
    results->addWidget(lblMessage_);
    results->addWidget(lstFiles_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(resultPanel_, 1);
    setMinimumWidth(520);
}

void frmFindFile::mSubSetColorScheme()
{
    if (!platform::ColorSchemeWanted())
        return;
    platform::PaintBackground(this, platform::kSchemeWindowColor);
    for (QPushButton* button : {vseOkay_, vseCancel_, vseBrowse_, vseFindNow_, vseStop_})
        platform::PaintButton(button, platform::kSchemeButtonColor);
    platform::PaintBase(lstFiles_, platform::kSchemeListColor);
    platform::PaintBase(txtNamed_, platform::kSchemeListColor);
    platform::PaintBase(drvList_, platform::kSchemeListColor);
}

void frmFindFile::expand()
{
    if (resultPanel_->isVisible())
        return;
    resultPanel_->show();
    resize(width(), std::max(height(), 236));  // about 3540 twips
}

void frmFindFile::vseFindNow_Click()
{
    if (searching_)
        return;
    if (drvList_->count() == 0) {
        platform::Beep();
        return;
    }
    expand();
    lstFiles_->clear();
    lstFiles_->setEnabled(false);
    vseOkay_->setEnabled(false);
    vseFindNow_->setEnabled(false);
    vseStop_->setEnabled(true);
    stop_ = false;
    QApplication::processEvents();

    searching_ = true;
    mSubSearchDirectory(txtNamed_->text().toStdString(), drvList_->currentText().toStdString());
    searching_ = false;

    if (lstFiles_->count() > 0) {
        lstFiles_->setCurrentRow(0);
        vseOkay_->setEnabled(true);
    }
    lblMessage_->setText(QStringLiteral(" %1 File(s) Found.").arg(lstFiles_->count()));
    vseStop_->setEnabled(false);
    vseFindNow_->setEnabled(true);
}

// Depth first: every subfolder completely, then the folder's own files. The
// stop flag is looked at before every folder, so Stop ends the whole walk
// at the next folder, wherever it is.
void frmFindFile::mSubSearchDirectory(const std::string& pattern, const std::string& folder)
{
    for (const std::string& subfolder : platform::ListSubfolders(folder)) {
        QApplication::processEvents();
        if (stop_)
            return;
        if (!platform::IsSystemFolder(subfolder))
            mSubSearchDirectory(pattern, subfolder);
        if (stop_)
            return;
    }
    lblMessage_->setText(QString::fromStdString(sFctShortenPath(folder, kShownPathLength)));
    QApplication::processEvents();
    if (stop_)
        return;
    for (const std::string& name : platform::ListMatchingFiles(folder, pattern)) {
        lstFiles_->addItem(QString::fromStdString(platform::JoinPath(folder, name)));
        lstFiles_->setEnabled(true);
    }
}

void frmFindFile::vseOkay_Click()
{
    if (searching_ || !lstFiles_->currentItem())
        return;
    gsFoundFile = lstFiles_->currentItem()->text().toStdString();
    accept();
}

// Whatever the name field held, giving up returns no path. A running
// search ends at its next folder.
void frmFindFile::reject()
{
    stop_ = true;
    gsFoundFile.clear();
    QDialog::reject();
}

void frmFindFile::vseBrowse_Click()
{
    QFileDialog dialog(this, Text(344), QString::fromStdString(gsAppPath), Text(343));
    dialog.setObjectName("dlgDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("exe");
    dialog.selectFile("Winword.Exe");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    stop_ = true;
    gsFoundFile = dialog.selectedFiles().first().toStdString();
    accept();
}

void frmFindFile::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        SubShowHelpTopic("WordInterface.htm");
        return;
    }
    QDialog::keyPressEvent(event);  // Escape: Cancel
}

void ShowFindFileDialog(QWidget* mainWindow)
{
    frmFindFile dialog(mainWindow);
    dialog.exec();
}
