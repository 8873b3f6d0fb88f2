#include "shell/MDIMain.h"

#include "design/frmAxisDesign.h"
#include "foundation/basAppPaths.h"
#include "foundation/basDatabaseAccess.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basParameterControl.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "foundation/ui/frmMessageDisplay.h"
#include "model/basMechanismChain.h"
#include "platform/qt/Commands.h"
#include "platform/qt/MdiChildWindow.h"
#include "platform/qt/OutlineTree.h"
#include "platform/qt/QtPlatformServices.h"
#include "platform/qt/ScreenPlacement.h"
#include "shell/Main.h"
#include "shell/basWindowSlots.h"
#include "shell/frmStartup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QScreen>
#include <QSessionManager>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

MDIMain* gMainWindow = nullptr;

// Window placement in the settings is in twips.
constexpr int kTwipsPerPixel = 15;

// Pictures of the images folder: the program's icon and logo, and the faces
// of the toolbar's New, Open, Save and Help (by button index).
constexpr const char* kIconPicture = "Orvamis.PNG";
constexpr const char* kLogoPicture = "Logo.PNG";
constexpr const char* kToolPictures[] = {"ToolNew.PNG", "ToolOpen.PNG", "ToolSave.PNG", nullptr, "ToolHelp.PNG"};

QString PicturePath(const char* name)
{
    return QString::fromStdString(gsImagePath + name);
}

// The side panel starts at least this wide.
constexpr int kSideNarrowest = 150;
// The outline's lines that set the side panel's starting width: the file
// line (at most 25 characters) and the window lines; an axis title longer
// than those ends in "..." with the whole title in its tip.
constexpr int kFileLineIndent = 0;
constexpr int kWindowLineIndent = 2;

QFrame* Panel(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setAutoFillBackground(true);
    return frame;
}

void SetBackColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

MDIMain* MainWindow()
{
    return gMainWindow;
}

QIcon ProgramIcon()
{
    return QIcon(PicturePath(kIconPicture));
}

QPixmap ProgramLogo()
{
    return QPixmap(PicturePath(kLogoPicture));
}

std::string MDIMain::MessageBarText() const
{
    return lblMessage_->text().toStdString();
}

void MDIMain::SetMessageBarText(const std::string& text)
{
    lblMessage_->setText(QString::fromStdString(text));
}

MDIMain::MDIMain(QWidget* parent)
    : QMainWindow(parent)
    , platformServices_(std::make_unique<platform::QtPlatformServices>(this))
    , messageDisplay_(std::make_unique<QtMessageDisplay>(this))
{
    setObjectName("MDIMain");
    setWindowIcon(ProgramIcon());
    gMainWindow = this;
    platform::InstallPlatformServices(platformServices_.get());
    platform::InstallMessageDisplay(messageDisplay_.get());
    platform::InstallRecentFileMenu(this);
    platform::InstallMessageBar(this);
    setWindowTitle(QString::fromStdString(sFctGetText(31)));
    BuildPanels();
    BuildMenus();
    platform::ConnectCommand(qApp, &QGuiApplication::commitDataRequest, this, [this] {
        // The session ends: Yes or No only, the close cannot be refused.
        mnFctUpdateDataToFile(0);
        mSubCloseApplicationFile();
        sessionEnding_ = true;
    });
}

MDIMain::~MDIMain()
{
    // The axis windows go before the main window's services.
    SubCloseAllAxisWindows();
    if (gMainWindow == this)
        gMainWindow = nullptr;
    if (platform::InstalledRecentFileMenu() == this)
        platform::InstallRecentFileMenu(nullptr);
    if (platform::InstalledMessageBar() == this)
        platform::InstallMessageBar(nullptr);
    if (platform::InstalledPlatformServices() == platformServices_.get())
        platform::InstallPlatformServices(nullptr);
    if (platform::InstalledMessageDisplay() == messageDisplay_.get())
        platform::InstallMessageDisplay(nullptr);
}

