#include "shell/frmStartup.h"

#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"
#include "platform/qt/DialogLook.h"
#include "platform/qt/QtPlatformServices.h"
#include "shell/MDIMain.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kScreenWidth = 480;
// The designed width of the progress bar and its width at the start.
constexpr int kProgressDesignedWidth = 360;
constexpr int kProgressStartWidth = 6;  // 90 twips
constexpr int kProgressHeight = 12;
constexpr int kProgressSteps = 23;
constexpr int kTickMilliseconds = 5000 / 25;
const QColor kProgressColor(46, 109, 180);

QLabel* NamedLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmStartup::frmStartup(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName("frmStartup");
    setAttribute(Qt::WA_DeleteOnClose);

    // A raised panel makes the frame of the frameless screen.
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    platform::PaintBackground(panel, platform::kSchemeWindowColor);

    imgLogo = new QLabel(panel);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setPixmap(ProgramLogo());
    imgLogo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblVersion = NamedLabel(panel, "lblVersion");
    QFont titleFont = lblVersion->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    lblVersion->setFont(titleFont);
    lblCopyright = NamedLabel(panel, "lblCopyright");
    lblDevelopedBy = NamedLabel(panel, "lblDevelopedBy");

    // The bar grows inside a groove of the full width, outside any layout,
    // so that its growing moves nothing else.
    picProgress = new QFrame(panel);
    picProgress->setObjectName("picProgress");
    picProgress->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picProgress->setLineWidth(1);
    picProgress->setFixedSize(kProgressDesignedWidth + 2, kProgressHeight + 2);
    platform::PaintBackground(picProgress, platform::kSchemeListColor);
    lblProgress = new QLabel(picProgress);
    lblProgress->setObjectName("lblProgress");
    platform::PaintBackground(lblProgress, kProgressColor);
    lblProgress->setGeometry(1, 1, kProgressDesignedWidth, kProgressHeight);
    cmdOkay = new QPushButton(panel);
    cmdOkay->setObjectName("cmdOkay");
    tmrSystem = new QTimer(this);
    tmrSystem->setObjectName("tmrSystem");

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->addWidget(imgLogo, 0, 0, 3, 1);
    grid->addWidget(lblVersion, 0, 1, 1, 2);
    grid->addWidget(lblCopyright, 1, 1, 1, 2);
    grid->addWidget(lblDevelopedBy, 2, 1, 1, 2);
    grid->addWidget(picProgress, 3, 0, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(cmdOkay, 3, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);

    connect(tmrSystem, &QTimer::timeout, this, &frmStartup::tmrSystem_Timer);
    connect(cmdOkay, &QPushButton::clicked, this, &frmStartup::cmdOkay_Click);
    Form_Load();

    // One size for the whole showing, fitted to the texts, in the middle of
    // the screen.
    setFixedSize(kScreenWidth, heightForWidth(kScreenWidth));
    platform::CenterOnScreen(this);
}

int frmStartup::ProgressWidth() const
{
    return lblProgress->width();
}

void frmStartup::SetProgressWidth(int width)
{
    lblProgress->resize(width, lblProgress->height());
}

void frmStartup::Form_Load()
{
    mbOkPressed = false;
    lblVersion->setText(QString::fromStdString(sFctGetText(31) + "\r\n" + sFctGetText(26)));
    lblCopyright->setText(QString::fromStdString(sFctGetText(271)));
    lblDevelopedBy->setText(QString::fromStdString(sFctGetText(33)));
    cmdOkay->setText(QString::fromStdString(sFctGetText(355)));
    platform::PaintButton(cmdOkay, platform::kSchemeButtonColor);
    mnFullWidth = lblProgress->width();
    SetProgressWidth(kProgressStartWidth);
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
        SetProgressWidth(width);
    } else {
        SetProgressWidth(mnFullWidth);
        tmrSystem->stop();
    }
}

void frmStartup::cmdOkay_Click()
{
    mbOkPressed = true;
    gbWaitDone = -1;
}
