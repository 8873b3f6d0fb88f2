#pragma once
#include <QPointer>
#include <QRect>
#include <QWidget>

class QAction;
class QTextBrowser;

namespace platform {

// The program's help window: a browser of the HTML pages in the help folder
// of the application folder, with Back and Forward, closed with Escape. A
// separate window owned by the main window; a page asked for from a modal
// dialog stays usable while that dialog is open, is placed beside it and
// closes with it.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner);

    // Shows the page file and brings the window up; returns at once. A file
    // that does not exist changes nothing and returns false.
    bool ShowPage(const QString& pageFile);

    // The local file of the page shown, or "" before the first page.
    QString CurrentPage() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetTexts();
    void ShowTitle();
    // Over the dialog: usable while it is open, and placed beside it.
    void AttachTo(QWidget* dialog);

    QTextBrowser* browser_;
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
