#include "platform/qt/UserFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

// The same folder, however named.
bool SameFolder(const QString& a, const QString& b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() ? canonicalA == QFileInfo(b).canonicalFilePath()
                                 : QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

QString UserStartFolder(const std::string& chosen, const std::string& programFolder)
{
    const QString folder = QString::fromStdString(chosen);
    if (!folder.isEmpty() && QFileInfo(folder).isDir() && !SameFolder(folder, QString::fromStdString(programFolder)))
        return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace platform
