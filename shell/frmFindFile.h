#pragma once
#include "platform/qt/FolderListing.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// On entry the file name to look for; on return the full path the user
// picked, or empty when the user gave up.
extern std::string gsFoundFile;

// The file-find dialog: searches a "drive" (a mounted file system) folder by
// folder for the files whose name matches the name typed (wildcards "*" and
// "?", letters of either case) and returns the path the user picks in
// gsFoundFile. The search goes depth first, lists a folder's own files after
// those of all its subfolders, never follows a symbolic link into a folder,
// does not enter /proc, /sys and /dev, reads a folder it cannot open as
// empty, and keeps the dialog responsive once per folder; Stop ends it at the
// next folder. Cancel (and Escape) always return an empty gsFoundFile. Browse
// picks a file with the file-open dialog and returns it.
//
// Object names: txtNamed, drvList, lstFiles, lblMessage, lblHelp, vseOkay,
// vseCancel, vseBrowse, vseFindNow, vseStop, dlgDialog (the file-open
// dialog).
class frmFindFile : public QDialog {
    Q_OBJECT
public:
    // mainWindow: gives the icon. drives: the drive list.
    explicit frmFindFile(QWidget* mainWindow = nullptr,
                         const std::vector<std::string>& drives = platform::MountedDrives());

    void reject() override;  // Cancel, Escape and the close box

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void mSubSetColorScheme();
    void vseFindNow_Click();
    void mSubSearchDirectory(const std::string& pattern, const std::string& folder);
    void vseOkay_Click();
    void vseBrowse_Click();
    void expand();

    QLineEdit* txtNamed_;
    QComboBox* drvList_;
    QWidget* resultPanel_;
    QListWidget* lstFiles_;
    QLabel* lblMessage_;
    QLabel* lblHelp_;
    QPushButton* vseOkay_;
    QPushButton* vseCancel_;
    QPushButton* vseBrowse_;
    QPushButton* vseFindNow_;
    QPushButton* vseStop_;
    bool stop_ = false;
    bool searching_ = false;
};

// Shows the file-find dialog modally for the name in gsFoundFile; afterwards
// gsFoundFile holds the path found, or is empty.
void ShowFindFileDialog(QWidget* mainWindow);
