#include "platform/qt/FileContents.h"

#include "platform/core/FileAccess.h"

#include <QFile>

namespace platform {

bool ReplaceFileContents(const QString& file, const QByteArray& bytes, QString& reason)
{
    const int error = ReplaceFileContents(QFile::encodeName(file).toStdString(), bytes.toStdString());
    reason = QString::fromStdString(FileErrorText(error));
    return error == 0;
}

} // namespace platform
