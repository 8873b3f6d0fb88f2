#include "appfile/AppFileReplace.h"

#include "platform/core/FileAccess.h"
#include "platform/core/ReplacementFile.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace appfile {

AppFileError FileStepError(const std::string& target, int reason)
{
    return {kPathFileAccessError, "Path/File access error: " + target + ": " + platform::FileErrorText(reason)};
}

bool CopyTemplateInto(platform::ReplacementFile& file, const std::string& source, const std::string& target,
                      AppFileError& error)
{
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) {
        if (!fs::exists(source, ec))
            error = {kFileNotFound, "File not found: " + source};
        else
            error = {kPathFileAccessError, "Path/File access error: " + source + " is not a file"};
        return false;
    }
    const int reason = file.Error() != 0 ? file.Error() : file.CopyFrom(source);
    if (reason != 0)
        error = FileStepError(target, reason);
    return reason == 0;
}

} // namespace appfile
