#include "platform/qt/HelpViewer.h"

#include "foundation/basWinAPICalls.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QMdiArea>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <array>

namespace platform {

namespace {

constexpr QSize kPreferredSize(640, 480);
constexpr QSize kSmallestSize(280, 240);

// The frame rectangle that covers the visible buttons of a dialog, in
// screen coordinates (empty when it has none).
QRect ButtonsOf(QWidget* dialog)
{
    QRect covered;
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->isVisible())
            covered |= QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
    return covered;
}

int Clamped(int value, int low, int high)
{
    return std::max(low, std::min(value, high));
}

} // namespace

// The browser of the help pages. A page file that is missing shows the note
// given for it, as a page of the window's own titled with the note's title.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    using Note = HelpViewer::MissingPageNote;

    void ShowPage(const QString& pageFile, const Note& missingNote)
    {
        const bool missing = !QFileInfo(pageFile).isFile();
        const bool note = notes_.contains(pageFile);
        if (missing)
            notes_.insert(pageFile, missingNote);
        else
            notes_.remove(pageFile);
        const QUrl page = QUrl::fromLocalFile(pageFile);
        // Shown again: a note in the language it was asked in now, the page
        // in place of its note once it is there.
        if (page == source() && (missing || note))
            reload();
        else
            setSource(page, QTextDocument::HtmlResource);
    }

protected:
    QVariant loadResource(int type, const QUrl& name) override
    {
        const QString file = name.toLocalFile();
        if (type != QTextDocument::HtmlResource || file.isEmpty() || QFileInfo(file).isFile())
            return QTextBrowser::loadResource(type, name);
        // A page that a link of another page leads to is told as well, in
        // the language of the moment.
        const QFileInfo page(file);
        const Note note = notes_.contains(file)
                              ? notes_.value(file)
                              : Note{QString::fromStdString(sFctMissingHelpPageTitle()),
                                     QString::fromStdString(sFctMissingHelpPageNote(
                                         page.fileName().toStdString(), (page.absolutePath() + '/').toStdString()))};
        return QStringLiteral("<html><head><title>%1</title></head><body><p>%2</p></body></html>")
            .arg(note.title.toHtmlEscaped(), note.text.toHtmlEscaped());
    }

private:
    QHash<QString, Note> notes_;  // by page file
};

QRect PlaceBeside(const QRect& screen, const QRect& keepClear, const QSize& preferred, const QSize& smallest)
{
    struct Strip {
        QRect area;
        bool horizontal;  // beside keepClear to the left or right
    };
    const std::array<Strip, 4> strips{{
        {QRect(QPoint(keepClear.right() + 1, screen.top()), screen.bottomRight()), true},
        {QRect(screen.topLeft(), QPoint(keepClear.left() - 1, screen.bottom())), true},
        {QRect(QPoint(screen.left(), keepClear.bottom() + 1), screen.bottomRight()), false},
        {QRect(screen.topLeft(), QPoint(screen.right(), keepClear.top() - 1)), false},
    }};
    QRect best;
    for (const Strip& strip : strips) {
        const QSize size = preferred.boundedTo(strip.area.size());
        if (size.width() < smallest.width() || size.height() < smallest.height())
            continue;
        if (best.isValid() && size.width() * size.height() <= best.width() * best.height())
            continue;
        QRect place(QPoint(), size);
        if (strip.horizontal) {
            const int x = strip.area.left() > keepClear.left() ? strip.area.left() : strip.area.right() - size.width() + 1;
            const int y = Clamped(keepClear.top() + (keepClear.height() - size.height()) / 2, strip.area.top(),
                                  strip.area.bottom() - size.height() + 1);
            place.moveTo(x, y);
        } else {
            const int x = Clamped(keepClear.left() + (keepClear.width() - size.width()) / 2, strip.area.left(),
                                  strip.area.right() - size.width() + 1);
            const int y = strip.area.top() > keepClear.top() ? strip.area.top() : strip.area.bottom() - size.height() + 1;
            place.moveTo(x, y);
        }
        best = place;
    }
    return best;
}

