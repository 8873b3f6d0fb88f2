// The about box as the user reads it, in English and German.
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "platform/core/ResourceStrings.h"
#include "shell/frmAbout.h"
#include "tests/ui/DialogTestKit.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace dialog_tests;

namespace {

QString Label(QWidget* box, const char* name)
{
    return box->findChild<QLabel*>(name)->text();
}

QString Resource(int id)
{
    return QString::fromStdString(platform::FindResourceString(id));
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { gnLanguageOffset = 0; }

    void showsTheTextsOfTheLanguage_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("button");
        // "Version" from the table and one blank before the number.
        QTest::newRow("English") << 0 << QStringLiteral("Version ") + kProgramVersion << QStringLiteral("Okay");
        QTest::newRow("German") << 1000 << QStringLiteral("Version ") + kProgramVersion << Resource(1019);
    }

    void showsTheTextsOfTheLanguage()
    {
        QFETCH(int, offset);
        QFETCH(QString, version);
        QFETCH(QString, button);
        gnLanguageOffset = static_cast<int16_t>(offset);
        frmAbout box;
        QCOMPARE(Label(&box, "lblVersion"), version);
        // The two disclaimer sentences one after the other.
        QCOMPARE(Label(&box, "lblDisclaimer"), Resource(offset + 27) + Resource(offset + 28));
        QCOMPARE(Label(&box, "lblStatement"), Resource(offset + 298) + "\r\n" + Resource(offset + 299));
        QCOMPARE(Label(&box, "lblDevelopedBy"), Resource(offset + 33));
        QCOMPARE(box.findChild<QPushButton*>("cmdOkay")->text(), button);
    }

    void okayClosesTheModalBox()
    {
        QWidget mainWindow;
        mainWindow.setWindowIcon(QIcon(QPixmap(16, 16)));
        bool seen = false;
        WhenModalShows([&seen](QWidget* box) {
            seen = box->objectName() == "frmAbout";
            QTest::mouseClick(box->findChild<QPushButton*>("cmdOkay"), Qt::LeftButton);
        });
        ShowAboutBox(&mainWindow);
        QVERIFY(seen);
    }

    void buttonTakesTheGreyOfTheSchemeOnlyWithManyColours()
    {
        const int32_t saved = glScreenColors;
        glScreenColors = 256;
        frmAbout plain;
        glScreenColors = 16777216;
        frmAbout grey;
        glScreenColors = saved;
        const auto face = [](frmAbout& box) {
            return box.findChild<QPushButton*>("cmdOkay")->palette().color(QPalette::Button);
        };
        QCOMPARE(face(grey), QColor(205, 205, 205));
        QVERIFY(face(plain) != QColor(205, 205, 205));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
