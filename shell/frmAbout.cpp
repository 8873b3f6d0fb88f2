#include "shell/frmAbout.h"

#include "foundation/basTextResources.h"
#include "platform/qt/DialogLook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Text(int16_t id)
{
    return QString::fromStdString(sFctGetText(id));
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// The developer's address as laid out in the box; the code does not set it.
constexpr const char* kDeveloperAddress = "Orvamis";
constexpr const char* kDeveloperWebSite = "";

} // namespace

frmAbout::frmAbout(QWidget* mainWindow)
    : QDialog(mainWindow)
{
    setObjectName("frmAbout");
    setWindowTitle(Text(31));
    platform::TakeMainWindowLook(this, mainWindow, nullptr);

    lblVersion_ = NewLabel(this, "lblVersion");
    lblDisclaimer_ = NewLabel(this, "lblDisclaimer");
    lblStatement_ = NewLabel(this, "lblStatement");
    lblDevelopedBy_ = NewLabel(this, "lblDevelopedBy");
    lblAddress_ = NewLabel(this, "lblAddress", kDeveloperAddress);
    lblWebSite_ = NewLabel(this, "lblWebSite", kDeveloperWebSite);
    cmdOkay_ = new QPushButton(this);
    cmdOkay_->setObjectName("cmdOkay");
    connect(cmdOkay_, &QPushButton::clicked, this, &QDialog::accept);

    if (platform::ColorSchemeWanted())
        platform::PaintButton(cmdOkay_, platform::kSchemeButtonColor);
    cmdOkay_->setText(Text(19));
    lblVersion_->setText(Text(26));
    lblDisclaimer_->setText(Text(27) + Text(28));
    lblStatement_->setText(Text(298) + "\r\n" + Text(299));
    lblDevelopedBy_->setText(Text(33));

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdOkay_);
    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {lblVersion_, lblDisclaimer_, lblStatement_, lblDevelopedBy_, lblAddress_, lblWebSite_})
        layout->addWidget(label);
    layout->addLayout(buttonRow);
    setMinimumWidth(480);
}

void ShowAboutBox(QWidget* mainWindow)
{
    frmAbout box(mainWindow);
    box.exec();
}
