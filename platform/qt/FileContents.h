#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// Puts bytes in the place of a file's contents, a new file where there is
// none. A symbolic link is followed to the file it names, which takes the
// bytes; the link stays. The bytes go into a new file beside that file,
// which is renamed over it only once every byte is written, so a write that
// fails leaves the file as it was. Where its folder takes no new file but
// the file itself may be written, the bytes are written into the file
// itself (a failure then may leave it damaged). A name that stands for
// something other than a regular file (a folder, a device, a pipe, a
// socket) is refused and left as it is. False, with the reason (for the
// user, in English), when the bytes were not all written.
bool ReplaceFileContents(const QString& file, const QByteArray& bytes, QString& reason);

} // namespace platform
