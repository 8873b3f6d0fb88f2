// What a user sees first, on a screen of 1600 x 1200 pixels at any scale:
// the program's icon and logo on its windows, dialogs in the middle of the
// screen, the help window beside the dialog that asked for it, Qt's own
// texts in the program's language and an outline that shows its lines
// whole.
#include "design/frmAxisDesign.h"
#include "foundation/basAppPaths.h"
#include "foundation/basTextResources.h"
#include "model/basAxisAccessors.h"
#include "foundation/ui/frmMessageDisplay.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/OutlineTree.h"
#include "profile/frmProfile.h"
#include "shell/Main.h"
#include "shell/basWindowSlots.h"
#include "shell/frmAxisControl.h"
#include "shell/frmOptions.h"
#include "shell/frmUnits.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/OffscreenScreen.h"
#include "tests/ui/support/ProgramRun.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QtTest>

using dialog_tests::WhenModalShows;
using testing_support::ProgramRun;

namespace {

constexpr QSize kScreenPixels(1600, 1200);

QRect ScreenArea()
{
    return QGuiApplication::primaryScreen()->geometry();
}

// The visible push buttons of a dialog in screen coordinates.
QList<QRect> ButtonsOnScreen(QWidget* dialog)
{
    QList<QRect> buttons;
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->isVisible())
            buttons << QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
    return buttons;
}

QImage PictureOf(const QIcon& icon)
{
    return icon.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage ProgramPicture()
{
    return QImage(QString::fromStdString(gsImagePath + "Orvamis.PNG")).convertToFormat(QImage::Format_ARGB32);
}

// The menu entries' texts without their access-key marks.
QStringList EntryTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text().remove('&');
    return texts;
}

enum class Shown { Units, Options, OpenAxis, SetTitle, Message };

// Opens a dialog of the main window as the user does.
void Open(ProgramRun& run, Shown dialog)
{
    switch (dialog) {
    case Shown::Units: run.Trigger("mnuUnitsFunction_3"); break;
    case Shown::Options: run.Trigger("mnuFileFunction_8"); break;
    case Shown::OpenAxis: run.Trigger("mnuAxisSub_1"); break;
    case Shown::SetTitle: run.Trigger("mnuAxisSub_5"); break;
    case Shown::Message: run.Trigger("mnuAxisSub_0"); break;  // the fourth axis: message 2001
    }
}

} // namespace

