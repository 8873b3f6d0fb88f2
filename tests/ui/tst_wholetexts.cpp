// Dialogs and messages in both languages show their whole texts and every
// number whole, at the font they are shown in; the unit system has one name
// in the Units menu and the units dialog.
#include "foundation/ClsMessageSystem.h"
#include "foundation/basDatabaseAccess.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "foundation/ui/frmMessageDisplay.h"
#include "model/basAxisAccessors.h"
#include "platform/qt/QtPlatformServices.h"
#include "shell/frmAxisControl.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/ProgramRun.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using dialog_tests::WhenModalShows;

namespace {

// The room a line edit gives its text: its contents less the margins it
// keeps around the text.
int TextRoom(QLineEdit* field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    constexpr int kLineEditTextMargin = 2;  // each side, as the line edit paints
    const QMargins margins = field->textMargins();
    return contents.width() - 2 * kLineEditTextMargin - margins.left() - margins.right();
}

} // namespace

class TestWholeTexts : public QObject {
    Q_OBJECT

private slots:
    void init() { gnLanguageOffset = 0; }
    void cleanup() { gnLanguageOffset = 0; }

    void safetyFactorsShowTheirNumbersWhole_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("German") << 1000;
    }

    // Each factor field holds its number whole beside the long labels, at
    // the font the field shows it in, as File > Options opens.
    void safetyFactorsShowTheirNumbersWhole()
    {
        QFETCH(int, language);
        testing_support::ProgramRun run;
        run.WriteSettings(QStringLiteral("[System Settings]\nLanguage=%1\n").arg(language).toStdString());
        QVERIFY(run.Start());
        QCOMPARE(gnLanguageOffset, int16_t(language));
        gsDecimalSeparator.assign(1, '.');  // (an assignment of "." trips a false warning of GCC 12)
        gdMinTorqueFactor = 1.2345;
        gdMaxTorqueFactor = 2.755;
        gdMinInertiaFactor = 0.8765;
        gdMaxInertiaWarning = 6.5432;
        gdMaxInertiaDiscard = 12.345;
        gdTravelRangeWarning = 95.125;
        gdTerminalVelocityWarning = 99.875;
        bool seen = false;
        WhenModalShows([&seen, language](QWidget* dialog) {
            auto* tabs = dialog->findChild<QTabWidget*>("tabMain");
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
            QCOMPARE(tabs->currentIndex(), 1);
            QApplication::processEvents();
            const QString folder = qEnvironmentVariable("DIALOG_SCREENSHOT_DIR");
            if (!folder.isEmpty())
                dialog->grab().save(QStringLiteral("%1/options_factors_%2.png").arg(folder).arg(language));
            for (int k = 0; k < 7; ++k) {
                auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("txtData_%1").arg(k));
                const int needed = field->fontMetrics().horizontalAdvance(field->text());
                QVERIFY2(needed <= TextRoom(field), qPrintable(QStringLiteral("'%1' needs %2 of %3 px")
                                                                    .arg(field->text())
                                                                    .arg(needed)
                                                                    .arg(TextRoom(field))));
                auto* label = dialog->findChild<QLabel*>(QStringLiteral("lblData_%1").arg(k));
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                         qPrintable(label->text()));
            }
            seen = true;
        });
        run.Trigger("mnuFileFunction_8");
        QVERIFY(seen);
    }

    void messageTextKeepsClearOfItsBoxEdge_data() { safetyFactorsShowTheirNumbersWhole_data(); }

    // The message about too long ramps, the longest of the quick setup: its
    // text whole, with a margin below its last line as above its first.
    void messageTextKeepsClearOfItsBoxEdge()
    {
        QFETCH(int, language);
        gnLanguageOffset = static_cast<int16_t>(language);
        platform::QtPlatformServices services(nullptr);
        platform::InstallPlatformServices(&services);
        QtMessageDisplay display;
        platform::InstallMessageDisplay(&display);
        bool seen = false;
        WhenModalShows([&seen, language](QWidget* dialog) {
            const QString folder = qEnvironmentVariable("DIALOG_SCREENSHOT_DIR");
            if (!folder.isEmpty())
                dialog->grab().save(QStringLiteral("%1/message_2006_%2.png").arg(folder).arg(language));
            auto* box = dialog->findChild<QScrollArea*>("lblMsgContainer");
            auto* text = dialog->findChild<QLabel*>("lblMessage");
            QCOMPARE(box->verticalScrollBar()->maximum(), 0);
            const QRect lines = text->fontMetrics().boundingRect(text->contentsRect(), Qt::TextWordWrap, text->text());
            const QRect room = text->contentsRect();
            QVERIFY2(lines.height() <= room.height(), qPrintable(QStringLiteral("%1 of %2").arg(lines.height()).arg(room.height())));
            const int above = text->mapTo(box->viewport(), room.topLeft()).y();
            const int below = box->viewport()->height() - text->mapTo(box->viewport(), QPoint(0, room.top() + lines.height())).y();
            QVERIFY2(below >= above, qPrintable(QStringLiteral("%1 px below, %2 above").arg(below).arg(above)));
            seen = true;
        });
        SubPrepareCatalogueMessage(*gMsg, 2006);
        gMsg->nFctDisplay();
        platform::InstallMessageDisplay(nullptr);
        platform::InstallPlatformServices(nullptr);
        QVERIFY(seen);
    }

    // The axis dialogs show every axis title whole, without scrolling
    // sideways, and their captions whole.
    void axisDialogsShowTheTitlesWhole_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("open") << int(kAxisDialogOpen);
        QTest::newRow("close") << int(kAxisDialogClose);
        QTest::newRow("delete") << int(kAxisDialogDelete);
        QTest::newRow("titles") << int(kAxisDialogSetModifyTitle);
    }

    void axisDialogsShowTheTitlesWhole()
    {
        QFETCH(int, mode);
        testing_support::ProgramRun run;
        QVERIFY(run.Start());
        run.Trigger("mnuAxisSub_0");
        SubSetAxisTitle(1, "Infeed conveyor of the first folding station");
        SubSetAxisTitle(2, "Rewind surface winder of the second line");
        bool seen = false;
        WhenModalShows([&seen, mode](QWidget* dialog) {
            QApplication::processEvents();  // the layout as it is painted
            const QString folder = qEnvironmentVariable("DIALOG_SCREENSHOT_DIR");
            if (!folder.isEmpty())
                dialog->grab().save(QStringLiteral("%1/axis_dialog_%2.png").arg(folder).arg(mode));
            auto* list = dialog->findChild<QListWidget*>("lstAxes");
            QCOMPARE(list->count(), 2);
            for (int k = 0; k < list->count(); ++k) {
                const QString entry = list->item(k)->text();
                QVERIFY2(list->visualItemRect(list->item(k)).left() + list->fontMetrics().horizontalAdvance(entry) <=
                             list->viewport()->width(),
                         qPrintable(entry));
            }
            QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
            const QRect listPlace(list->mapTo(dialog, QPoint(0, 0)), list->size());
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                QVERIFY2(!button->isVisible() || !listPlace.intersects(QRect(button->mapTo(dialog, QPoint(0, 0)), button->size())),
                         qPrintable(button->text()));
            QVERIFY2(dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) < dialog->width(),
                     qPrintable(dialog->windowTitle()));
            seen = true;
        });
        ShowAxisDialog(run.Main(), static_cast<int16_t>(mode));
        QVERIFY(seen);
    }

    // The Units menu and the units dialog call the English-engineering
    // system by one name in German.
    void oneNameForTheUnitSystem()
    {
        testing_support::ProgramRun run;
        run.WriteSettings("[System Settings]\nLanguage=1000\n");
        QVERIFY(run.Start());
        const QString menuName = run.Action("mnuUnitsFunction_0")->text().remove('&');
        QStringList dialogNames;
        WhenModalShows([&dialogNames](QWidget* dialog) {
            auto* systems = dialog->findChild<QComboBox*>("cboUnit");
            dialogNames << systems->itemText(0) << dialog->findChild<QTabWidget*>("tabMain")->tabText(0).remove('&');
            // The list shows the name whole.
            QStyleOptionComboBox option;
            option.initFrom(systems);
            const QRect field = systems->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, systems);
            QVERIFY(systems->fontMetrics().horizontalAdvance(systems->itemText(0)) <= field.width());
            const QString folder = qEnvironmentVariable("DIALOG_SCREENSHOT_DIR");
            if (!folder.isEmpty())
                dialog->grab().save(folder + "/units_1000.png");
        });
        run.Trigger("mnuUnitsFunction_3");
        QCOMPARE(dialogNames, QStringList({menuName, menuName}));
    }
};

QTEST_MAIN(TestWholeTexts)
#include "tst_wholetexts.moc"
