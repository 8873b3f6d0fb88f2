#pragma once
#include <string>

namespace testing_support {

// A private application folder for one test: the program data of the build
// (databases, help pages, pictures) copied into a fresh temporary folder, no
// settings file, and the application paths pointed at it. Removed again when
// the object goes out of scope, and the previous paths restored.
class TestAppFolder {
public:
    TestAppFolder();
    ~TestAppFolder();
    TestAppFolder(const TestAppFolder&) = delete;
    TestAppFolder& operator=(const TestAppFolder&) = delete;

    // The folder, ending in "/".
    const std::string& path() const { return path_; }
    // path() + name.
    std::string file(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
    std::string previous_[4];  // the application paths before this folder
};

// The application folder the build lays out (ending in "/").
std::string BuiltAppFolder();

} // namespace testing_support