void MDIMain::BuildPanels()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    picTopToolbar_ = Panel(central, "picTopToolbar");
    auto* toolRow = new QHBoxLayout(picTopToolbar_);
    toolRow->setContentsMargins(4, 2, 4, 2);
    // New, Open, Save and, at the right edge, Help (Print has no action).
    for (int index : {0, 1, 2, 4}) {
        auto* button = new QToolButton(picTopToolbar_);
        button->setObjectName(QStringLiteral("vseTopToolbar_%1").arg(index));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIcon(QIcon(PicturePath(kToolPictures[index])));
        button->setIconSize(QSize(24, 24));
        if (index == 4)
            toolRow->addStretch(1);
        toolRow->addWidget(button);
        platform::ConnectCommand(button, &QToolButton::clicked, this, [this, index] { vseTopToolbar_Click(index); });
        vseTopToolbar_[static_cast<size_t>(index)] = button;
    }
    column->addWidget(picTopToolbar_);

    // The side panel beside the frame of the axis windows; its edge can be
    // dragged to widen it.
    auto* middle = new QSplitter(Qt::Horizontal, central);
    middle->setObjectName("sideSplitter");
    middle->setChildrenCollapsible(false);
    picControlBar_ = Panel(middle, "picControlBar");
    auto* controlColumn = new QVBoxLayout(picControlBar_);
    controlColumn->setContentsMargins(2, 2, 2, 2);
    auto* vseControlBar = Panel(picControlBar_, "vseControlBar_1");
    auto* treeBox = new QVBoxLayout(vseControlBar);
    treeBox->setContentsMargins(0, 0, 0, 0);
    outTree_ = new platform::OutlineTree(vseControlBar);
    outTree_->setObjectName("outTree");
    treeBox->addWidget(outTree_);
    controlColumn->addWidget(vseControlBar);
    picControlBar_->setVisible(false);
    platform::ConnectCommand(outTree_, &platform::OutlineTree::LineClicked, this, [this](int line) { outTree_Click(line); });
    connect(outTree_, &platform::OutlineTree::LinesChanged, this, &MDIMain::mSubFitSidePanel);
    connect(middle, &QSplitter::splitterMoved, this, [this] { sidePanelSizedByUser_ = true; });
    middle->addWidget(picControlBar_);

    mdiArea_ = new QMdiArea(middle);
    mdiArea_->setObjectName("mdiArea");
    // A window larger than the area (a small screen, a large scale) is
    // reached by scrolling; the area then also takes no minimum size from
    // its windows, so the side panel's edge moves freely.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    platform::ConnectChildActivation(mdiArea_);
    middle->addWidget(mdiArea_);
    middle->setStretchFactor(1, 1);
    column->addWidget(middle, 1);

    picStatusBar_ = Panel(central, "picStatusBar");
    auto* statusRow = new QHBoxLayout(picStatusBar_);
    statusRow->setContentsMargins(4, 2, 4, 2);
    lblMessage_ = new QLabel(picStatusBar_);
    lblMessage_->setObjectName("lblMessage");
    lblFilename_ = new QLabel(picStatusBar_);
    lblFilename_->setObjectName("lblFilename");
    lblFilename_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusRow->addWidget(lblMessage_, 1);
    statusRow->addWidget(lblFilename_, 1);
    column->addWidget(picStatusBar_);

    // The logo picture that the dialogs show; the main window keeps it
    // hidden.
    imgLogo_ = new QLabel(central);
    imgLogo_->setObjectName("imgLogo");
    imgLogo_->setPixmap(ProgramLogo());
    imgLogo_->hide();

    setCentralWidget(central);
}

void MDIMain::mSubSizeForAxisWindows()
{
    // As large as its bars, the side panel and an axis design window at
    // its normal size need (the size it also returns to from maximised),
    // within the screen.
    auto* splitter = static_cast<QSplitter*>(picControlBar_->parentWidget());
    const QSize bars(0, centralWidget()->sizeHint().height() - mdiArea_->sizeHint().height());
    const QSize side(picControlBar_->sizeHint().width() + splitter->handleWidth(), 0);
    const QSize wanted = bars + side + frmAxisDesign::kNormalSize + QSize(2, 2) * mdiArea_->frameWidth();
    resize(wanted.boundedTo(screen()->availableGeometry().size()));
}

void MDIMain::MDIForm_Resize()
{
    if (centralWidget() && centralWidget()->layout())
        centralWidget()->layout()->activate();
}

void MDIMain::mSubFitSidePanel()
{
    // Once the user has dragged the panel's edge, the width is the user's.
    if (sidePanelSizedByUser_)
        return;
    auto* splitter = static_cast<QSplitter*>(picControlBar_->parentWidget());
    const QMargins margins = picControlBar_->layout()->contentsMargins();
    const int lines = std::max(outTree_->NeededWidth(kFileLineIndent), outTree_->NeededWidth(kWindowLineIndent));
    const int starting = std::max(kSideNarrowest, lines + margins.left() + margins.right());
    QList<int> sizes = splitter->sizes();
    if (sizes.size() == 2 && sizes[0] < starting) {
        sizes[1] -= starting - sizes[0];
        sizes[0] = starting;
        splitter->setSizes(sizes);
    }
}

