#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// platform::ReplaceFileContents (platform/core/FileAccess.h) for a file
// named as Qt names it: false, with the reason (for the user, in English),
// when the bytes were not all written.
bool ReplaceFileContents(const QString& file, const QByteArray& bytes, QString& reason);

} // namespace platform
