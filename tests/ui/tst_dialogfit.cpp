// Dialogs stay on the screen under a window manager whatever the titles of
// the axes: with a title of 350 characters and more, wider than the screen,
// the axis dialog's frame lies inside the screen's available area in every
// mode, its list shows the title cut short with the whole entry in its tip,
// and the Window menu cuts it the same way. At its first size the Set /
// Modify Title dialog shows its whole caption and hint, in English and
// German. A message taller than the screen stays on it, its OK in reach.
#include "foundation/ClsMessageSystem.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/ui/frmMessageDisplay.h"
#include "model/basAxisAccessors.h"
#include "model/basWindowStatus.h"
#include "platform/core/CurrentError.h"
#include "shell/AxisChildWindow.h"
#include "shell/basWindowSlots.h"
#include "shell/frmAxisControl.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/WindowManagerSuite.h"
#include "tests/ui/support/WindowManagerState.h"
#include "tests/ui/support/WindowSystemInput.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QtTest>

#include <climits>

using dialog_tests::WhenModalShows;
using testing_support::ProgramRun;

namespace {

// A title of at least 350 characters that is wider than the screen at the
// font.
QString TitleWiderThan(int width, const QFont& font)
{
    QString title;
    const QFontMetrics metrics(font);
    while (title.size() < 350 || metrics.horizontalAdvance(title) <= width)
        title += QStringLiteral("Unwinder of the coating line %1, ").arg(title.size());
    return title;
}

QString Describe(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestDialogFit : public testing_support::WindowManagerSuite {
    Q_OBJECT

    QRect Available() const { return run->Main()->screen()->availableGeometry(); }

    void CheckOnScreen(QWidget* dialog, const QString& what)
    {
        testing_support::LetWindowManagerSettle();
        const QRect frame = dialog->frameGeometry();
        QVERIFY2(Available().contains(frame),
                 qPrintable(what + ": " + Describe(frame) + " outside " + Describe(Available())));
    }

private slots:
    void aLongTitleKeepsEveryDialogOnTheScreen()
    {
        run->Trigger("mnuAxisSub_0");
        const QString title = TitleWiderThan(Available().width(), run->Main()->font());
        SubSetAxisTitle(2, title.toStdString());
        gbPromptDeleteAxis = -1;
        for (int16_t kind : {WindowKind::AxisDesign, WindowKind::Profile, WindowKind::Report})
            static_cast<AxisChildWindow*>(AxisWindow(2, kind))->mSubSetFormCaption();
        for (int16_t mode : {kAxisDialogOpen, kAxisDialogClose, kAxisDialogDelete, kAxisDialogSetModifyTitle}) {
            bool shown = false;
            WhenModalShows([&](QWidget* dialog) {
                shown = true;
                const QString what = dialog->windowTitle();
                CheckOnScreen(dialog, what);
                auto* list = dialog->findChild<QListWidget*>("lstAxes");
                QListWidgetItem* entry = list->item(1);
                const QString whole = " 2 - " + title;
                QVERIFY2(entry->text() != whole && entry->text().endsWith(QChar(0x2026)), qPrintable(what));
                QCOMPARE(entry->toolTip(), whole);
                QCOMPARE(list->item(0)->toolTip(), QString());
                if (mode == kAxisDialogDelete) {
                    // The question names the entry whole.
                    list->setCurrentRow(1);
                    QTest::mouseClick(dialog->findChild<QPushButton*>("vseCommand_0"), Qt::LeftButton);
                }
                if (mode == kAxisDialogSetModifyTitle) {
                    // The whole title to edit, in a field that stays on the
                    // screen.
                    list->setCurrentRow(1);
                    QTest::mouseClick(dialog->findChild<QPushButton*>("vseCommand_0"), Qt::LeftButton);
                    QCOMPARE(dialog->findChild<QLineEdit*>("txtTitle")->text(), title);
                    CheckOnScreen(dialog, what + " editing");
                }
            });
            ShowAxisDialog(run->Main(), mode);
            QVERIFY(shown);
            if (QTest::currentTestFailed())
                return;
        }

        // The delete question with the whole entry in its text.
        QVERIFY(!run->Messages().messages.empty());
        const MessageComposition question = run->Messages().messages.back();
        QVERIFY(QString::fromStdString(question.text).contains(title));
        frmMessageDisplay box(question, nullptr, run->Main());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        CheckOnScreen(&box, "the delete question");
        box.close();

        // The Window menu: the captions with the title cut short, whole in
        // the tips; the menu within the screen.
        QMenu* menu = run->Main()->findChild<QMenu*>("mnuWindowList");
        emit menu->aboutToShow();
        int cut = 0;
        for (QAction* action : menu->actions()) {
            if (!action->objectName().startsWith("mnuWindowListChild_"))
                continue;
            if (action->toolTip().contains(title)) {
                ++cut;
                QVERIFY(!action->text().contains(title));
                QVERIFY(action->text().endsWith(QChar(0x2026)));
            }
        }
        QCOMPARE(cut, 3);
        QVERIFY2(menu->sizeHint().width() <= Available().width(), qPrintable(QString::number(menu->sizeHint().width())));
    }

    // A message whose text is taller than the screen, a failed save with a
    // path near the system's limit and many lines after it: the dialog's
    // frame stays within the screen, its text scrolls and its OK button
    // answers a click through the X server.
    void aMessageTallerThanTheScreenStaysOnIt()
    {
        QString path = QStringLiteral("/tmp");
        while (path.size() < PATH_MAX - 260)
            path += "/Machines of the coating line " + QString(200, QLatin1Char('L'));
        path += ".dat";
        QStringList lines;
        for (int k = 1; k <= 80; ++k)
            lines << QStringLiteral("Line %1 of the notes").arg(k);
        platform::SetCurrentError(75, ("Path/File access error: " + path).toStdString());
        SubPrepareCatalogueMessage(*gMsg, 1005);
        gMsg->sExtraText = lines.join('\n').toStdString();

        QtMessageDisplay display(run->Main());
        platform::InstallMessageDisplay(&display);
        bool shown = false;
        WhenModalShows([&](QWidget* dialog) {
            shown = true;
            QVERIFY(testing_support::LetWindowGeometrySettle(dialog, testing_support::kWindowManagerPatience));
            CheckOnScreen(dialog, "the message");
            QVERIFY2(dialog->frameGeometry() != dialog->geometry(), "a frame from the window manager");
            auto* panel = dialog->findChild<QScrollArea*>("lblMsgContainer");
            QVERIFY(panel->verticalScrollBar()->maximum() > 0);
            QPushButton* ok = dialog->findChild<QPushButton*>("vseCommand2");
            QVERIFY(ok->isVisible());
            const QRect button(ok->mapToGlobal(QPoint(0, 0)), ok->size());
            QVERIFY2(Available().contains(button), qPrintable("OK at " + Describe(button)));
            QVERIFY(testing_support::ClickThroughXServer(ok, ok->rect().center()));
        });
        const int16_t result = gMsg->nFctDisplay();
        platform::InstallMessageDisplay(&run->Messages());
        platform::ClearCurrentError();
        QVERIFY(shown);
        QCOMPARE(result, int16_t(1));
    }

    // The caption in the window manager's title bar: the dialog is at least
    // as wide as the caption in a bold face and five squares of the bar's
    // height (its icon, three buttons and the margins; with less, openbox
    // cuts the caption short). The hint whole beside the logo.
    void theTitleDialogShowsItsCaptionAndHintWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("English") << "mnuLanguage_0" << "Set / Modify Title";
        QTest::newRow("German") << "mnuLanguage_2" << "";
    }

    void theTitleDialogShowsItsCaptionAndHintWhole()
    {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        run->Trigger(language);
        bool shown = false;
        WhenModalShows([&](QWidget* dialog) {
            shown = true;
            testing_support::LetWindowManagerSettle();
            if (!caption.isEmpty())
                QCOMPARE(dialog->windowTitle(), caption);
            const int bar = dialog->geometry().top() - dialog->frameGeometry().top();
            QVERIFY2(bar > 0, "a title bar from the window manager");
            QFont bold = dialog->font();
            bold.setBold(true);
            const int needed = QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()) + 5 * bar;
            QVERIFY2(dialog->frameGeometry().width() >= needed,
                     qPrintable(QStringLiteral("%1 wide, the caption needs %2").arg(dialog->frameGeometry().width()).arg(needed)));
            auto* hint = dialog->findChild<QLabel*>("lblHelp");
            auto* logo = dialog->findChild<QLabel*>("imgLogo");
            QVERIFY(hint->isVisible() && !hint->text().isEmpty());
            QVERIFY2(hint->width() >= hint->fontMetrics().horizontalAdvance(hint->text()), qPrintable(hint->text()));
            const QRect hintRect(hint->mapTo(dialog, QPoint(0, 0)), hint->size());
            const QRect logoRect(logo->mapTo(dialog, QPoint(0, 0)), logo->size());
            QVERIFY2(!hintRect.intersects(logoRect), qPrintable(Describe(hintRect) + " under the logo " + Describe(logoRect)));
            QVERIFY(dialog->rect().contains(hintRect));
        });
        ShowAxisDialog(run->Main(), kAxisDialogSetModifyTitle);
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestDialogFit)
#include "tst_dialogfit.moc"
