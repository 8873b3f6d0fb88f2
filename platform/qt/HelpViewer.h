#pragma once
#include <QWidget>

class QTextBrowser;

namespace platform {

// The program's help window: a browser of the HTML pages in the help folder
// of the application folder. A separate window owned by the main window.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner);

    // Shows the page file and brings the window up; returns at once. A file
    // that does not exist changes nothing and returns false.
    bool ShowPage(const QString& pageFile);

    // The local file of the page shown, or "" before the first page.
    QString CurrentPage() const;

private:
    QTextBrowser* browser_;
};

} // namespace platform