void MDIMain::MDIForm_Load(frmStartup* startup)
{
    mbFirstActivation = true;
    SubWaitForTimer(5000);

    // Room for the axis windows, unless the settings place the window.
    mSubSizeForAxisWindows();
    switch (gnMainWindowState) {
    case 0: {
        // Saved on a larger or a second screen, it opens whole on this one.
        // A size smaller than the window can be (none, as in the settings
        // file written at the first run, or one edited by hand) was never
        // the window's: it keeps the size it starts with.
        QRect saved(gnMainWindowLeft / kTwipsPerPixel, gnMainWindowTop / kTwipsPerPixel,
                    gnMainWindowWidth / kTwipsPerPixel, gnMainWindowHeight / kTwipsPerPixel);
        const QSize least = minimumSizeHint();
        if (saved.width() < least.width() || saved.height() < least.height())
            saved.setSize(size());
        setWindowState(Qt::WindowNoState);
        platform::PlaceWholeOnScreen(this, saved);
        break;
    }
    case 2:
        setWindowState(Qt::WindowMaximized);
        break;
    default:
        break;
    }
    glScreenColors = lFctGetColorCount(platform::ToWindow(startup ? static_cast<QWidget*>(startup) : this));
    if (gsLastUsedPath.empty())
        gsLastUsedPath = gsAppPath;
    if (!gbIniFound)
        SubWriteIniFile(gsAppPath + kIniFileName);
    // The reference database needs no log-on: it is opened directly.
    gsCurrentFile.clear();
    if (!gbScreen640x480)
        picControlBar_->setVisible(true);
    mSubSetColorScheme();
    mSubLoadLanguageTexts();
    picTopToolbar_->setVisible(gbShowTaskbar != 0);
    picStatusBar_->setVisible(gbShowMessageBar != 0);
    gnTreeMarkedLine = -1;
    gnTreeActiveLine = -1;
    show();
    if (startup)
        startup->close();
}

void MDIMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (mbFirstActivation)
        QTimer::singleShot(0, this, &MDIMain::MDIForm_Activate);
}

void MDIMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && mbFirstActivation && isVisible())
        MDIForm_Activate();
}

void MDIMain::MDIForm_Activate()
{
    if (!mbFirstActivation || programEnded_)
        return;
    // Later activations do nothing, also while this one lets events run.
    mbFirstActivation = false;
    QApplication::processEvents();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SubResetWindowSlots();
    lblMessage_->setText(QString::fromStdString(sFctGetText(88)));
    QApplication::processEvents();

    const bool loaded = bFctOpenReferenceDatabase() && bFctReadUnitList() && bFctReadConversionFactors()
                        && bFctCreateParameterControlTable() && bFctReadFunctionalitySettings();
    if (!loaded) {
        // The loader has shown its box; the program ends without unloading.
        QApplication::restoreOverrideCursor();
        programEnded_ = true;
        hide();
        SubEndProgram(kExitLoaderFailed);
        return;
    }
    SubUpdateRecentFileMenu(9);
    SubClearMechanismBuffer();
    mSubTickLanguage(gnLanguageOffset);
    if (gbLoadDefaultAxis)
        mnuAxisSub_Click(0);
    QApplication::processEvents();
    QApplication::restoreOverrideCursor();
    lblMessage_->clear();
}

void MDIMain::mSubSetColorScheme()
{
    if (glScreenColors < 257)
        return;
    const QColor window(225, 225, 225);
    const QColor bar(180, 180, 180);
    SetBackColor(this, window);
    SetBackColor(outTree_, window);
    SetBackColor(outTree_->parentWidget(), window);
    SetBackColor(picTopToolbar_, bar);
    SetBackColor(picStatusBar_, bar);
}

void MDIMain::closeEvent(QCloseEvent* event)
{
    if (programEnded_) {
        event->accept();
        return;
    }
    const int unloadMode = sessionEnding_ ? 2 : unloadByProgram_ ? 1 : 0;
    int16_t refused = 0;
    platform::RunCommand([&] { refused = MDIForm_QueryUnload(unloadMode); });
    if (refused) {
        unloadByProgram_ = false;
        event->ignore();
        return;
    }
    MDIForm_Unload();
    event->accept();
}

int16_t MDIMain::MDIForm_QueryUnload(int unloadMode)
{
    if (unloadMode != 0)
        return 0;  // closed by the program or the ending session: asked already
    if (isMinimized())
        showNormal();
    if (mbBusy)
        return -1;
    if (mnFctUpdateDataToFile(-1) == 2)
        return -1;
    mSubCloseApplicationFile();
    return 0;
}

void MDIMain::mSubStorePlacement()
{
    gnMainWindowState = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    const QRect placement = normalGeometry().isValid() ? normalGeometry() : geometry();
    gnMainWindowLeft = placement.x() * kTwipsPerPixel;
    gnMainWindowTop = placement.y() * kTwipsPerPixel;
    gnMainWindowWidth = placement.width() * kTwipsPerPixel;
    gnMainWindowHeight = placement.height() * kTwipsPerPixel;
}

void MDIMain::MDIForm_Unload()
{
    mSubStorePlacement();
    SubWriteIniFile(gsAppPath + kIniFileName);
    if (bFctAnySlotUnloaded()) {
        SubCloseAllAxisWindows();
        QApplication::processEvents();
    }
    SubCloseReferenceDatabase();
}
