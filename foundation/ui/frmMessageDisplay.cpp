#include "foundation/ui/frmMessageDisplay.h"

#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"
#include "platform/qt/DialogLook.h"
#include "platform/qt/QtPlatformServices.h"
#include "platform/qt/ScreenPlacement.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

namespace {

// The layout is designed in twips; 15 twips make a pixel at 96 dots per inch.
constexpr int Px(int twips)
{
    return twips / 15;
}

constexpr int kDialogHeight = 3600;
constexpr int kPanelHeight = 1605;
constexpr int kButtonTop = 3090;
constexpr int kButtonLefts[] = {1020, 2460, 3900};
constexpr int kIconSize = 32;

const QColor kWindowColor(225, 225, 225);
const QColor kButtonColor(205, 205, 205);
const QColor kTextPanelColor(245, 245, 245);

// The string table and the composition break lines with carriage return and
// line feed in either order; a label breaks at line feeds.
QString DisplayLines(const std::string& text)
{
    QString lines = QString::fromStdString(text);
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

// A line may break at a zero-width space.
constexpr QChar kBreakOpportunity(0x200B);

// A word wider than `width` (a long file path) may break after any of its
// characters, so that it wraps within the text panel instead of running
// past its edge; other words are left as they are.
QString BreakWordsWiderThan(const QString& lines, const QFontMetrics& metrics, int width)
{
    static const QRegularExpression kWord(QStringLiteral("\\S+"));
    QString result;
    qsizetype done = 0;
    for (auto words = kWord.globalMatch(lines); words.hasNext();) {
        const QRegularExpressionMatch match = words.next();
        result += lines.mid(done, match.capturedStart() - done);
        const QString word = match.captured();
        done = match.capturedEnd();
        if (metrics.horizontalAdvance(word) <= width) {
            result += word;
            continue;
        }
        for (qsizetype i = 0; i < word.size(); ++i) {
            result += word[i];
            if (i + 1 < word.size() && !word[i].isHighSurrogate())
                result += kBreakOpportunity;
        }
    }
    return result + lines.mid(done);
}

QPixmap IconPicture(int icon, const QStyle* style)
{
    static constexpr QStyle::StandardPixmap kPictures[] = {
        QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxWarning,
        QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxQuestion};
    if (icon < 0 || icon >= 4)
        return {};
    return style->standardIcon(kPictures[icon]).pixmap(kIconSize, kIconSize);
}

void FillBackground(QWidget* widget, const QColor& color, QPalette::ColorRole role = QPalette::Window)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

frmMessageDisplay::frmMessageDisplay(const MessageComposition& message, QWidget* parent, QWidget* mainWindow)
    : QDialog(parent)
    , vseTitle_(new QLabel(this))
    , imgLogo_(new QLabel(this))
    , imgMessage_(new QLabel(this))
    , lblMsgContainer_(new QScrollArea(this))
    , lblMessage_(new QLabel)
    , text_(DisplayLines(message.text))
    , vseCommand_{new QPushButton(this), new QPushButton(this), new QPushButton(this)}
    , focusButton_(message.focusButton)
    , result_(message.closeResult)
{
    setObjectName("frmMessageDisplay");
    vseTitle_->setObjectName("vseTitle");
    imgLogo_->setObjectName("imgLogo");
    imgMessage_->setObjectName("imgMessage");
    lblMsgContainer_->setObjectName("lblMsgContainer");
    lblMessage_->setObjectName("lblMessage");
    placeControls();

    setWindowTitle(QString::fromStdString(message.caption));
    vseTitle_->setText(QString::fromStdString(message.title));
    platform::TakeMainWindowLook(this, mainWindow, imgLogo_);
    // The logo area is small: a larger logo is shown reduced, not cut.
    const QPixmap logo = imgLogo_->pixmap();
    if (logo.width() > imgLogo_->width() || logo.height() > imgLogo_->height())
        imgLogo_->setPixmap(logo.scaled(imgLogo_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    imgMessage_->setPixmap(IconPicture(message.icon, style()));
    lblMessage_->setTextFormat(Qt::PlainText);
    lblMessage_->setText(BreakWordsWiderThan(text_, lblMessage_->fontMetrics(), textWidth()));
    fitTextPanel();
    offerCopying();

    for (int k = 0; k < 3; ++k) {
        QPushButton* button = vseCommand_[k];
        const MessageButtonFace& face = message.buttons[k];
        button->setObjectName(QStringLiteral("vseCommand%1").arg(k));
        button->setText(QString::fromStdString(face.caption));
        button->setProperty("Tag", QString::number(face.result));
        button->setVisible(face.visible);
        connect(button, &QPushButton::clicked, this, [this, k] { pressButton(k); });
    }
    if (message.colorScheme)
        applyColorScheme();
    SubCenterForm(platform::ToWindow(this));
    // Fitted to the screen with the frame the window manager gave it.
    platform::WhenFramed(this, [this] {
        fitTextPanel();
        SubCenterForm(platform::ToWindow(this));
    });
}

void frmMessageDisplay::placeControls()
{
    setFixedSize(Px(5460), Px(kDialogHeight));
    vseTitle_->setGeometry(Px(690), Px(210), Px(3375), Px(975));
    vseTitle_->setAlignment(Qt::AlignCenter);
    vseTitle_->setWordWrap(true);
    vseTitle_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont titleFont = vseTitle_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    vseTitle_->setFont(titleFont);
    imgLogo_->setGeometry(Px(120), Px(210), Px(510), Px(975));
    imgLogo_->setAlignment(Qt::AlignCenter);
    imgMessage_->setGeometry(Px(4125), Px(210), Px(1230), Px(975));
    imgMessage_->setAlignment(Qt::AlignCenter);

    // The text panel; a text longer than the panel scrolls instead of being cut.
    lblMsgContainer_->setGeometry(Px(120), Px(1380), Px(5235), Px(kPanelHeight));
    lblMsgContainer_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblMsgContainer_->setWidgetResizable(true);
    lblMsgContainer_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As much room below the last line as above the first.
    lblMessage_->setContentsMargins(Px(210 - 120), Px(1470 - 1380), Px(90), Px(1470 - 1380));
    lblMessage_->setWordWrap(true);
    lblMessage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMsgContainer_->setWidget(lblMessage_);

    for (int k = 0; k < 3; ++k) {
        vseCommand_[k]->setGeometry(Px(kButtonLefts[k]), Px(kButtonTop), Px(1395), Px(390));
        vseCommand_[k]->setAutoDefault(true);
    }
}

int frmMessageDisplay::textWidth() const
{
    const QMargins margins = lblMessage_->contentsMargins();
    return lblMsgContainer_->width() - 2 * lblMsgContainer_->frameWidth() - margins.left() -
           margins.right() - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void frmMessageDisplay::fitTextPanel()
{
    const int frame = 2 * lblMsgContainer_->frameWidth();
    const int needed = lblMessage_->heightForWidth(lblMsgContainer_->width() - frame) + frame;
    int panel = std::max(needed, Px(kPanelHeight));
    // The whole dialog, the window manager's title bar and border included,
    // stays within the screen.
    if (const QScreen* shown = screen()) {
        const QMargins border = platform::ExpectedFrameMargins(this);
        const int room = shown->availableGeometry().height() - border.top() - border.bottom();
        panel = std::max(Px(kPanelHeight), std::min(panel, room - Px(kDialogHeight - kPanelHeight)));
    }
    const int grow = panel - Px(kPanelHeight);
    lblMsgContainer_->resize(lblMsgContainer_->width(), panel);
    for (QPushButton* button : vseCommand_)
        button->move(button->x(), Px(kButtonTop) + grow);
    setFixedSize(width(), Px(kDialogHeight) + grow);
}

void frmMessageDisplay::offerCopying()
{
    lblMessage_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* copy = new QAction(QString::fromStdString(sFctGetText(358)), this);
    copy->setObjectName("mnuCopy");
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &frmMessageDisplay::copyText);
    auto* selectAll = new QAction(QString::fromStdString(sFctGetText(360)), this);
    selectAll->setObjectName("mnuSelectAll");
    selectAll->setShortcut(QKeySequence::SelectAll);
    connect(selectAll, &QAction::triggered, this,
            [this] { lblMessage_->setSelection(0, static_cast<int>(lblMessage_->text().size())); });
    for (QAction* action : {copy, selectAll}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        lblMessage_->addAction(action);
    }
    // In place of the label's own menu, whose Copy would take the breaks
    // along.
    lblMessage_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void frmMessageDisplay::copyText() const
{
    const QString selected = lblMessage_->selectedText();
    const bool whole = selected.isEmpty() || selected.size() == lblMessage_->text().size();
    QApplication::clipboard()->setText(whole ? text_ : QString(selected).remove(kBreakOpportunity));
}

void frmMessageDisplay::applyColorScheme()
{
    FillBackground(this, kWindowColor);
    FillBackground(vseTitle_, kWindowColor);
    for (QPushButton* button : vseCommand_)
        FillBackground(button, kButtonColor, QPalette::Button);
    FillBackground(lblMsgContainer_->viewport(), kTextPanelColor);
    FillBackground(lblMessage_, kTextPanelColor);
}

void frmMessageDisplay::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (focusButton_ >= 0 && focusButton_ < 3 && vseCommand_[focusButton_]->isVisible())
        vseCommand_[focusButton_]->setFocus(Qt::ActiveWindowFocusReason);
}

void frmMessageDisplay::pressButton(int index)
{
    result_ = static_cast<int16_t>(vseCommand_[index]->property("Tag").toString().toInt());
    accept();
}

void QtMessageDisplay::Beep()
{
    QApplication::beep();
}

void QtMessageDisplay::RestoreDefaultCursor()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

int16_t QtMessageDisplay::ShowMessage(const MessageComposition& message)
{
    frmMessageDisplay dialog(message, QApplication::activeWindow(), mainWindow_);
    QCoreApplication::processEvents();
    RestoreDefaultCursor();
    dialog.exec();
    QCoreApplication::processEvents();
    return dialog.nResult();
}

void QtMessageDisplay::ShowCriticalBox(const std::string& title, const std::string& body)
{
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title), DisplayLines(body), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName("criticalBox");
    box.exec();
}
