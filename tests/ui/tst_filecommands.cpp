// The File menu driven as a user drives it: the save question, New, Save As,
// the recent files, Open, failed saves and opens, Exit and its settings, a
// file that another copy of the program saved into meanwhile, and names as
// long as a folder takes.
#include "appfile/AppFileReplace.h"
#include "platform/core/ReplacementFile.h"
#include "appfile/basApplicationFile.h"
#include "design/frmAxisDesign.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/basAppPaths.h"
#include "foundation/basIniFileControl.h"
#include "model/basAxisAccessors.h"
#include "model/basAxisData.h"
#include "model/basChangeDetection.h"
#include "report/frmReportContent.h"
#include "shell/Main.h"
#include "shell/basWindowSlots.h"
#include "shell/frmAxisControl.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/TestHome.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <sched.h>
#include <signal.h>
#include <sys/stat.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>

using testing_support::MessageNumbers;
using testing_support::ProgramRun;
using testing_support::RunInAnotherProcess;

namespace {

bool Exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

QString Canonical(const QString& folder)
{
    return QFileInfo(folder).canonicalFilePath();
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs one SQL statement on a file.
bool Execute(const std::string& file, const char* sql)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(file.c_str(), &db) == SQLITE_OK && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// The axis titles stored in an application file, as their bytes.
std::vector<std::string> StoredTitleBytes(const std::string& file)
{
    std::vector<std::string> titles;
    sqlite3* db = nullptr;
    sqlite3_stmt* query = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, "SELECT Description FROM AxisData", -1, &query, nullptr) == SQLITE_OK) {
        while (sqlite3_step(query) == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(query, 0));
            titles.emplace_back(text ? text : "");
        }
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
    return titles;
}

// The same as texts.
QStringList StoredTitles(const std::string& file)
{
    QStringList titles;
    for (const std::string& bytes : StoredTitleBytes(file))
        titles << QString::fromStdString(bytes);
    return titles;
}

// Another copy of the program, with the same application open, gives axis 1
// its own title and saves into the file.
bool SaveByAnotherCopy(const std::string& file)
{
    return RunInAnotherProcess([&file] {
        SubSetAxisTitle(1, "Other copy");
        return nFctWriteApplicationFile(file) != 0;
    });
}

// A run with the file saved under that name, its axis edited since, and
// another copy's save in the file; returns that save's bytes.
std::string SaveEditAndLetAnotherCopySave(ProgramRun& run, const std::string& file)
{
    SubSetAxisTitle(1, "This copy");
    run.fileAnswers = {file};
    run.Trigger("mnuFileFunction_3");
    SubSetAxisTitle(1, "This copy, edited");
    if (!run.Messages().messages.empty() || !SaveByAnotherCopy(file))
        return {};
    return ReadBytes(file);
}

// Types path into the file name of Qt's file dialog and presses Return.
void TypeIntoFileDialog(QWidget* dialog, const std::string& path)
{
    QVERIFY(qobject_cast<QFileDialog*>(dialog));
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(name);
    name->setFocus();
    QTest::keyClicks(name, QString::fromStdString(path));
    QTest::keyClick(name, Qt::Key_Return);
}

// Chooses path in the next file dialog (Qt's own).
void ChooseInFileDialog(const std::string& path)
{
    dialog_tests::WhenModalShows([path](QWidget* dialog) { TypeIntoFileDialog(dialog, path); });
}

// As ChooseInFileDialog, for a file that is there: answers Yes to the
// dialog's own question whether to replace it. The flag tells that the
// question came.
std::shared_ptr<bool> ChooseInFileDialogAndReplace(const std::string& path)
{
    auto asked = std::make_shared<bool>(false);
    dialog_tests::WhenModalShows([path, asked](QWidget* dialog) {
        dialog_tests::WhenModalShows([asked](QWidget* question) {
            auto* box = qobject_cast<QMessageBox*>(question);
            QVERIFY(box);
            *asked = true;
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        });
        TypeIntoFileDialog(dialog, path);
    });
    return asked;
}

// The names of the program's temporary files (and of files that look so) in
// a folder.
std::set<std::string> TemporaryNames(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().starts_with(".orvamis-saving-"))
            names.insert(entry.path().filename().string());
    return names;
}

// The first step of a save into target, made in this process: the temporary
// file beside target.
bool BeginSave(const std::string& target, std::string& tempPath)
{
    // Left as a process that goes no further leaves it: never removed.
    auto* begun = new platform::ReplacementFile(target);
    appfile::AppFileError error;
    tempPath = begun->Path();
    return appfile::CopyTemplateInto(*begun, gsTemplateDbPath, target, error);
}

// Another copy of the program, in a pid namespace of its own (a container's,
// or one `unshare --pid` makes), under a process ID that no process of this
// namespace has: it begins a save into a file and holds it, half-way, until
// Finish.
class SaveInAnotherPidNamespace {
public:
    ~SaveInAnotherPidNamespace() { Finish(); }

    // False when no such namespace can be made here.
    bool Start(const std::string& target)
    {
        pid_t unusedHere = 300;
        while (::kill(unusedHere, 0) == 0 || errno != ESRCH)
            ++unusedHere;
        int begun[2];
        int held[2];
        if (::pipe(begun) != 0 || ::pipe(held) != 0)
            return false;
        child_ = ::fork();
        if (child_ == 0) {
            ::close(begun[0]);
            ::close(held[1]);
            ::_exit(RunInNewNamespace(target, unusedHere, begun[1], held[0]));
        }
        ::close(begun[1]);
        ::close(held[0]);
        release_ = held[1];
        char begunFlag = 0;
        const bool ok = child_ > 0 && ::read(begun[0], &begunFlag, 1) == 1;
        ::close(begun[0]);
        return ok;
    }

