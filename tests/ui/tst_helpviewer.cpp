// Help topics open in the program's own help window, owned by the main
// window; a topic without a page shows a page of the window's own that
// names it.
#include "foundation/basAppPaths.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "platform/qt/HelpViewer.h"
#include "shell/MDIMain.h"
#include "tests/support/TestAppFolder.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

namespace {

// Writes a page into the help folder of the application folder.
void WritePage(const QString& name, const QByteArray& html)
{
    const QString help = QString::fromStdString(gsAppPath + kHelpFolder);
    QDir().mkpath(help);
    QFile page(help + name);
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write(html);
}

platform::HelpViewer* ViewerOf(QWidget& window)
{
    return window.findChild<platform::HelpViewer*>();
}

QString ShownText(platform::HelpViewer* viewer)
{
    return viewer->findChild<QTextBrowser*>("helpBrowser")->toPlainText();
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void topicOpensInAWindowOwnedByTheMainWindow()
    {
        testing_support::TestAppFolder folder;
        WritePage("Sample.htm", "<html><head><title>Sample topic</title></head>"
                                "<body><h1>Sample heading</h1><p>Sample body.</p></body></html>");
        MDIMain window;
        window.show();

        SubShowHelpTopic("Sample.htm");
        platform::HelpViewer* viewer = ViewerOf(window);
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->isWindow());
        QCOMPARE(viewer->parentWidget(), &window);
        QVERIFY(viewer->CurrentPage().endsWith("/help/Sample.htm"));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Sample topic"));
        QVERIFY(ShownText(viewer).contains("Sample body."));

        QCOMPARE(window.findChildren<platform::HelpViewer*>().size(), 1);
    }

    // A link followed, Back and Forward on the toolbar, Escape closes.
    void backForwardAndEscape()
    {
        testing_support::TestAppFolder folder;
        WritePage("First.htm", "<html><head><title>First topic</title></head>"
                               "<body><p>Go to the <a href=\"Second.htm\">second page</a>.</p></body></html>");
        WritePage("Second.htm", "<html><head><title>Second topic</title></head><body><p>Two.</p></body></html>");
        MDIMain window;
        window.show();
        SubShowHelpTopic("First.htm");
        platform::HelpViewer* viewer = ViewerOf(window);
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        auto* back = viewer->findChild<QAction*>("helpBack");
        auto* forward = viewer->findChild<QAction*>("helpForward");
        auto* tools = viewer->findChild<QToolBar*>("helpToolbar");
        QVERIFY(back && forward && tools);
        QVERIFY(!back->isEnabled());
        QVERIFY(!forward->isEnabled());

        auto* browser = viewer->findChild<QTextBrowser*>("helpBrowser");
        QTextCursor link = browser->document()->find("second page");
        link.setPosition(link.selectionStart() + 2);
        const QPoint onLink = browser->cursorRect(link).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, onLink);
        QTRY_VERIFY(viewer->CurrentPage().endsWith("/Second.htm"));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Second topic"));
        QVERIFY(back->isEnabled());

