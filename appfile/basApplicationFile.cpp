#include "appfile/basApplicationFile.h"

#include "appfile/AppFileOnDisk.h"
#include "appfile/AppFileReplace.h"
#include "appfile/basApplicationFileReader.h"
#include "appfile/basApplicationFileWriter.h"
#include "appfile/basWindowStatusFile.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/basAppPaths.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basMaterialLists.h"
#include "foundation/basMessageCatalogue.h"
#include "model/basAxisData.h"
#include "model/basWindowStatus.h"
#include "platform/core/CurrentError.h"
#include "platform/core/Database.h"
#include "platform/core/FileAccess.h"
#include "platform/core/ReplacementFile.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;
using appfile::AppFileError;

int16_t gbFileAccessError = model::kFalse;

namespace {

constexpr int16_t kMessageSaveFailed = 1005;
constexpr int16_t kMessageReadFailed = 1006;
constexpr int16_t kMessageTemplateMissing = 1010;
constexpr int16_t kMessageForeignMarker = 1013;

void ShowFileMessage(int16_t messageNumber, const AppFileError* error)
{
    SubPrepareCatalogueMessage(*gMsg, messageNumber);
    if (error)
        platform::SetCurrentError(error->number, error->description);
    gMsg->nFctDisplay();
}

// The backup's name for a save into `file`, which writes `target`; "" when
// the rule would name the file itself, by any of its names (`file` a link
// to it, letter case on a file system that ignores it). A backup name that
// is itself a link is replaced by the backup, not followed.
std::string BackupPathFor(const std::string& file, const std::string& target)
{
    if (file.size() < 3)
        return "";
    const std::string backup = file.substr(0, file.size() - 3) + "bak";
    std::error_code ec;
    const bool isTarget = backup == file || (!fs::is_symlink(backup, ec) && appfile::SameFile(backup, target));
    return isTarget ? "" : backup;
}

// The in-memory IDs of the axes in use, in array order: the axis at
// position k is stored with the number k + 1.
std::vector<int16_t> StoredAxisIds()
{
    std::vector<int16_t> ids;
    nFctGetAxisIdList(ids);
    ids.resize(ids.empty() ? 0 : ids.size() - 1);  // drop the closing 0
    return ids;
}

// Every row of the open application into the database at tempPath, the
// file being built for target, in one transaction. A failure names target.
bool WriteApplicationRows(const std::string& tempPath, const std::string& target, AppFileError& error)
{
    platform::Database db;
    bool written = db.Open(tempPath, platform::OpenMode::ReadWrite) && db.BeginTransaction();
    if (!written) {
        error = appfile::FromDbError(db.Error());
    } else if (!bFctWriteAxisRows(db, gAxis, error) ||
               !bFctWriteWindowStatus(db, WindowStatusRowsToWrite(StoredAxisIds()), error)) {
        db.Rollback();
        written = false;
    } else if (!db.CommitTransaction()) {
        error = appfile::FromDbError(db.Error());
        written = false;
    }
    if (!written) {
        error.description = target + ": " + error.description;
        return false;
    }
    db.Close();
    return true;
}

} // namespace

bool IsProgramFile(const std::string& file)
{
    for (const std::string& own : {gsTemplateDbPath, gsReferenceDbPath, gsAppPath + kMaterialsDbName,
                                   gsAppPath + kIniFileName})
        if (appfile::SameFile(file, own))
            return true;
    return false;
}

