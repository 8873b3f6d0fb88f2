#include "platform/core/FileAccess.h"

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool IsReadOnlyFile(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    return (status.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0;
}

} // namespace platform