        QTest::mouseClick(tools->widgetForAction(back), Qt::LeftButton);
        QVERIFY(viewer->CurrentPage().endsWith("/First.htm"));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("First topic"));
        QVERIFY(!back->isEnabled());
        QVERIFY(forward->isEnabled());
        QTest::mouseClick(tools->widgetForAction(forward), Qt::LeftButton);
        QVERIFY(viewer->CurrentPage().endsWith("/Second.htm"));

        QTest::keyClick(browser, Qt::Key_Escape);
        QVERIFY(!viewer->isVisible());
    }

    // Beside the dialog in the free strip that gives the most room; nothing
    // when no strip holds the smallest size.
    void placeBesideADialog_data()
    {
        QTest::addColumn<QRect>("dialog");
        QTest::addColumn<QRect>("place");
        // Right strip 1024 - 687 = 337 wide: the width bounded, the height
        // preferred, centred on the dialog's middle (384 - 240 = 144).
        QTest::newRow("right") << QRect(337, 158, 350, 452) << QRect(687, 144, 337, 480);
        // Left 100 and right 124 wide are too narrow: below, 768 - 400 = 368
        // high, centred under the dialog (500 - 320 = 180).
        QTest::newRow("below") << QRect(100, 100, 800, 300) << QRect(180, 400, 640, 368);
        // Left strip 600 wide, right 24: the left one, ending at the dialog.
        QTest::newRow("left") << QRect(600, 0, 400, 768) << QRect(0, 144, 600, 480);
        QTest::newRow("no room") << QRect(10, 10, 1004, 748) << QRect();
    }

    void placeBesideADialog()
    {
        QFETCH(QRect, dialog);
        QFETCH(QRect, place);
        QCOMPARE(platform::PlaceBeside(QRect(0, 0, 1024, 768), dialog, QSize(640, 480), QSize(280, 240)), place);
    }

    // A topic without a page: the window says which page is missing and
    // where, under the caption "Help", in the language of the moment, as a
    // page of its history; once the page is there, it shows.
    void missingPageIsTold()
    {
        testing_support::TestAppFolder folder;
        WritePage("Sample.htm", "<html><head><title>Sample topic</title></head><body><p>Sample body.</p></body></html>");
        const QString help = QString::fromStdString(gsAppPath + kHelpFolder);
        QFile::remove(help + "Missing.htm");
        MDIMain window;
        window.show();
        SubShowHelpTopic("Sample.htm");
        platform::HelpViewer* viewer = ViewerOf(window);
        QVERIFY(viewer);

        SubShowHelpTopic("Missing.htm");
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->CurrentPage().endsWith("/help/Missing.htm"));
        QCOMPARE(ShownText(viewer).trimmed(), "The help page \"Missing.htm\" is missing from the folder " + help + ".");
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Help"));
        gnLanguageOffset = 1000;
        SubShowHelpTopic("Missing.htm");
        gnLanguageOffset = 0;
        QCOMPARE(ShownText(viewer).trimmed(), "Die Hilfeseite „Missing.htm“ fehlt im Ordner " + help + ".");
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Hilfe"));

        auto* back = viewer->findChild<QAction*>("helpBack");
        QVERIFY(back->isEnabled());
        back->trigger();
        QVERIFY(viewer->CurrentPage().endsWith("/help/Sample.htm"));
        QVERIFY(ShownText(viewer).contains("Sample body."));

        WritePage("Missing.htm", "<html><head><title>Found topic</title></head><body><p>Found body.</p></body></html>");
        SubShowHelpTopic("Missing.htm");
        QVERIFY(ShownText(viewer).contains("Found body."));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Found topic"));
    }

    // A link of a help page to a page that is missing leads to the same
    // note, in the language of the moment.
    void linkToAMissingPageIsTold()
    {
        testing_support::TestAppFolder folder;
        WritePage("First.htm", "<html><head><title>First topic</title></head>"
                               "<body><p>Go to the <a href=\"Gone.htm\">gone page</a>.</p></body></html>");
        const QString help = QString::fromStdString(gsAppPath + kHelpFolder);
        QFile::remove(help + "Gone.htm");
        MDIMain window;
        window.show();
        gnLanguageOffset = 1000;
        const auto english = qScopeGuard([] { gnLanguageOffset = 0; });
        SubShowHelpTopic("First.htm");
        platform::HelpViewer* viewer = ViewerOf(window);
        QVERIFY(QTest::qWaitForWindowExposed(viewer));

        auto* browser = viewer->findChild<QTextBrowser*>("helpBrowser");
        QTextCursor link = browser->document()->find("gone page");
        link.setPosition(link.selectionStart() + 2);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
        QTRY_VERIFY(viewer->CurrentPage().endsWith("/help/Gone.htm"));
        QCOMPARE(ShownText(viewer).trimmed(), "Die Hilfeseite „Gone.htm“ fehlt im Ordner " + help + ".");
    }

    void everyTopicOfTheProgramHasAPage()
    {
        testing_support::TestAppFolder folder;
        MDIMain window;
        window.show();
        const char* topics[] = {
            "Welcome.htm", "AxisDesign.htm", "BeltPulley.htm", "Conveyor.htm", "Disk.htm", "Gearbox.htm",
            "Leadscrew.htm", "RackPinion.htm", "RotaryTable.htm", "MechanismsParameters.htm",
            "VelocityProfile.htm", "ReportGenerator.htm", "UnitsSetup.htm", "OpenAxis.htm", "CloseAxis.htm",
            "DeleteAxis.htm", "SetModifyTitle.htm", "MiscellaneousOptions.htm", "SafetyFactors.htm",
            "ReportOptions.htm", "FileOptions.htm", "WordInterface.htm"};
        for (const char* topic : topics) {
            SubShowHelpTopic(topic);
            platform::HelpViewer* viewer = ViewerOf(window);
            QVERIFY2(viewer && viewer->CurrentPage().endsWith(QString("/help/") + topic), topic);
            QVERIFY2(!ShownText(viewer).trimmed().isEmpty(), topic);
        }
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
