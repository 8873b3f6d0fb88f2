#pragma once
// The reason an application-file step failed: an error number and its
// description, shown in the error line of the message that reports it.
#include <string>

namespace platform { struct DbError; }

namespace appfile {

struct AppFileError {
    int number = 0;
    std::string description;
};

// Error numbers of the application-file steps besides those of the database
// layer (platform::DbErrorNumber), which are passed on as they are.
enum AppFileErrorNumber : int {
    kSubscriptOutOfRange = 9,   // a count beyond the size of its block
    kFileNotFound = 53,         // the file to copy from does not exist
    kPermissionDenied = 70,     // a file its owner keeps from being written
    kPathFileAccessError = 75,  // a file or folder that cannot be used as asked
    kInvalidFileFormat = 321    // rows and counts that do not agree
};

AppFileError FromDbError(const platform::DbError& error);

} // namespace appfile
