#include "shell/frmStartup.h"

#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The designed width of the progress bar and its width at the start.
constexpr int kProgressDesignedWidth = 360;
constexpr int kProgressStartWidth = 6;  // 90 twips
constexpr int kProgressHeight = 12;
constexpr int kProgressSteps = 23;
constexpr int kTickMilliseconds = 5000 / 25;

QLabel* NamedLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

frmStartup::frmStartup(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , lblVersion(NamedLabel(this, "lblVersion"))
    , lblCopyright(NamedLabel(this, "lblCopyright"))
    , lblDevelopedBy(NamedLabel(this, "lblDevelopedBy"))
    , lblProgress(new QLabel(this))
    , cmdOkay(new QPushButton(this))
    , tmrSystem(new QTimer(this))
{
    setObjectName("frmStartup");
    setAttribute(Qt::WA_DeleteOnClose);
    lblProgress->setObjectName("lblProgress");
    lblProgress->setAutoFillBackground(true);
    lblProgress->setStyleSheet("background-color: rgb(0, 0, 128);");
    lblProgress->setFixedSize(kProgressDesignedWidth, kProgressHeight);
    cmdOkay->setObjectName("cmdOkay");
    tmrSystem->setObjectName("tmrSystem");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblVersion);
    layout->addWidget(lblCopyright);
    layout->addWidget(lblDevelopedBy);
    layout->addWidget(lblProgress, 0, Qt::AlignLeft);
    layout->addWidget(cmdOkay, 0, Qt::AlignRight);

    connect(tmrSystem, &QTimer::timeout, this, &frmStartup::tmrSystem_Timer);
    connect(cmdOkay, &QPushButton::clicked, this, &frmStartup::cmdOkay_Click);
    Form_Load();
}

int frmStartup::ProgressWidth() const
{
    return lblProgress->width();
}

void frmStartup::Form_Load()
{
    mbOkPressed = false;
    lblVersion->setText(QString::fromStdString(sFctGetText(31) + "\r\n" + sFctGetText(26)));
    lblCopyright->setText(QString::fromStdString(sFctGetText(271)));
    lblDevelopedBy->setText(QString::fromStdString(sFctGetText(33)));
    cmdOkay->setText(QString::fromStdString(sFctGetText(355)));
    cmdOkay->setStyleSheet("background-color: rgb(205, 205, 205);");
    mnFullWidth = lblProgress->width();
    lblProgress->setFixedWidth(kProgressStartWidth);
    lblProgress->setVisible(true);
    mnStep = 0;
    tmrSystem->setInterval(kTickMilliseconds);
    tmrSystem->start();
}

void frmStartup::tmrSystem_Timer()
{
    ++mnStep;
    // Halves round to even, as the width is rounded.
    const int width = static_cast<int>(std::nearbyint(static_cast<double>(mnFullWidth) / kProgressSteps * mnStep));
    if (width <= mnFullWidth && !mbOkPressed) {
        lblProgress->setFixedWidth(width);
    } else {
        lblProgress->setFixedWidth(mnFullWidth);
        tmrSystem->stop();
    }
}

void frmStartup::cmdOkay_Click()
{
    mbOkPressed = true;
    gbWaitDone = -1;
}