    // Lets the save go on; true when its temporary file was still there.
    bool Finish()
    {
        if (release_ >= 0)
            ::close(release_);
        release_ = -1;
        int status = 0;
        const bool ended = child_ > 0 && ::waitpid(child_, &status, 0) == child_;
        child_ = -1;
        return ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private:
    // In the forked process: a new pid namespace whose first process makes
    // the next one take the process ID `pid`, which begins the save.
    static int RunInNewNamespace(const std::string& target, pid_t pid, int begun, int held)
    {
        if (::unshare(CLONE_NEWPID) != 0)
            return 2;
        const pid_t first = ::fork();  // process 1 of the namespace
        if (first == 0) {
            std::ofstream("/proc/sys/kernel/ns_last_pid") << pid - 1;
            const pid_t saver = ::fork();
            if (saver == 0) {
                std::string tempPath;
                if (::getpid() != pid || !BeginSave(target, tempPath) || ::write(begun, "1", 1) != 1)
                    ::_exit(3);
                char released = 0;
                (void)::read(held, &released, 1);  // until the test closes its end
                const bool kept = Exists(tempPath);
                std::filesystem::remove(tempPath);
                ::_exit(kept ? 0 : 1);
            }
            int status = 0;
            ::_exit(saver > 0 && ::waitpid(saver, &status, 0) == saver && WIFEXITED(status)
                        ? WEXITSTATUS(status)
                        : 4);
        }
        int status = 0;
        return first > 0 && ::waitpid(first, &status, 0) == first && WIFEXITED(status) ? WEXITSTATUS(status) : 4;
    }

    pid_t child_ = -1;
    int release_ = -1;
};

// Leaves the open application file by a command ("Exit", "New", "Open",
// which opens that same file again, or "close box"); true when the file
// was left: the program ended, or another application is open.
bool LeaveTheFile(ProgramRun& run, const QString& command, const std::string& file)
{
    if (command == "Exit") {
        run.Trigger("mnuFileFunction_21");
        return !run.Main()->isVisible();
    }
    if (command == "close box")
        return run.CloseByUser() && !run.Main()->isVisible();
    if (command == "New") {
        run.Trigger("mnuFileFunction_0");
        return gsCurrentFile.empty();
    }
    const size_t dialogsBefore = run.fileDialogs.size();
    run.fileAnswers = {file};
    run.Trigger("mnuFileFunction_1");
    return run.fileDialogs.size() == dialogsBefore + 1 && gsCurrentFile == file;
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    // New asks when the axes changed; Yes saves first, No discards, Cancel
    // and closing the question without a button keep the application.
    void saveQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("discarded");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes") << int(kResultYes) << true << true;
        QTest::newRow("no") << int(kResultNo) << true << false;
        QTest::newRow("cancel") << int(kResultCancel) << false << false;
        QTest::newRow("closed without a button") << -1 << false << false;
    }
    void saveQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, discarded);
        QFETCH(bool, saved);
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        SubSetAxisTitle(1, "Press");
        if (answer != -1)
            run.Messages().answers = {static_cast<int16_t>(answer)};
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_0");

        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{4001});
        const MessageComposition& question = run.Messages().messages.front();
        QCOMPARE(question.icon, int(kIconQuery));
        QVERIFY(question.buttons[2].visible);  // Yes, No, Cancel
        QCOMPARE(Exists(file), saved);
        QCOMPARE(sFctGetAxisTitle(1), discarded ? std::string() : std::string("Press"));
        QCOMPARE(run.ChildCaptions().size(), 3);
        QCOMPARE(nFctGetModifiedState() == 1, !discarded);
    }

    void unchangedApplicationIsNotAskedFor()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuFileFunction_0");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(run.TreeLines().size(), 5);
    }

    // Save As, the recent entry, New, and Open of that entry give back the
    // same axes and tree.
    void saveAsRecentFileAndOpen()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuAxisSub_0");
        SubSetAxisTitle(1, "Feed");
        SubSetAxisTitle(2, "Lift");
        const std::string file = run.Folder().file("Line 4 with a long nam.dat");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_2");  // no name yet: Save As
        QCOMPARE(run.fileDialogs.size(), size_t(1));
        QVERIFY(run.fileDialogs[0].save);
        QCOMPARE(run.fileDialogs[0].title, std::string("Save Application File As..."));
        QCOMPARE(run.fileDialogs[0].filter, std::string("Orvamis Kestravo (*.dat)|*.dat|All Types (*.*)|*.*"));
        QCOMPARE(run.fileDialogs[0].fileName, std::string("*.Dat"));
        QVERIFY(Exists(file));
        QCOMPARE(gsCurrentFile, file);
        QCOMPARE(nFctGetModifiedState(), int16_t(0));
        // 26 characters: the first 22 and "...".
        QCOMPARE(run.TreeLines().first(), QStringLiteral("0:Line 4 with a long nam..."));
        QVERIFY(!run.Main()->lblFilename()->text().isEmpty());
        QAction* recent = run.Action("mnuFileFunction_10");
        QVERIFY(recent->isVisible());
        QVERIFY(run.Action("mnuFileFunction_9")->isVisible());
        QVERIFY(recent->text().endsWith("Line 4 with a long nam.dat"));
        const QStringList savedTree = run.TreeLines();

        run.Trigger("mnuFileFunction_0");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(run.TreeLines().size(), 5);
        QVERIFY(run.Main()->lblFilename()->text().isEmpty());

        recent->trigger();
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(run.TreeLines(), savedTree);
        QCOMPARE(run.ChildCaptions().size(), 6);
        QCOMPARE(sFctGetAxisTitle(2), std::string("Lift"));
        QVERIFY(nFctGetModifiedState() != 1);  // the axes equal the baseline
        QVERIFY(AxisDesignWindow(1)->isMaximized());

        // Open through the dialog gives the same.
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_1");
        QCOMPARE(run.fileDialogs.back().title, std::string("Open Application File"));
        QVERIFY(!run.fileDialogs.back().save);
        QCOMPARE(run.TreeLines(), savedTree);
        // A cancelled dialog changes nothing.
        run.Trigger("mnuFileFunction_1");
        QCOMPARE(run.TreeLines(), savedTree);
        QCOMPARE(gsCurrentFile, file);
    }

    // Titles that another program wrote in Latin-1 ("Caf\xE9 Noir",
    // "F\xF6rderband": E9 and F6 begin no UTF-8 sequence here) open with one
    // U+FFFD for each such byte and every character around it, the same in
    // the outline, the captions, the axis dialog and the report; a save
    // stores that text, well-formed.
    void titlesInOtherBytesOpenAndSaveWhole()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuAxisSub_0");
        const std::string file = run.Folder().file("Latin-1 titles.dat");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        QVERIFY(Execute(file, "UPDATE AxisData SET Description = CAST(X'436166E9204E6F6972' AS TEXT) WHERE Number = 1;"
                              "UPDATE AxisData SET Description = CAST(X'46F67264657262616E64' AS TEXT) WHERE Number = 2"));
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_1");
        QVERIFY(run.Messages().messages.empty());

        const std::string cafeBytes = "Caf\xEF\xBF\xBD Noir";
        const std::string bandBytes = "F\xEF\xBF\xBDrderband";
        const QString cafe = QStringLiteral("Caf\uFFFD Noir");
        const QString band = QStringLiteral("F\uFFFDrderband");
        QCOMPARE(sFctGetAxisTitle(1), cafeBytes);
        QCOMPARE(sFctGetAxisTitle(2), bandBytes);
        const QStringList tree = run.TreeLines();
        QVERIFY2(tree.contains("1:" + cafe) && tree.contains("1:" + band), qPrintable(tree.join(", ")));
        QVERIFY(run.ChildCaptions().contains("Axis Design - " + cafe));
        QVERIFY(run.ChildCaptions().contains("Axis Design - " + band));

        bool dialogShown = false;
        dialog_tests::WhenModalShows([&](QWidget* dialog) {
            dialogShown = true;
            auto* list = dialog->findChild<QListWidget*>("lstAxes");
            QVERIFY(list && list->count() == 2);
            QCOMPARE(list->item(0)->text(), " 1 - " + cafe);
            QCOMPARE(list->item(1)->text(), " 2 - " + band);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            QTest::mouseClick(dialog->findChild<QPushButton*>("vseCommand_0"), Qt::LeftButton);
            QCOMPARE(dialog->findChild<QLineEdit*>("txtTitle")->text(), cafe);
            QTest::mouseClick(dialog->findChild<QPushButton*>("vseCommand_1"), Qt::LeftButton);
        });
        ShowAxisDialog(run.Main(), kAxisDialogSetModifyTitle);
        QVERIFY(dialogShown);

        ReportContent report(1, " 1", gsCurrentFile, "10-12-2026");
        report.mSubWriteReport();
        const auto& lines = report.Document().lines;
        QVERIFY(std::any_of(lines.begin(), lines.end(), [&](const auto& line) {
            return line.text.find("1 - " + cafeBytes) != std::string::npos;
        }));

        run.Trigger("mnuFileFunction_2");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(StoredTitleBytes(file), (std::vector<std::string>{cafeBytes, bandBytes}));
    }

    // A recent entry opens the very file that was saved, after the program
    // was started again: a name with a blank at its end is not the name
    // without it, a tab in a name is shown as a blank (not taken by the menu
    // for the start of a shortcut) and opens the name with the tab, and a
    // name the settings file cannot keep (a line end) is not listed at all.
    void recentFilesReopenTheFilesSavedAfterARestart()
    {
        QTemporaryDir files;  // outlives both runs
        const std::string plain = files.filePath("sp.dat").toStdString();
        const std::string blank = plain + " ";
        const std::string tab = files.filePath("tab\tname.dat").toStdString();
        const std::string lineEnd = files.filePath("line\nend.dat").toStdString();
        std::string settings;
        {
            ProgramRun run;
            QVERIFY(run.Start());
            for (const auto& [file, title] : {std::pair{plain, "Without blank"}, std::pair{blank, "With blank"},
                                              std::pair{tab, "With tab"}, std::pair{lineEnd, "With line end"}}) {
                SubSetAxisTitle(1, title);
                run.fileAnswers = {file};
                run.Trigger("mnuFileFunction_3");
                QCOMPARE(StoredTitles(file), QStringList{title});
            }
            QCOMPARE(gsCurrentFile, lineEnd);
            run.Trigger("mnuFileFunction_21");
            QVERIFY(run.Messages().messages.empty());
            settings = ReadBytes(run.Folder().file(kIniFileName));
        }

        ProgramRun run;
        run.WriteSettings(settings);
        QVERIFY(run.Start());
        QStringList listed;
        for (int item = 10; item <= 19; ++item)
            if (run.Action(QStringLiteral("mnuFileFunction_%1").arg(item))->isVisible())
                listed << run.Action(QStringLiteral("mnuFileFunction_%1").arg(item))->text();
        QCOMPARE(listed.size(), 3);
        QVERIFY2(!listed.join('|').contains("line"), qPrintable(listed.join('|')));
        QVERIFY2(listed.front().endsWith("tab name.dat"), qPrintable(listed.front()));
        QVERIFY2(!listed.join('|').contains('\t'), qPrintable(listed.join('|')));

        run.Trigger("mnuFileFunction_10");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(gsCurrentFile, tab);
        QCOMPARE(sFctGetAxisTitle(1), std::string("With tab"));
        run.Trigger("mnuFileFunction_11");
        QCOMPARE(gsCurrentFile, blank);
        QCOMPARE(sFctGetAxisTitle(1), std::string("With blank"));
        run.Trigger("mnuFileFunction_12");
        QCOMPARE(gsCurrentFile, plain);
        QCOMPARE(sFctGetAxisTitle(1), std::string("Without blank"));
    }

    // A save that fails keeps the application counted as changed, so Exit
    // asks again; a failed Save As keeps the previous name.
    void failedSaveThenExitStillAsks()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        std::filesystem::remove(run.Folder().file("DATATEMP.MDB"));
        SubSetAxisTitle(1, "Feed");
        const std::string file = run.Folder().file("Feed.dat");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{1010});
        QVERIFY(!Exists(file));
        QCOMPARE(gsCurrentFile, std::string());
        QCOMPARE(run.TreeLines().first(), QStringLiteral("0:Orvamis Kestravo"));
        QVERIFY(!run.Action("mnuFileFunction_10")->isVisible());
        QCOMPARE(nFctGetModifiedState(), int16_t(1));

        // Exit: Yes, the save fails again, so the program stays.
        run.Messages().answers = {kResultYes};
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_21");
        QCOMPARE(MessageNumbers(run.Messages()), (std::vector<int>{1010, 4001, 1010}));
        QVERIFY(run.Main()->isVisible());
        QCOMPARE(sFctGetAxisTitle(1), std::string("Feed"));

        // The close box asks too; Cancel keeps the window.
        run.Messages().answers = {kResultCancel};
        QVERIFY(!run.CloseByUser());
        QCOMPARE(MessageNumbers(run.Messages()).back(), 4001);
        QVERIFY(run.Main()->isVisible());
    }

    // A file that is not the program's, and a broken one, leave an empty
    // application; the next New Axis starts clean with axis 1.
    void failedOpenLeavesAnEmptyApplication_data()
    {
        QTest::addColumn<bool>("foreign");
        QTest::addColumn<int>("message");
        QTest::newRow("foreign marker") << true << 1013;
        QTest::newRow("broken file") << false << 1006;
    }
    void failedOpenLeavesAnEmptyApplication()
    {
        QFETCH(bool, foreign);
        QFETCH(int, message);
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Other.dat");
        if (foreign) {
            QVERIFY(nFctWriteApplicationFile(file));
            QVERIFY(Execute(file, "UPDATE ProjectInfo SET CompanyMarker = 'XX'"));
        } else {
            std::ofstream(file) << "not an application file";
        }
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_1");
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{message});
        QCOMPARE(run.TreeLines(), QStringList{"0:Orvamis Kestravo"});
        QVERIFY(run.ChildCaptions().isEmpty());
        QCOMPARE(nFctGetUsedAxisCount(), int16_t(0));
        QCOMPARE(gsCurrentFile, std::string());

        run.Trigger("mnuAxisSub_0");
        std::vector<int16_t> ids;
        QCOMPARE(nFctGetAxisIdList(ids), int16_t(1));
        QCOMPARE(ids[0], int16_t(1));
        QCOMPARE(run.TreeLines().size(), 5);
    }

    // Only window states changed: with a file name Exit saves silently.
    void windowStatesAloneAreSavedSilently()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("States.dat");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        const auto written = std::filesystem::last_write_time(file);
        AxisDesignWindow(1)->close();  // minimised
        QTRY_COMPARE(nFctGetModifiedState(), int16_t(2));
        run.Trigger("mnuFileFunction_21");
        QVERIFY(run.Messages().messages.empty());
        QVERIFY(!run.Main()->isVisible());
        QVERIFY(std::filesystem::last_write_time(file) >= written);
        QCOMPARE(gbFileAccessError, int16_t(0));
    }

    // Window states alone never keep the user in: where the file cannot be
    // written (its owner made it read-only, its folder is gone, the template
    // is missing) they are given up without a word, by every command that
    // leaves the file, and the file stays as it was; a file removed
    // meanwhile stays removed.
    void windowStatesThatCannotBeKeptAreGivenUp_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("command");
        for (const char* command : {"Exit", "New", "Open", "close box"})
            QTest::newRow(qPrintable(QString("read-only file, ") + command)) << "read-only file" << command;
        QTest::newRow("folder gone, Exit") << "folder gone" << "Exit";
        QTest::newRow("file removed, Exit") << "file removed" << "Exit";
        QTest::newRow("template missing, close box") << "template missing" << "close box";
    }
    void windowStatesThatCannotBeKeptAreGivenUp()
    {
        QFETCH(QString, fault);
        QFETCH(QString, command);
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string folder = run.Folder().file("Projects");
        std::filesystem::create_directory(folder);
        const std::string file = folder + "/States.dat";
        SubSetAxisTitle(1, "Kept");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        QVERIFY(run.Messages().messages.empty());
        const std::string kept = ReadBytes(file);
        if (fault == "read-only file")
            QVERIFY(::chmod(file.c_str(), 0444) == 0);
        else if (fault == "folder gone")
            std::filesystem::remove_all(folder);
        else if (fault == "file removed")
            std::filesystem::remove(file);
        else
            std::filesystem::remove(run.Folder().file("DATATEMP.MDB"));
        AxisDesignWindow(1)->close();  // minimised
        QTRY_COMPARE(nFctGetModifiedState(), int16_t(2));

        run.Messages().answers = {kResultYes, kResultYes, kResultYes};
        QVERIFY(LeaveTheFile(run, command, file));
        QVERIFY(run.Messages().messages.empty());
        if (fault == "folder gone" || fault == "file removed") {
            QVERIFY(!Exists(file));
            return;
        }
        QVERIFY(ReadBytes(file) == kept);
        if (fault == "read-only file")
            QCOMPARE(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
                     std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                         std::filesystem::perms::others_read);
    }

    // A real change is still asked about on a file that cannot be written,
    // and the failed save keeps the application and the user in.
    void aRealChangeToAReadOnlyFileStillKeepsTheUserIn()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        const std::string kept = ReadBytes(file);
        QVERIFY(::chmod(file.c_str(), 0444) == 0);
        SubSetAxisTitle(1, "Edited");

        run.Messages().answers = {kResultYes};
        run.Trigger("mnuFileFunction_21");
        QCOMPARE(MessageNumbers(run.Messages()), (std::vector<int>{4001, 1005}));
        QVERIFY(run.Main()->isVisible());
        QCOMPARE(sFctGetAxisTitle(1), std::string("Edited"));
        QVERIFY(ReadBytes(file) == kept);
    }

    // With a file open, deleting every axis and making a new one is still a
    // change: Exit asks, and No leaves the file as it was.
    void deletingEveryAxisOfAFileStaysAChange()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        SubSetAxisTitle(1, "Press");
        const std::string file = run.Folder().file("Press.dat");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        const std::string saved = ReadBytes(file);
        QVERIFY(!saved.empty());

        gbPromptDeleteAxis = 0;
        dialog_tests::WhenModalShows([](QWidget* dialog) {
            auto* list = dialog->findChild<QListWidget*>("lstAxes");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(0)).center());
            QTest::mouseClick(dialog->findChild<QPushButton*>("vseCommand_0"), Qt::LeftButton);
        });
        ShowAxisDialog(run.Main(), kAxisDialogDelete);
        QCOMPARE(nFctGetUsedAxisCount(), int16_t(0));
        run.Trigger("mnuAxisSub_0");
        QCOMPARE(nFctGetUsedAxisCount(), int16_t(1));
        QCOMPARE(nFctGetModifiedState(), int16_t(1));

        run.Messages().answers = {kResultNo};
        run.Trigger("mnuFileFunction_21");
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{4001});
        QVERIFY(!run.Main()->isVisible());
        QCOMPARE(ReadBytes(file), saved);
    }

    // Opening a file and leaving the program saves only the window states
    // (silently); the backup keeps the previous generation.
    void openThenExitKeepsTheBackup()
    {
        gbCreateBackup = -1;
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        const std::string backup = run.Folder().file("Press.bak");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        std::ofstream(backup, std::ios::binary) << "previous generation";

        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_1");
        QCOMPARE(gsCurrentFile, file);
        AxisDesignWindow(1)->close();  // minimised: a window state changed
        QTRY_COMPARE(nFctGetModifiedState(), int16_t(2));
        run.Trigger("mnuFileFunction_21");
        QVERIFY(run.Messages().messages.empty());
        QVERIFY(!run.Main()->isVisible());
        QCOMPARE(ReadBytes(backup), std::string("previous generation"));
    }

    // Yes to the save question without a file name shows Save As; cancelling
    // it cancels New, and the application stays changed.
    void saveQuestionYesThenSaveAsCancelledKeepsTheChange()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        SubSetAxisTitle(1, "Press");
        run.Messages().answers = {kResultYes};
        run.fileAnswers = {"*.Dat"};
        run.Trigger("mnuFileFunction_0");
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{4001});
        QCOMPARE(run.fileDialogs.size(), size_t(1));
        QVERIFY(run.fileDialogs[0].save);
        QCOMPARE(sFctGetAxisTitle(1), std::string("Press"));
        QCOMPARE(nFctGetModifiedState(), int16_t(1));
        QCOMPARE(gsCurrentFile, std::string());
    }

    // The busy pointer shows while a file is written or read and is gone
    // afterwards, whether the step succeeded or failed.
    void busyPointerWhileAFileIsWrittenOrRead()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        QVERIFY(Exists(file));
        QVERIFY(!QApplication::overrideCursor());
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_1");
        QCOMPARE(nFctGetUsedAxisCount(), int16_t(1));
        QVERIFY(!QApplication::overrideCursor());

        // A failed save and a failed open: the message comes under the busy
        // pointer, which is gone after it.
        std::filesystem::remove(run.Folder().file("DATATEMP.MDB"));
        SubSetAxisTitle(1, "Press");
        run.Trigger("mnuFileFunction_2");
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{1010});
        QVERIFY(!QApplication::overrideCursor());
        run.Messages().answers = {kResultNo};
        const std::string broken = run.Folder().file("Broken.dat");
        std::ofstream(broken) << "not an application file";
        run.fileAnswers = {broken};
        run.Trigger("mnuFileFunction_1");
        QCOMPARE(MessageNumbers(run.Messages()), (std::vector<int>{1010, 4001, 1006}));
        QCOMPARE(run.Messages().busyWhenShown, (std::vector<bool>{true, false, true}));
        QVERIFY(!QApplication::overrideCursor());
    }

    // With a new settings file the first Open and Save As start in the
    // user's documents folder, or in the home folder where there is none,
    // never in the program's folder; a folder chosen in the dialog is where
    // the next one starts, until it is gone. Qt's own dialog, with a home of
    // the test's own.
    void fileDialogsStartInTheUsersFolders_data()
    {
        QTest::addColumn<bool>("documents");
        QTest::newRow("documents folder") << true;
        QTest::newRow("no documents folder") << false;
    }
    void fileDialogsStartInTheUsersFolders()
    {
        QFETCH(bool, documents);
        const testing_support::TestHome home;
        const QString documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (documents)
            QVERIFY(QDir().mkpath(documentsFolder));
        const QString userFolder = Canonical(documents ? documentsFolder : QDir::homePath());

        ProgramRun run;
        QVERIFY(run.Start());
        QVERIFY(userFolder != Canonical(QString::fromStdString(run.Folder().path())));
        run.Main()->SetFileDialogRunner(nullptr);
        // Triggers a File menu entry and gives the folder its dialog starts
        // in; with a name, types it and takes it.
        const auto startFolder = [&run](const QString& entry, const QString& name = QString()) {
            QString folder;
            dialog_tests::WhenModalShows([&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                if (!dialog)
                    return;
                folder = Canonical(dialog->directory().path());
                if (name.isEmpty())
                    return;
                QTest::keyClicks(dialog->findChild<QLineEdit*>("fileNameEdit"), name);
                QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save),
                                  Qt::LeftButton);
            });
            run.Trigger(entry);
            return folder;
        };
        QCOMPARE(startFolder("mnuFileFunction_1"), userFolder);
        QCOMPARE(startFolder("mnuFileFunction_3"), userFolder);

        const QString chosen = home.filePath("Machines");
        QVERIFY(QDir().mkpath(chosen));
        QCOMPARE(startFolder("mnuFileFunction_3", QDir(chosen).filePath("Press.dat")), userFolder);
        QVERIFY(QFile::exists(QDir(chosen).filePath("Press.dat")));
        QCOMPARE(startFolder("mnuFileFunction_1"), Canonical(chosen));
        QCOMPARE(startFolder("mnuFileFunction_3"), Canonical(chosen));

        QVERIFY(QDir(chosen).removeRecursively());
        QCOMPARE(startFolder("mnuFileFunction_1"), userFolder);
        QCOMPARE(startFolder("mnuFileFunction_3"), userFolder);
    }

    // Another copy of the program saved into the file since this run saved
    // it: Save asks, in the language of the moment and naming the file. No
    // keeps that save byte for byte and the application unsaved; Yes
    // replaces it; a file unchanged since saves without a word.
    void saveAsksBeforeReplacingAnotherCopysSave_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("wording");
        QTest::newRow("English") << "mnuLanguage_0" << "changed after this program last opened or saved it";
        QTest::newRow("German") << "mnuLanguage_2" << "geändert, nachdem dieses Programm sie zuletzt";
    }
    void saveAsksBeforeReplacingAnotherCopysSave()
    {
        QFETCH(QString, language);
        QFETCH(QString, wording);
        ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger(language);
        const std::string file = run.Folder().file("Press.dat");
        const std::string otherSave = SaveEditAndLetAnotherCopySave(run, file);
        QCOMPARE(StoredTitles(file), QStringList{"Other copy"});

        run.Messages().answers = {kResultNo};
        run.Trigger("mnuFileFunction_2");
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{4004});
        const MessageComposition& question = run.Messages().messages.back();
        QCOMPARE(question.icon, int(kIconQuery));
        QVERIFY(!question.buttons[0].visible);  // Yes and No only
        const QString text = QString::fromStdString(question.text);
        QVERIFY2(text.contains(wording), qPrintable(text));
        QVERIFY2(text.contains(QString::fromStdString(file)), qPrintable(text));
        QVERIFY(ReadBytes(file) == otherSave);
        QCOMPARE(nFctGetModifiedState(), int16_t(1));

        run.Messages().answers = {kResultYes};
        run.Trigger("mnuFileFunction_2");
        QCOMPARE(MessageNumbers(run.Messages()), (std::vector<int>{4004, 4004}));
        QCOMPARE(StoredTitles(file), QStringList{"This copy, edited"});
        QCOMPARE(nFctGetModifiedState(), int16_t(0));

        SubSetAxisTitle(1, "Saved again");
        run.Trigger("mnuFileFunction_2");
        QCOMPARE(run.Messages().messages.size(), size_t(2));
        QCOMPARE(StoredTitles(file), QStringList{"Saved again"});
    }

    // Save As onto the application's own file asks the same when another
    // copy saved into it since: No keeps that save and the application
    // unsaved; a Save As onto another file asks nothing.
    void saveAsOntoTheSameFileAsksBeforeReplacingAnotherCopysSave()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        const std::string otherSave = SaveEditAndLetAnotherCopySave(run, file);
        QVERIFY(!otherSave.empty());

        run.Messages().answers = {kResultNo};
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{4004});
        QVERIFY2(run.Messages().messages.back().text.find(file) != std::string::npos,
                 run.Messages().messages.back().text.c_str());
        QVERIFY(ReadBytes(file) == otherSave);
        QCOMPARE(nFctGetModifiedState(), int16_t(1));

        const std::string copy = run.Folder().file("Press copy.dat");
        run.fileAnswers = {copy};
        run.Trigger("mnuFileFunction_3");
        QCOMPARE(run.Messages().messages.size(), size_t(1));
        QCOMPARE(StoredTitles(copy), QStringList{"This copy, edited"});
        QVERIFY(ReadBytes(file) == otherSave);
    }

    // Exit, New and Open ask to save first; Yes to that asks the same before
    // replacing another copy's save. No to replacing keeps the file and the
    // edited application, and the command stops; Yes saves and goes on.
    void commandsThatSaveFirstAskTheSame_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("replace");
        QTest::newRow("Exit, No") << "mnuFileFunction_21" << false;
        QTest::newRow("New, No") << "mnuFileFunction_0" << false;
        QTest::newRow("Open, No") << "mnuFileFunction_1" << false;
        QTest::newRow("Exit, Yes") << "mnuFileFunction_21" << true;
        QTest::newRow("New, Yes") << "mnuFileFunction_0" << true;
        QTest::newRow("Open, Yes") << "mnuFileFunction_1" << true;
    }
    void commandsThatSaveFirstAskTheSame()
    {
        QFETCH(QString, command);
        QFETCH(bool, replace);
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        const std::string otherSave = SaveEditAndLetAnotherCopySave(run, file);
        QVERIFY(!otherSave.empty());
        const size_t dialogsBefore = run.fileDialogs.size();

        run.Messages().answers = {kResultYes, replace ? kResultYes : kResultNo};
        run.fileAnswers = {file};  // what Open then opens
        run.Trigger(command);
        QCOMPARE(MessageNumbers(run.Messages()), (std::vector<int>{4001, 4004}));
        if (!replace) {
            QVERIFY(ReadBytes(file) == otherSave);
            QVERIFY(run.Main()->isVisible());
            QCOMPARE(run.fileDialogs.size(), dialogsBefore);
            QCOMPARE(sFctGetAxisTitle(1), std::string("This copy, edited"));
            QCOMPARE(nFctGetModifiedState(), int16_t(1));
            return;
        }
        QCOMPARE(StoredTitles(file), QStringList{"This copy, edited"});
        if (command == "mnuFileFunction_21") {
            QVERIFY(!run.Main()->isVisible());
        } else if (command == "mnuFileFunction_0") {
            QCOMPARE(sFctGetAxisTitle(1), std::string());
            QCOMPARE(gsCurrentFile, std::string());
        } else {
            QCOMPARE(gsCurrentFile, file);
            QCOMPARE(sFctGetAxisTitle(1), std::string("This copy, edited"));
        }
    }

    // Window states alone never replace another copy's save: a file that
    // another program saved into since this one read it is left as that
    // save made it, without a question, by every command that leaves it,
    // whatever the user would answer.
    void windowStatesNeverReplaceAnotherCopysSave_data()
    {
        QTest::addColumn<QString>("command");
        for (const char* command : {"Exit", "New", "Open", "close box"})
            QTest::newRow(command) << command;
    }
    void windowStatesNeverReplaceAnotherCopysSave()
    {
        QFETCH(QString, command);
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("States.dat");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        QVERIFY(SaveByAnotherCopy(file));
        const std::string otherSave = ReadBytes(file);
        AxisDesignWindow(1)->close();  // minimised
        QTRY_COMPARE(nFctGetModifiedState(), int16_t(2));

        run.Messages().answers = {kResultYes, kResultYes, kResultYes};
        QVERIFY(LeaveTheFile(run, command, file));
        QVERIFY(run.Messages().messages.empty());
        QVERIFY(ReadBytes(file) == otherSave);
        if (command == "Open")  // the same file opened again: the other copy's axis
            QCOMPARE(sFctGetAxisTitle(1), std::string("Other copy"));
    }

    // Whatever replaces another copy's save keeps that save as the backup:
    // Yes to replacing it, with a real change and with window states only.
    void replacingAnotherCopysSaveKeepsItAsTheBackup_data()
    {
        QTest::addColumn<bool>("realChange");
        QTest::newRow("a real change") << true;
        QTest::newRow("window states only") << false;
    }
    void replacingAnotherCopysSaveKeepsItAsTheBackup()
    {
        QFETCH(bool, realChange);
        gbCreateBackup = -1;
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        const std::string backup = run.Folder().file("Press.bak");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        QVERIFY(SaveByAnotherCopy(file));
        const std::string otherSave = ReadBytes(file);
        if (realChange) {
            SubSetAxisTitle(1, "This copy");
        } else {
            AxisDesignWindow(1)->close();  // minimised
            QTRY_COMPARE(nFctGetModifiedState(), int16_t(2));
        }

        run.Messages().answers = {kResultYes};
        run.Trigger("mnuFileFunction_2");
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{4004});
        QVERIFY(ReadBytes(backup) == otherSave);
        QCOMPARE(StoredTitles(file), QStringList{realChange ? "This copy" : ""});
        QCOMPARE(nFctGetModifiedState(), int16_t(0));
    }

    // Save As onto the open file by another of its names, after another copy
    // saved into it: Qt's dialog asks its own question, Yes to it, and the
    // program asks as for the file's own name. No keeps the other copy's save
    // byte for byte and the application unsaved. Qt's dialog hands on a path
    // with "." in it cleaned, so that name comes to Save As as it is spelt.
    void saveAsByAnotherNameOfTheFileAsksBeforeReplacingAnotherCopysSave_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("qtDialog");
        QTest::newRow("symbolic link to it") << "link.dat" << true;
        QTest::newRow("folder reached through a link") << "linked folder/Press.dat" << true;
        QTest::newRow("dot in the path") << "./Press.dat" << false;
    }
    void saveAsByAnotherNameOfTheFileAsksBeforeReplacingAnotherCopysSave()
    {
        QFETCH(QString, name);
        QFETCH(bool, qtDialog);
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        const std::string otherSave = SaveEditAndLetAnotherCopySave(run, file);
        QVERIFY(!otherSave.empty());
        std::filesystem::create_symlink(file, run.Folder().file("link.dat"));
        std::filesystem::create_directory_symlink(run.Folder().path(), run.Folder().file("linked folder"));
        const std::string spelling = run.Folder().file(name.toStdString());

        std::shared_ptr<bool> qtAsked;
        if (qtDialog) {
            run.Main()->SetFileDialogRunner(nullptr);
            qtAsked = ChooseInFileDialogAndReplace(spelling);
        } else {
            run.fileAnswers = {spelling};
        }
        run.Messages().answers = {kResultNo};
        run.Trigger("mnuFileFunction_3");
        QVERIFY(!qtAsked || *qtAsked);
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{4004});
        const std::string& text = run.Messages().messages.back().text;
        QVERIFY2(text.find(spelling) != std::string::npos, text.c_str());
        QVERIFY(ReadBytes(file) == otherSave);
        QVERIFY(std::filesystem::is_symlink(run.Folder().file("link.dat")));
        QCOMPARE(gsCurrentFile, file);
        QCOMPARE(nFctGetModifiedState(), int16_t(1));
    }

    // The file touched, or a copy of its own bytes put back, since this run
    // saved it: its content is what this run wrote, so Save, and Save As
    // through a link to it, replace it without a question of the program.
    void aNewTimeAloneIsNoChangeToAskAbout_data()
    {
        QTest::addColumn<bool>("putBack");
        QTest::newRow("touched") << false;
        QTest::newRow("own bytes put back") << true;
    }
    void aNewTimeAloneIsNoChangeToAskAbout()
    {
        QFETCH(bool, putBack);
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        const std::string link = run.Folder().file("link.dat");
        std::filesystem::create_symlink(file, link);
        // Makes the file's time a new one, two seconds past the one it had.
        const auto changeTimeOnly = [&] {
            const auto written = std::filesystem::last_write_time(file);
            if (putBack) {
                const std::string bytes = ReadBytes(file);
                std::filesystem::remove(file);
                std::ofstream(file, std::ios::binary) << bytes;
            }
            std::filesystem::last_write_time(file, written + std::chrono::seconds(2));
            return std::filesystem::last_write_time(file) != written;
        };
        SubSetAxisTitle(1, "First");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");

        QVERIFY(changeTimeOnly());
        SubSetAxisTitle(1, "Second");
        run.Trigger("mnuFileFunction_2");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(StoredTitles(file), QStringList{"Second"});

        QVERIFY(changeTimeOnly());
        SubSetAxisTitle(1, "Third");
        run.Main()->SetFileDialogRunner(nullptr);
        const std::shared_ptr<bool> qtAsked = ChooseInFileDialogAndReplace(link);
        run.Trigger("mnuFileFunction_3");
        QVERIFY(*qtAsked);
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(gsCurrentFile, link);
        QCOMPARE(StoredTitles(file), QStringList{"Third"});
        QCOMPARE(nFctGetModifiedState(), int16_t(0));
    }

    // A save removes the temporary file a killed save of this machine left
    // and nothing else: another copy's save in progress in a pid namespace of
    // its own (whose process ID runs nowhere here), another machine's, and a
    // user's file whose name starts as the program's do stay.
    void aSaveRemovesOnlyAKilledSavesLeftover()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        SaveInAnotherPidNamespace otherCopy;
        if (!otherCopy.Start(file))
            QSKIP("this machine makes no pid namespace for the other copy");
        const std::set<std::string> otherCopysSave = TemporaryNames(run.Folder().path());
        QCOMPARE(otherCopysSave.size(), size_t(1));
        QVERIFY(RunInAnotherProcess([&file] {
            std::string tempPath;
            return BeginSave(file, tempPath);  // and is killed there
        }));
        QCOMPARE(TemporaryNames(run.Folder().path()).size(), size_t(2));
        // No process has the largest process ID.
        const std::vector<std::string> othersFiles = {".orvamis-saving-0123456789abcdef-2147483647-5-1",
                                                      ".orvamis-saving-2147483647-my notes.txt"};
        for (const std::string& name : othersFiles)
            std::ofstream(run.Folder().file(name)) << "not this machine's leftover";

        SubSetAxisTitle(1, "Press");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(StoredTitles(file), QStringList{"Press"});
        std::set<std::string> kept(othersFiles.begin(), othersFiles.end());
        kept.insert(otherCopysSave.begin(), otherCopysSave.end());
        QCOMPARE(TemporaryNames(run.Folder().path()), kept);
        QVERIFY(otherCopy.Finish());  // its file was there to the end
    }

    // A name of 240 bytes, which a folder takes, chosen in the file dialog:
    // Save As writes it, Save writes it again, Open reads it back and Save
    // writes it once more.
    void aNameOf240BytesSaves()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        run.Main()->SetFileDialogRunner(nullptr);
        const std::string file = run.Folder().file(std::string(236, 'L') + ".dat");
        SubSetAxisTitle(1, "Long");
        ChooseInFileDialog(file);
        run.Trigger("mnuFileFunction_3");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(gsCurrentFile, file);
        QCOMPARE(StoredTitles(file), QStringList{"Long"});

        SubSetAxisTitle(1, "Longer");
        run.Trigger("mnuFileFunction_2");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(StoredTitles(file), QStringList{"Longer"});

        ChooseInFileDialog(file);
        run.Trigger("mnuFileFunction_1");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(gsCurrentFile, file);
        QCOMPARE(sFctGetAxisTitle(1), std::string("Longer"));
        SubSetAxisTitle(1, "Longest");
        run.Trigger("mnuFileFunction_2");
        QVERIFY(run.Messages().messages.empty());
        QCOMPARE(StoredTitles(file), QStringList{"Longest"});
    }

    // A save that cannot write its file (a name longer than a folder takes)
    // names that file in its message.
    void aFailedSaveNamesTheFile()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file(std::string(252, 'L') + ".dat");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{1005});
        const std::string& text = run.Messages().messages.front().text;
        QVERIFY2(text.find(file) != std::string::npos, text.c_str());
        QCOMPARE(gsCurrentFile, std::string());
    }

    // A file its owner made read-only is kept from being written: Save
    // refuses it, naming the file and why, leaves it as it was and the
    // application unsaved; once the file may be written again, Save writes
    // it.
    void aReadOnlyFileIsNotReplacedBySave()
    {
        ProgramRun run;
        QVERIFY(run.Start());
        const std::string file = run.Folder().file("Press.dat");
        SubSetAxisTitle(1, "Kept");
        run.fileAnswers = {file};
        run.Trigger("mnuFileFunction_3");
        QVERIFY(run.Messages().messages.empty());
        QVERIFY(::chmod(file.c_str(), 0444) == 0);
        const std::string kept = ReadBytes(file);

        SubSetAxisTitle(1, "Edited");
        run.Trigger("mnuFileFunction_2");
        QCOMPARE(MessageNumbers(run.Messages()), std::vector<int>{1005});
        const std::string& text = run.Messages().messages.front().text;
        QVERIFY2(text.find(file + ": it is read-only") != std::string::npos, text.c_str());
        QVERIFY(ReadBytes(file) == kept);
        QCOMPARE(QFileInfo(QString::fromStdString(file)).permissions() & QFileDevice::WriteOwner,
                 QFileDevice::Permissions());
        QCOMPARE(nFctGetModifiedState(), int16_t(1));

        QVERIFY(::chmod(file.c_str(), 0644) == 0);
        run.Trigger("mnuFileFunction_2");
        QCOMPARE(run.Messages().messages.size(), size_t(1));
        QCOMPARE(StoredTitles(file), QStringList{"Edited"});
        QCOMPARE(nFctGetModifiedState(), int16_t(0));
    }

    // A normal placement read from the settings is the window's, and Exit
    // writes the window's placement of the moment, in twips (15 a pixel).
    // Both lie within the screen's available area, whatever its size.
    void exitWritesTheSettingsWithThePlacement()
    {
        constexpr int kTwips = 15;
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect saved = available.adjusted(available.width() / 10, available.height() / 10,
                                               -available.width() / 10, -available.height() / 10);
        const QRect moved = saved.translated(available.width() / 20, available.height() / 20);
        ProgramRun run;
        run.WriteSettings(QStringLiteral("[Window Size]\nStatus=0\nLeft=%1\nTop=%2\nWidth=%3\nHeight=%4\n")
                              .arg(saved.x() * kTwips).arg(saved.y() * kTwips)
                              .arg(saved.width() * kTwips).arg(saved.height() * kTwips).toStdString());
        QVERIFY(run.Start());
        QCOMPARE(run.Main()->geometry(), saved);
        run.Main()->setGeometry(moved);
        run.Trigger("mnuFileFunction_21");
        QVERIFY(!run.Main()->isVisible());
        QFile ini(QString::fromStdString(run.Folder().file(kIniFileName)));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(ini.readAll());
        for (const QString& line : {QStringLiteral("Status=0"), QStringLiteral("Left=%1").arg(moved.x() * kTwips),
                                    QStringLiteral("Top=%1").arg(moved.y() * kTwips),
                                    QStringLiteral("Width=%1").arg(moved.width() * kTwips),
                                    QStringLiteral("Height=%1").arg(moved.height() * kTwips)})
            QVERIFY2(text.contains(line + "\n"), qPrintable(line + " in " + text));
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