HelpViewer::HelpViewer(QWidget* owner)
    : QWidget(owner, Qt::Tool)
    , browser_(new HelpBrowser(this))
    , back_(new QAction(this))
    , forward_(new QAction(this))
{
    setObjectName("HelpViewer");
    browser_->setObjectName("helpBrowser");
    back_->setObjectName("helpBack");
    forward_->setObjectName("helpForward");
    back_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    forward_->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::ShowTitle);

    auto* tools = new QToolBar(this);
    tools->setObjectName("helpToolbar");
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->addAction(back_);
    tools->addAction(forward_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(browser_);
    SetTexts();
    resize(kPreferredSize);
}

void HelpViewer::SetTexts()
{
    // Qt's own words for the two steps, so that they follow Qt's language.
    back_->setText(QCoreApplication::translate("QFileDialog", "Back"));
    forward_->setText(QCoreApplication::translate("QFileDialog", "Forward"));
}

void HelpViewer::ShowPage(const QString& pageFile, const MissingPageNote& missingNote)
{
    browser_->ShowPage(QFileInfo(pageFile).absoluteFilePath(), missingNote);
    ShowTitle();
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == this)
        dialog = nullptr;
    if (dialog)
        AttachTo(dialog);
    // Where the user has put the open window it stays, unless a dialog asks
    // for it.
    if (!isVisible() || dialog)
        PlaceAt(Placement(dialog));
    show();
    raise();
    activateWindow();
}

void HelpViewer::ShowTitle()
{
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QFileInfo(CurrentPage()).completeBaseName() : title);
}

void HelpViewer::AttachTo(QWidget* dialog)
{
    if (dialog_ != dialog) {
        if (dialog_)
            dialog_->removeEventFilter(this);
        dialog_ = dialog;
        dialog->installEventFilter(this);
    }
    // A window stacked over the dialog is not blocked by it.
    SetOwnerWindow(dialog);
}

void HelpViewer::SetOwnerWindow(QWidget* owner)
{
    create();
    QWindow* window = windowHandle();
    QWindow* ownerWindow = owner ? owner->windowHandle() : nullptr;
    if (!window || window->transientParent() == ownerWindow)
        return;
    window->setTransientParent(ownerWindow);
    // The window system learns of the new owner when the window is shown:
    // an open window is shown again where it is, leaving the activation
    // where it is.
    if (isVisible()) {
        const QRect frame = geometry();
        const bool quiet = testAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_ShowWithoutActivating, true);
        hide();
        setGeometry(frame);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, quiet);
    }
}

QRect HelpViewer::Placement(QWidget* dialog) const
{
    QWidget* owner = parentWidget();
    const QWidget* near = dialog ? dialog : owner;
    QScreen* screen = near && near->screen() ? near->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QRect();
    const QRect available = screen->availableGeometry();
    // The owner's area of child windows, on the screen, when it has room.
    QRect room = available;
    if (const QMdiArea* area = owner ? owner->findChild<QMdiArea*>() : nullptr; area && area->isVisible()) {
        const QRect areaRect = QRect(area->mapToGlobal(QPoint(0, 0)), area->size()) & available;
        if (areaRect.width() >= kSmallestSize.width() && areaRect.height() >= kSmallestSize.height())
            room = areaRect;
    }
    QRect place;
    if (dialog) {
        place = PlaceBeside(room, dialog->frameGeometry(), kPreferredSize, kSmallestSize);
        if (!place.isValid())
            place = PlaceBeside(room, ButtonsOf(dialog), kPreferredSize, kSmallestSize);
    }
    if (!place.isValid()) {
        place = QRect(QPoint(), kPreferredSize.boundedTo(room.size()));
        place.moveCenter(room.center());
    }
    return place;
}

void HelpViewer::PlaceAt(const QRect& frame)
{
    if (!frame.isValid())
        return;
    const QSize border = frameGeometry().size() - size();
    resize(frame.size() - border);
    move(frame.topLeft());
}

QString HelpViewer::CurrentPage() const
{
    return browser_->source().toLocalFile();
}

void HelpViewer::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event)
{
    // The dialog goes; the window stays with its owner, the main window.
    if (watched == dialog_ && event->type() == QEvent::Hide) {
        dialog_->removeEventFilter(this);
        dialog_ = nullptr;
        SetOwnerWindow(parentWidget() ? parentWidget()->window() : nullptr);
    }
    return QWidget::eventFilter(watched, event);
}

void HelpViewer::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        SetTexts();
}

} // namespace platform
