// Help topics open in the program's own help window, owned by the main
// window; a topic without a page shows nothing.
#include "foundation/basAppPaths.h"
#include "foundation/basWinAPICalls.h"
#include "platform/qt/HelpViewer.h"
#include "shell/MDIMain.h"
#include "tests/support/TestAppFolder.h"

#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QtTest>

namespace {

void WritePage(const QString& file, const QByteArray& html)
{
    QFile page(file);
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
        const QString help = QString::fromStdString(gsAppPath + kHelpFolder);
        QDir().mkpath(help);
        WritePage(help + "Sample.htm", "<html><head><title>Sample topic</title></head>"
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

        // A topic without a page leaves the window as it was.
        SubShowHelpTopic("NoSuchTopic.htm");
        QVERIFY(viewer->CurrentPage().endsWith("/help/Sample.htm"));
        QCOMPARE(window.findChildren<platform::HelpViewer*>().size(), 1);
    }

    void unknownTopicShowsNothing()
    {
        testing_support::TestAppFolder folder;
        MDIMain window;
        window.show();
        SubShowHelpTopic("NoSuchTopic.htm");
        platform::HelpViewer* viewer = ViewerOf(window);
        QVERIFY(!viewer || !viewer->isVisible());
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
