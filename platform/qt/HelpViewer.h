#pragma once
#include <QPointer>
#include <QRect>
#include <QWidget>

class QAction;

namespace platform {

class HelpBrowser;

// The program's help window: a browser of the HTML pages in the help folder
// of the application folder, with Back and Forward, closed with Escape. A
// tool window of its own owned by the main window, which keeps it and its
// history until the main window goes; the window system keeps it above its
// owner (the main window, or the dialog it was asked for from while that
// is open). It opens whole on the screen over the main
// window's area of child windows (clear of its menu bar and side panel)
// where that has room; a page asked for from a modal dialog stays usable
// while that dialog is open, opens beside it and outlives it.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner);

    // What stands in for a page file that does not exist: a page of the
    // window's own with its caption and text.
    struct MissingPageNote {
        QString title;
        QString text;
    };

    // Shows the page file and brings the window up; returns at once. Where
    // the file does not exist, the page of the note stands in its place
    // (and in the history).
    void ShowPage(const QString& pageFile, const MissingPageNote& missingNote);

    // The local file of the page shown (or of the missing page whose note
    // is shown), or "" before the first page.
    QString CurrentPage() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetTexts();
    void ShowTitle();
    // Over the dialog: usable while it is open.
    void AttachTo(QWidget* dialog);
    // The window it stays above.
    void SetOwnerWindow(QWidget* owner);
    // Where the window opens: its frame rectangle (empty: where it is).
    QRect Placement(QWidget* dialog) const;
    void PlaceAt(const QRect& frame);

    HelpBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QPointer<QWidget> dialog_;  // the modal dialog the page was asked for from
};

// Where a window of the preferred size goes so that it covers nothing of
// keepClear: into the free strip of the screen to the right of, left of,
// below or above keepClear that gives it the largest area, as large as the
// strip allows up to the preferred size and beside keepClear. An empty
// rectangle when no strip holds the smallest size. All frame rectangles.
QRect PlaceBeside(const QRect& screen, const QRect& keepClear, const QSize& preferred, const QSize& smallest);

} // namespace platform
