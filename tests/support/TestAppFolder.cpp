#include "tests/support/TestAppFolder.h"

#include "foundation/basAppPaths.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testing_support {

std::string BuiltAppFolder()
{
    return ORV_APP_DIR;
}

TestAppFolder::TestAppFolder()
    : previous_{gsAppPath, gsImagePath, gsReferenceDbPath, gsTemplateDbPath}
{
    std::string pattern = (fs::temp_directory_path() / "orvamis-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary application folder");
    path_ = pattern + "/";

    for (const auto& entry : fs::directory_iterator(BuiltAppFolder())) {
        const auto name = entry.path().filename().string();
        // Only program data: not the program itself nor a settings file left
        // by a manual run.
        if (name == "orvamis" || name == "Orvamis.Ini")
            continue;
        fs::copy(entry.path(), path_ + name,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    SubSetAppPaths(path_);
}

TestAppFolder::~TestAppFolder()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
    gsAppPath = previous_[0];
    gsImagePath = previous_[1];
    gsReferenceDbPath = previous_[2];
    gsTemplateDbPath = previous_[3];
}

} // namespace testing_support
