#include "platform/qt/HelpViewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

HelpViewer::HelpViewer(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , browser_(new QTextBrowser(this))
{
    setObjectName("HelpViewer");
    browser_->setObjectName("helpBrowser");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 480);
}

bool HelpViewer::ShowPage(const QString& pageFile)
{
    const QFileInfo page(pageFile);
    if (!page.isFile())
        return false;
    browser_->setSource(QUrl::fromLocalFile(page.absoluteFilePath()), QTextDocument::HtmlResource);
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? page.completeBaseName() : title);
    show();
    raise();
    activateWindow();
    return true;
}

QString HelpViewer::CurrentPage() const
{
    return browser_->source().toLocalFile();
}

} // namespace platform
