#include "platform/qt/FileContents.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace platform {
namespace {

constexpr int kMaxLinks = 40;

// The file a name stands for once its symbolic links are followed (the
// name itself when it is no link); empty for a chain of links that does not
// end.
QString LinkedFile(const QString& file)
{
    QFileInfo info(file);
    for (int hops = 0; info.isSymLink(); ++hops) {
        if (hops == kMaxLinks)
            return QString();
        info.setFile(info.symLinkTarget());
    }
    return info.filePath();
}

// Writes the bytes into the file itself, from its start, cutting it to
// their length.
bool WriteInPlace(const QString& file, const QByteArray& bytes, QString& reason)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::ExistingOnly)) {
        reason = out.errorString();
        return false;
    }
    const bool written = out.write(bytes) == bytes.size() && out.flush() && ::fsync(out.handle()) == 0;
    if (!written)
        reason = out.error() != QFileDevice::NoError ? out.errorString() : QStringLiteral("not every byte was written");
    out.close();
    return written;
}

} // namespace

bool ReplaceFileContents(const QString& file, const QByteArray& bytes, QString& reason)
{
    const QString target = LinkedFile(file);
    if (target.isEmpty()) {
        reason = QStringLiteral("too many symbolic links");
        return false;
    }
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isFile()) {
        reason = QStringLiteral("it is not a regular file");
        return false;
    }
    QSaveFile beside(target);
    if (!beside.open(QIODevice::WriteOnly)) {
        // The folder takes no new file: the file itself, where there is one.
        if (!existing.exists()) {
            reason = beside.errorString();
            return false;
        }
        return WriteInPlace(target, bytes, reason);
    }
    if (beside.write(bytes) == bytes.size() && beside.commit())
        return true;
    reason = beside.errorString();
    return false;
}

} // namespace platform
