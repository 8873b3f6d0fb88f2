// The file-find dialog searching a temporary folder tree as a user would:
// typing a name, Find Now, Stop, picking a path, Cancel.
#include "foundation/basGlobalFunctions.h"
#include "platform/qt/FolderListing.h"
#include "shell/frmFindFile.h"
#include "tests/ui/DialogTestKit.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace dialog_tests;

namespace {

template <class Widget = QWidget>
Widget* Control(QWidget* dialog, const char* name)
{
    return dialog->findChild<Widget*>(name);
}

QStringList Entries(QWidget* dialog)
{
    QStringList entries;
    auto* list = Control<QListWidget>(dialog, "lstFiles");
    for (int k = 0; k < list->count(); ++k)
        entries << list->item(k)->text();
    return entries;
}

void Search(QWidget* dialog, const QString& name)
{
    auto* field = Control<QLineEdit>(dialog, "txtNamed");
    field->clear();
    QTest::keyClicks(field, name);
    QTest::mouseClick(Control<QPushButton>(dialog, "vseFindNow"), Qt::LeftButton);
}

} // namespace

class TestFindFile : public QObject {
    Q_OBJECT

    QTemporaryDir tree;

    QString Path(const QString& relative) const { return tree.path() + "/" + relative; }

    void MakeFile(const QString& relative)
    {
        QDir().mkpath(QFileInfo(Path(relative)).path());
        QFile file(Path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    // The found paths in the order the walk lists them: a folder's own
    // files after those of all its subfolders.
    QStringList AllTargets() const
    {
        return {Path("a/x/target.exe"), Path("a/y/target.exe"), Path("a/TARGET.EXE"), Path("target.exe")};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(tree.isValid());
        MakeFile("a/x/target.exe");
        MakeFile("a/y/target.exe");
        MakeFile("a/TARGET.EXE");
        MakeFile("a/other.txt");
        MakeFile("b/readme.txt");
        MakeFile("target.exe");
        // A link back to the top of the tree: a walk that followed it would
        // never end, or list every file many times.
        QVERIFY(QFile::link(tree.path(), Path("b/loop")));
    }

    void init() { gsFoundFile.clear(); }

    void findsTheFilesDepthFirstWithoutFollowingLinks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("found");
        QTest::newRow("exact name, any case") << "target.exe" << 4;
        QTest::newRow("star") << "*.EXE" << 4;
        QTest::newRow("question mark") << "t?rget.*" << 4;
        QTest::newRow("nothing") << "winword.exe" << 0;
    }

    void findsTheFilesDepthFirstWithoutFollowingLinks()
    {
        QFETCH(QString, name);
        QFETCH(int, found);
        frmFindFile dialog(nullptr, {tree.path().toStdString()});
        dialog.show();
        QVERIFY(!Control(&dialog, "lstFiles")->isVisible());  // collapsed until the first search
        Search(&dialog, name);
        QVERIFY(Control(&dialog, "lstFiles")->isVisible());
        QCOMPARE(Entries(&dialog), AllTargets().mid(0, found));
        QCOMPARE(Control<QLabel>(&dialog, "lblMessage")->text(), QStringLiteral(" %1 File(s) Found.").arg(found));
        QCOMPARE(Control(&dialog, "vseOkay")->isEnabled(), found > 0);
        QCOMPARE(Control(&dialog, "lstFiles")->isEnabled(), found > 0);
        QVERIFY(!Control(&dialog, "vseStop")->isEnabled());
        if (found)
            QCOMPARE(Control<QListWidget>(&dialog, "lstFiles")->currentRow(), 0);
    }

    void aDriveThatCannotBeReadFindsNothing()
    {
        frmFindFile dialog(nullptr, {Path("no-such-folder").toStdString()});
        dialog.show();
        Search(&dialog, "target.exe");
        QCOMPARE(Entries(&dialog), QStringList());
        QCOMPARE(Control<QLabel>(&dialog, "lblMessage")->text(), QStringLiteral(" 0 File(s) Found."));
        QVERIFY(!Control(&dialog, "vseOkay")->isEnabled());
    }

    void withoutDrivesFindNowOnlyBeeps()
    {
        RecordingMessages messages;
        frmFindFile dialog(nullptr, {});
        dialog.show();
        Search(&dialog, "target.exe");
        QCOMPARE(messages.beeps, 1);
        QVERIFY(!Control(&dialog, "lstFiles")->isVisible());
    }

    // Stop pressed while the walk is inside a subfolder of "a" ends the whole
    // walk at the next folder: "a/y", "a" itself, "b" and the top are not
    // listed. The status line meanwhile names the folder being searched.
    void stopEndsTheWalkAtTheNextFolder()
    {
        frmFindFile dialog(nullptr, {tree.path().toStdString()});
        dialog.show();
        QStringList statusSeen;
        QTimer user;
        connect(&user, &QTimer::timeout, [&] {
            statusSeen << Control<QLabel>(&dialog, "lblMessage")->text();
            auto* stop = Control<QPushButton>(&dialog, "vseStop");
            if (!Entries(&dialog).isEmpty() && stop->isEnabled())
                QTest::mouseClick(stop, Qt::LeftButton);
        });
        user.start(0);
        Search(&dialog, "target.exe");
        user.stop();
        QCOMPARE(Entries(&dialog), QStringList{Path("a/x/target.exe")});
        QCOMPARE(Control<QLabel>(&dialog, "lblMessage")->text(), QStringLiteral(" 1 File(s) Found."));
        QVERIFY(Control(&dialog, "vseOkay")->isEnabled());
        QCOMPARE(Control<QListWidget>(&dialog, "lstFiles")->currentRow(), 0);
        QVERIFY(statusSeen.contains(QString::fromStdString(sFctShortenPath(Path("a/x").toStdString(), 65))));
        // No folder after the stop was searched.
        for (const char* later : {"a/y", "a", "b"})
            QVERIFY2(!statusSeen.contains(QString::fromStdString(sFctShortenPath(Path(later).toStdString(), 65))), later);

        // The next search starts afresh.
        Search(&dialog, "target.exe");
        QCOMPARE(Entries(&dialog), AllTargets());
    }

    void okayAndDoubleClickReturnThePathPicked()
    {
        frmFindFile dialog(nullptr, {tree.path().toStdString()});
        dialog.show();
        Search(&dialog, "target.exe");
        auto* list = Control<QListWidget>(&dialog, "lstFiles");
        list->setCurrentRow(2);
        QTest::mouseClick(Control(&dialog, "vseOkay"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(gsFoundFile), Path("a/TARGET.EXE"));
        QVERIFY(!dialog.isVisible());

        frmFindFile again(nullptr, {tree.path().toStdString()});
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        Search(&again, "target.exe");
        auto* second = Control<QListWidget>(&again, "lstFiles");
        const QRect row = second->visualItemRect(second->item(1));
        QTest::mouseClick(second->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(second->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(QString::fromStdString(gsFoundFile), Path("a/y/target.exe"));
    }

    // Giving up returns no path, whatever name the field held.
    void cancelAlwaysEmptiesTheFoundFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("escape");
        QTest::newRow("the word processor, Cancel") << "Winword.Exe" << false;
        QTest::newRow("another name, Cancel") << "notes.txt" << false;
        QTest::newRow("another name, Escape") << "notes.txt" << true;
    }

    void cancelAlwaysEmptiesTheFoundFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, escape);
        gsFoundFile = name.toStdString();
        QString shownName;
        WhenModalShows([&](QWidget* dialog) {
            shownName = Control<QLineEdit>(dialog, "txtNamed")->text();
            if (escape)
                QTest::keyClick(Control(dialog, "txtNamed"), Qt::Key_Escape);
            else
                QTest::mouseClick(Control(dialog, "vseCancel"), Qt::LeftButton);
        });
        ShowFindFileDialog(nullptr);
        QCOMPARE(shownName, name);
        QCOMPARE(gsFoundFile, std::string());
    }

    void f1OpensTheWordInterfaceTopic()
    {
        RecordingServices services;
        frmFindFile dialog(nullptr, {tree.path().toStdString()});
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(services.helpPages.size(), size_t(1));
        QVERIFY(QString::fromStdString(services.helpPages[0]).endsWith("help/WordInterface.htm"));
    }

    void theDrivesAreTheMountedFileSystems()
    {
        const auto drives = platform::MountedDrives();
        QVERIFY(!drives.empty());
        QCOMPARE(drives.front(), std::string("/"));
        for (const std::string& drive : drives)
            for (const char* system : {"/proc", "/sys", "/dev"})
                QVERIFY2(drive != system && drive.rfind(std::string(system) + "/", 0) != 0, drive.c_str());
        frmFindFile dialog;
        QCOMPARE(Control<QComboBox>(&dialog, "drvList")->count(), int(drives.size()));
    }
};

QTEST_MAIN(TestFindFile)
#include "tst_findfile.moc"