namespace {

// The backup of `target` made before the new file replaces it: a complete
// copy of the file, under the file's own mode, owner and group, beside the
// backup's name, moved over it only after the save. Nothing when no backup
// is made (or it cannot be; that does not stop the save).
std::unique_ptr<platform::ReplacementFile> PrepareBackup(const std::string& target, const std::string& backup)
{
    std::error_code ec;
    // A backup that may not be written (its owner made it read-only to keep
    // that generation) is left as it is, as every writer leaves such a file.
    if (backup.empty() || !fs::is_regular_file(target, ec) || platform::WriteRefusal(backup) != 0)
        return nullptr;
    auto copy = std::make_unique<platform::ReplacementFile>(backup);
    if (copy->Error() != 0 || copy->CopyFrom(target) != 0)
        return nullptr;
    copy->TakePermissionsOf(target);
    return copy;
}

// Saves into file; `written` is the file as the save left it.
bool SaveApplication(const std::string& file, int16_t renewBackup, appfile::FileStamp& written,
                     AppFileError& error)
{
    std::error_code ec;
    const std::string target = platform::LinkedFile(file);
    if (target.empty()) {
        error = appfile::FileStepError(file, ELOOP);
        return false;
    }
    if (IsProgramFile(target)) {
        error = {appfile::kPathFileAccessError,
                 "Path/File access error: " + file + " is a file of the program"};
        return false;
    }
    if (fs::is_directory(target, ec)) {
        error = {appfile::kPathFileAccessError, "Path/File access error: " + file + " is a folder"};
        return false;
    }
    if (const int refusal = platform::WriteRefusal(target)) {
        error = {appfile::kPermissionDenied, "Permission denied: " + file + ": " + platform::FileErrorText(refusal)};
        return false;
    }
    const std::string backup = gbCreateBackup && renewBackup ? BackupPathFor(file, target) : "";
    platform::RemoveLeftoversBeside(target);
    if (!backup.empty())
        platform::RemoveLeftoversBeside(backup);

    platform::ReplacementFile replacement(target);
    if (!appfile::CopyTemplateInto(replacement, gsTemplateDbPath, target, error))
        return false;
    // An application without axes is the template as it is.
    if (nFctGetUsedAxisCount() > 0 && !WriteApplicationRows(replacement.Path(), target, error))
        return false;
    // The move keeps the file's time, size and content.
    written = appfile::TakeFileStamp(replacement.Path());
    const auto backupCopy = PrepareBackup(target, backup);
    replacement.TakePermissionsOf(target);
    if (const int reason = replacement.MoveOverTarget()) {
        error = appfile::FileStepError(target, reason);
        return false;
    }
    // The previous generation becomes the backup only now that the save
    // has succeeded; a backup that cannot be moved keeps the one before.
    if (backupCopy)
        backupCopy->MoveOverTarget();
    return true;
}

void InstallApplication(const std::vector<AxisRec>& axes, const std::vector<WindowStatusRow>& windows)
{
    SubResetAllAxes();
    for (size_t i = 0; i < axes.size(); ++i) {
        SubAddAxis(axes[i].Number);
        SubPutAxisRecord(axes[i], static_cast<int16_t>(i));
    }
    SubClearWindowStatus();
    SubReadWindowStatusRows(windows);
}

} // namespace

namespace {

// The save, and what the program then knows of the file; the error where it
// failed.
bool WriteAndRemember(const std::string& file, int16_t renewBackup, AppFileError& error)
{
    gbFileAccessError = model::kFalse;
    appfile::FileStamp written;
    if (!SaveApplication(file, renewBackup, written, error)) {
        gbFileAccessError = model::kTrue;
        return false;
    }
    gbWindowStatusChanged = model::kFalse;
    appfile::RememberFileOnDisk(file, written);
    return true;
}

} // namespace

int16_t nFctWriteApplicationFile(const std::string& sFile, int16_t bRenewBackup)
{
    AppFileError error;
    if (WriteAndRemember(sFile, bRenewBackup, error))
        return model::kTrue;
    ShowFileMessage(error.number == appfile::kFileNotFound ? kMessageTemplateMissing : kMessageSaveFailed,
                    &error);
    return model::kFalse;
}

int16_t nFctWriteApplicationFileUntold(const std::string& sFile)
{
    AppFileError error;
    return model::AsFlag(WriteAndRemember(sFile, model::kFalse, error));
}

int16_t nFctReadApplicationFile(const std::string& sFile)
{
    gbFileAccessError = model::kFalse;
    std::vector<AxisRec> axes;
    std::vector<WindowStatusRow> windows;
    AppFileError error;
    auto content = ApplicationFileContent::Failed;
    appfile::FileStamp read;
    {
        platform::Database db;
        if (db.Open(sFile, platform::OpenMode::ReadOnly) && db.CheckIntegrity()) {
            // Taken once the file is known to be a sound database (never a
            // file of any other kind, however large), and before its rows
            // are read: a change made while they are read is one that the
            // next save asks about.
            read = appfile::TakeFileStamp(sFile);
            content = ReadApplicationFileContent(db, axes, windows, error);
        } else {
            error = appfile::FromDbError(db.Error());
        }
    }
    if (content == ApplicationFileContent::Read) {
        InstallApplication(axes, windows);
        appfile::RememberFileOnDisk(sFile, read);
        return model::kTrue;
    }
    // Nothing of a file that failed is kept: the application is empty.
    SubResetAllAxes();
    SubClearWindowStatus();
    appfile::ForgetFileOnDisk();
    gbFileAccessError = model::kTrue;
    if (content == ApplicationFileContent::ForeignMarker)
        ShowFileMessage(kMessageForeignMarker, nullptr);
    else
        ShowFileMessage(kMessageReadFailed, &error);
    return model::kFalse;
}