class TestLook : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        run_ = std::make_unique<ProgramRun>();
        QVERIFY(run_->Start());
        // Three axes, and No to the question whether to save them.
        run_->Trigger("mnuAxisSub_0");
        run_->Trigger("mnuAxisSub_0");
        QCOMPARE(run_->ChildCaptions().size(), 9);
        run_->Messages().answers = {kResultNo, kResultNo, kResultNo};
    }

    void cleanup()
    {
        platform::InstallMessageDisplay(&run_->Messages());
        run_.reset();
    }

    // The screen chosen, in its own pixels; the windows lay out in the
    // pixels of the scale (QT_SCALE_FACTOR, QT_FONT_DPI).
    void theScreenIsTheOneChosen()
    {
        const QSizeF pixels = QSizeF(ScreenArea().size()) * QGuiApplication::primaryScreen()->devicePixelRatio();
        QVERIFY(qAbs(pixels.width() - kScreenPixels.width()) <= 1);  // 1067 x 1.5
        QVERIFY(qAbs(pixels.height() - kScreenPixels.height()) <= 1);
    }

    // The program's own picture on the main window, its axis windows and
    // its dialogs; the logo on the dialogs that show one.
    void iconAndLogo()
    {
        UseMessageDialog();
        MDIMain* main = run_->Main();
        QVERIFY(!ProgramPicture().isNull());
        QCOMPARE(PictureOf(main->windowIcon()), ProgramPicture());
        QCOMPARE(PictureOf(QGuiApplication::windowIcon()), ProgramPicture());
        for (int16_t axis : {1, 2, 3})
            QCOMPARE(PictureOf(AxisDesignWindow(axis)->windowIcon()), ProgramPicture());

        for (Shown dialog : {Shown::Units, Shown::SetTitle, Shown::Message}) {
            bool seen = false;
            WhenModalShows([&seen](QWidget* shown) {
                QCOMPARE(PictureOf(shown->windowIcon()), ProgramPicture());
                auto* logo = shown->findChild<QLabel*>("imgLogo");
                QVERIFY(logo && logo->isVisible());
                QVERIFY(!logo->pixmap().isNull());
                // The whole logo is in sight.
                QVERIFY(logo->contentsRect().width() >= logo->pixmap().width());
                QVERIFY(logo->contentsRect().height() >= logo->pixmap().height());
                seen = true;
            });
            Open(*run_, dialog);
            QVERIFY(seen);
        }

        // A desktop entry beside the program names it and its icon.
        QFile entry(QString::fromStdString(testing_support::BuiltAppFolder() + "orvamis.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        QVERIFY(text.startsWith("[Desktop Entry]"));
        QVERIFY(text.contains("\nName=Orvamis Kestravo\n"));
        const QString icon = text.section("\nIcon=", 1).section('\n', 0, 0);
        QVERIFY2(QFile::exists(icon), qPrintable(icon));
    }

    void dialogsAreCentred_data()
    {
        QTest::addColumn<Shown>("dialog");
        QTest::newRow("units") << Shown::Units;
        QTest::newRow("options") << Shown::Options;
        QTest::newRow("open axis") << Shown::OpenAxis;
        QTest::newRow("set title") << Shown::SetTitle;
        QTest::newRow("message") << Shown::Message;
    }

    // Centred on the screen with the size it shows with, every button on
    // the screen.
    void dialogsAreCentred()
    {
        QFETCH(Shown, dialog);
        UseMessageDialog();
        bool seen = false;
        WhenModalShows([&seen](QWidget* shown) {
            const QPoint centre = shown->frameGeometry().center();
            QVERIFY2(qAbs(centre.x() - ScreenArea().center().x()) <= 2, qPrintable(QString::number(centre.x())));
            QVERIFY2(qAbs(centre.y() - ScreenArea().center().y()) <= 2, qPrintable(QString::number(centre.y())));
            const QList<QRect> buttons = ButtonsOnScreen(shown);
            QVERIFY(!buttons.isEmpty());
            for (const QRect& button : buttons)
                QVERIFY(ScreenArea().contains(button));
            seen = true;
        });
        Open(*run_, dialog);
        QVERIFY(seen);
    }

    // F1 in a dialog: the help window whole on the screen, beside the dialog
    // and clear of the main window's menu bar and outline, usable while the
    // dialog is open (Escape closes it); it outlives the dialog with its
    // history, a window of the main window's.
    void helpWindowBesideTheDialog()
    {
        platform::HelpViewer* viewer = nullptr;
        const auto onScreen = [](QWidget* widget) { return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()); };
        MDIMain* main = run_->Main();
        const QRect menuBar = onScreen(main->menuBar());
        const QRect outline = onScreen(main->findChild<QWidget*>("picControlBar"));
        bool seen = false;
        WhenModalShows([&](QWidget* dialog) {
            QTest::keyClick(dialog, Qt::Key_F1);
            viewer = main->findChild<platform::HelpViewer*>();
            QVERIFY(viewer && viewer->isVisible());
            QVERIFY(viewer->isWindow());
            QVERIFY(viewer->CurrentPage().endsWith("/UnitsSetup.htm"));
            const QRect frame = viewer->frameGeometry();
            QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(frame));
            QVERIFY(!frame.intersects(menuBar));
            QVERIFY(!frame.intersects(outline));
            for (const QRect& button : ButtonsOnScreen(dialog))
                QVERIFY(!frame.intersects(button));

            // Typed into the help window as the window system delivers it.
            QTest::keyClick(viewer->windowHandle(), Qt::Key_Escape);
            QTRY_VERIFY(!viewer->isVisible());
            QVERIFY(dialog->isVisible());

            QTest::keyClick(dialog, Qt::Key_F1);
            QVERIFY(viewer->isVisible());
            seen = true;
        });
        Open(*run_, Shown::Units);
        QVERIFY(seen);
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->parentWidget(), static_cast<QWidget*>(main));

        // Help > Contents in the same window; Back returns to the dialog's page.
        run_->Trigger("mnuHelpFunction_0");
        QCOMPARE(main->findChildren<platform::HelpViewer*>().size(), qsizetype(1));
        QVERIFY(viewer->CurrentPage().endsWith("/Welcome.htm"));
        QAction* back = viewer->findChild<QAction*>("helpBack");
        QVERIFY(back->isEnabled());
        back->trigger();
        QVERIFY(viewer->CurrentPage().endsWith("/UnitsSetup.htm"));
    }

    // The file dialog, the overwrite question and the child windows' system
    // menus follow the language of the program.
    void qtTextsFollowTheLanguage()
    {
        run_->Trigger("mnuLanguage_2");
        QCOMPARE(gnLanguageOffset, int16_t(1000));
        QVERIFY(EntryTexts(AxisDesignWindow(1)->systemMenu()).contains("Minimieren"));
        run_->Main()->SetFileDialogRunner(nullptr);
        QStringList buttons;
        WhenModalShows([&buttons](QWidget* dialog) {
            QVERIFY(qobject_cast<QFileDialog*>(dialog));
            for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
                buttons << button->text().remove('&');
        });
        run_->Trigger("mnuFileFunction_1");
        QCOMPARE(buttons, (QStringList{"Öffnen", "Abbrechen"}));

        run_->Trigger("mnuLanguage_0");
        QVERIFY(EntryTexts(AxisDesignWindow(1)->systemMenu()).contains("Minimize"));
        buttons.clear();
        WhenModalShows([&buttons](QWidget* dialog) {
            for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
                buttons << button->text().remove('&');
        });
        run_->Trigger("mnuFileFunction_1");
        QCOMPARE(buttons, (QStringList{"Open", "Cancel"}));
    }

    // In German, with a long file name and the longest line marked, every
    // line of the outline shows whole, and no line has an expand arrow.
    void outlineLinesShowWhole()
    {
        run_->Trigger("mnuLanguage_2");
        run_->Trigger("mnuAxisSub_0");
        run_->Trigger("mnuAxisSub_0");
        gsCurrentFile = "/tmp/Verpackungsmaschine_A.dat";  // 25 characters of name: shown whole
        SubRefreshAxisTree();
        ProfileWindow(3)->BringToFront();
        platform::OutlineTree* tree = run_->Main()->OutTree();
        QTRY_COMPARE(tree->PictureType(11), int(platform::OutlineTree::kPictureMarked));
        QCOMPARE(tree->LineText(0), QStringLiteral("Verpackungsmaschine_A.dat"));
        QApplication::processEvents();

        // The picture in the outline's pixels (a scaled screen paints more).
        const QImage picture =
            tree->viewport()->grab().toImage().scaled(tree->viewport()->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        for (int line = 0; line < tree->LineCount(); ++line) {
            QTreeWidgetItem* item = tree->LineItem(line);
            QFont font = item->font(0);
            const QRect rect = tree->visualItemRect(item);
            const int textWidth = QFontMetrics(font).horizontalAdvance(item->text(0));
            QVERIFY2(rect.left() + textWidth <= tree->viewport()->width(), qPrintable(item->text(0)));
            // The strip before a line that has lines below it is plain.
            const QRect branch(rect.left() - tree->indentation(), rect.top(), tree->indentation(), rect.height());
            if (item->childCount() > 0 && branch.left() >= 0) {
                const QRgb plain = picture.pixel(branch.topLeft());
                for (int x = branch.left(); x <= branch.right(); ++x)
                    for (int y = branch.top(); y <= branch.bottom(); ++y)
                        QVERIFY2(picture.pixel(x, y) == plain, qPrintable(item->text(0)));
            }
        }
    }

    // A long axis title takes no room from the windows: the side panel
    // keeps its width, the line ends in "..." with the whole title in its
    // tip, and the panel's edge still moves either way.
    // Restored from maximised (its state at a first start), the main window
    // shows its axis design window whole, as wide as its normal size and
    // with no scroll bar in the area of the windows, where the screen is
    // large enough for it.
    void restoredMainWindowShowsTheDesignWindowWhole()
    {
        MDIMain* main = run_->Main();
        main->showNormal();
        QApplication::processEvents();
        const QSize normal = frmAxisDesign::kNormalSize;
        const QSize screen = main->screen()->availableGeometry().size();
        if (screen.width() < normal.width() * 3 / 2 || screen.height() < normal.height() * 3 / 2)
            QSKIP("the screen is too small for the design window beside the bars");
        QMdiArea* area = main->MdiArea();
        QVERIFY2(area->viewport()->width() >= normal.width(), qPrintable(QString::number(area->viewport()->width())));
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());
    }

    void longTitleKeepsTheOutlineWidth()
    {
        MDIMain* main = run_->Main();
        QWidget* panel = main->findChild<QWidget*>("picControlBar");
        const int panelWidth = panel->width();
        const int areaWidth = main->MdiArea()->width();
        const std::string title(70, 'W');
        SubSetAxisTitle(1, title);
        SubRefreshAxisTree();
        QApplication::processEvents();
        QCOMPARE(panel->width(), panelWidth);
        QCOMPARE(main->MdiArea()->width(), areaWidth);
        platform::OutlineTree* tree = main->OutTree();
        QTreeWidgetItem* line = tree->LineItem(1);
        QCOMPARE(line->text(0), QString::fromStdString(title));
        QCOMPARE(line->toolTip(0), QString::fromStdString(title));
        QVERIFY(QFontMetrics(line->font(0)).horizontalAdvance(line->text(0)) > tree->viewport()->width());
        QCOMPARE(tree->horizontalScrollBar()->maximum(), 0);
        const QString folder = qEnvironmentVariable("DIALOG_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            main->grab().save(folder + "/main_long_title.png");

        auto* splitter = main->findChild<QSplitter*>("sideSplitter");
        for (int by : {-40, 40}) {
            const int before = panel->width();
            DragEdge(splitter, by);
            QTRY_COMPARE(panel->width(), before + by);
        }
    }

    // The user can widen the side panel by dragging its edge.
    void sidePanelWidens()
    {
        auto* splitter = run_->Main()->findChild<QSplitter*>("sideSplitter");
        QVERIFY(splitter);
        QWidget* panel = run_->Main()->findChild<QWidget*>("picControlBar");
        const int before = panel->width();
        DragEdge(splitter, 80);
        QTRY_COMPARE(panel->width(), before + 80);
    }

private:
    // Drags the edge between the side panel and the windows by that many
    // pixels, as the user's mouse does.
    static void DragEdge(QSplitter* splitter, int by)
    {
        QSplitterHandle* handle = splitter->handle(1);
        const QPoint grip = handle->rect().center();
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        QMouseEvent drag(QEvent::MouseMove, grip + QPoint(by, 0), handle->mapToGlobal(grip + QPoint(by, 0)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &drag);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(by, 0));
    }

    // The program's own message dialog in place of the recording one.
    void UseMessageDialog()
    {
        display_ = std::make_unique<QtMessageDisplay>(run_->Main());
        platform::InstallMessageDisplay(display_.get());
    }

    std::unique_ptr<ProgramRun> run_;
    std::unique_ptr<QtMessageDisplay> display_;
};

// The tests run on an offscreen screen of 1600 x 1200 pixels.
int main(int argc, char** argv)
{
    return testing_support::RunOnOffscreenScreen<TestLook>(kScreenPixels.width(), kScreenPixels.height(), argc, argv);
}

#include "tst_look.moc"
