// The message dialog as the user sees it: caption, title, icon, text,
// buttons with their results and focus, closing without a button, copying
// the text, the colour scheme, and the loaders' plain critical box.
#include "foundation/ClsMessageSystem.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "foundation/ui/frmMessageDisplay.h"
#include "platform/core/CurrentError.h"
#include "platform/qt/QtPlatformServices.h"
#include "tests/ui/DialogTestKit.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QtTest>

#include <functional>

namespace {

using dialog_tests::WhenModalShows;

QPushButton* Button(QWidget* dialog, int index)
{
    return dialog->findChild<QPushButton*>(QStringLiteral("vseCommand%1").arg(index));
}

QString LabelText(QWidget* dialog, const char* name)
{
    return dialog->findChild<QLabel*>(name)->text();
}

struct SeenDialog {
    QString caption;
    QString title;
    QString text;
    QStringList captions;  // "" for a hidden button
    int focused = -1;
    bool hasIcon = false;
    QColor background;
};

// Shows the prepared gMsg, records what the dialog shows, then lets act
// close it; returns the result of nFctDisplay.
int16_t ShowAndSee(SeenDialog& seen, std::function<void(QWidget*)> act)
{
    WhenModalShows([&seen, act](QWidget* dialog) {
        seen.caption = dialog->windowTitle();
        seen.title = LabelText(dialog, "vseTitle");
        seen.text = LabelText(dialog, "lblMessage");
        seen.hasIcon = !dialog->findChild<QLabel*>("imgMessage")->pixmap().isNull();
        seen.background = dialog->palette().color(QPalette::Window);
        for (int k = 0; k < 3; ++k) {
            seen.captions << (Button(dialog, k)->isVisible() ? Button(dialog, k)->text() : QString());
            if (Button(dialog, k)->hasFocus())
                seen.focused = k;
        }
        act(dialog);
    });
    return gMsg->nFctDisplay();
}

} // namespace

class TestMessageDialog : public QObject {
    Q_OBJECT
private:
    platform::QtPlatformServices services_{nullptr};
    QtMessageDisplay display_;

private slots:
    void initTestCase()
    {
        platform::InstallPlatformServices(&services_);
        platform::InstallMessageDisplay(&display_);
        glScreenColors = 16777216;
    }

    void warningWithOkay()
    {
        SubPrepareCatalogueMessage(*gMsg, 2001);
        SeenDialog seen;
        const int16_t result = ShowAndSee(seen, [](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
        QCOMPARE(result, int16_t(1));
        QCOMPARE(seen.caption, QStringLiteral("Warning Message - 2001"));
        QCOMPARE(seen.title, QStringLiteral("Warning Message"));
        QCOMPARE(seen.text, QStringLiteral("Max. number of axes has been reached."));
        QCOMPARE(seen.captions, (QStringList{"", "", "Okay"}));
        QCOMPARE(seen.focused, 2);
        QVERIFY(seen.hasIcon);
        QCOMPARE(seen.background, QColor(225, 225, 225));
    }

    void deleteQuestionWithTheAxisEntry()
    {
        for (const auto& [button, expected] : {std::pair{1, 6}, std::pair{2, 7}}) {
            SubPrepareCatalogueMessage(*gMsg, 4002);
            gMsg->sExtraText = " 2 - Feed axis";
            SeenDialog seen;
            const int16_t result = ShowAndSee(seen, [b = button](QWidget* d) { QTest::mouseClick(Button(d, b), Qt::LeftButton); });
            QCOMPARE(result, int16_t(expected));
            QCOMPARE(seen.captions, (QStringList{"", "&Yes", "&No"}));
            QCOMPARE(seen.focused, 1);
            QCOMPARE(seen.text, QStringLiteral("Are you sure you want to delete the axis ?\n\n 2 - Feed axis"));
            QCOMPARE(seen.caption, QStringLiteral("Warning Query - 4002"));
        }
    }

    // A word wider than the text panel, such as the path of a file with a
    // long name, wraps within the panel: the whole text is shown and no line
    // runs past the panel's edge.
    void aWordWiderThanThePanelWrapsWithinIt()
    {
        const QString path = "/tmp/Machines/" + QString(236, 'L') + ".dat";
        SubPrepareCatalogueMessage(*gMsg, 4004);
        gMsg->sExtraText = path.toStdString();
        int labelWidth = 0;
        int panelWidth = 0;
        SeenDialog seen;
        ShowAndSee(seen, [&](QWidget* d) {
            labelWidth = d->findChild<QLabel*>("lblMessage")->width();
            panelWidth = d->findChild<QScrollArea*>("lblMsgContainer")->viewport()->width();
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QVERIFY2(labelWidth <= panelWidth, qPrintable(QStringLiteral("%1 > %2").arg(labelWidth).arg(panelWidth)));
        const QString shown = seen.text.remove(QChar(0x200B));
        QVERIFY(shown.startsWith(QString::fromStdString(sFctGetText(392)).section('\n', 0, 0)));
        QVERIFY(shown.endsWith("\n\n" + path));
    }

    // The text can be taken out of the dialog as the message has it: Copy
    // with nothing selected takes the whole text, Select All and Copy the
    // same, by the keys and by the text's context menu; a selection across
    // a long word's breaks comes out without them.
    void theTextIsCopiedAsTheMessageHasIt()
    {
        const QString path = "/tmp/Machines/" + QString(300, 'L') + ".dat";
        const QString whole = "3024 - Could not find file " + path + "\n\nError while attempting to save application data.";
        const auto show = [&path](std::function<void(QWidget*)> act) {
            platform::SetCurrentError(3024, ("Could not find file " + path).toStdString());
            SubPrepareCatalogueMessage(*gMsg, 1005);
            WhenModalShows(act);
            gMsg->nFctDisplay();
            platform::ClearCurrentError();
        };
        const auto label = [](QWidget* d) { return d->findChild<QLabel*>("lblMessage"); };

        // Copy with the focus on the button.
        QApplication::clipboard()->clear();
        show([](QWidget* d) {
            QTest::keySequence(d, QKeySequence::Copy);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(QApplication::clipboard()->text(), whole);

        // Select All and Copy in the text.
        QApplication::clipboard()->clear();
        show([&label](QWidget* d) {
            QTest::mouseClick(label(d), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            QCOMPARE(QApplication::focusWidget(), label(d));
            QTest::keySequence(label(d), QKeySequence::SelectAll);
            QVERIFY(label(d)->hasSelectedText());
            QTest::keySequence(label(d), QKeySequence::Copy);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(QApplication::clipboard()->text(), whole);

        // Copy from the text's context menu.
        QApplication::clipboard()->clear();
        show([&label](QWidget* d) {
            QStringList entries;
            for (QAction* action : label(d)->actions())
                entries << action->text();
            QCOMPARE(entries, (QStringList{"&Copy", "Select &All"}));
            QCOMPARE(label(d)->contextMenuPolicy(), Qt::ActionsContextMenu);
            label(d)->actions().front()->trigger();
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(QApplication::clipboard()->text(), whole);

        // A selection made with the keys from within the path over three
        // lines down.
        QApplication::clipboard()->clear();
        show([&label](QWidget* d) {
            QLabel* text = label(d);
            QTest::mouseClick(text, Qt::LeftButton, Qt::NoModifier, QPoint(text->width() / 2, text->fontMetrics().height() / 2 + text->contentsMargins().top()));
            for (int k = 0; k < 3; ++k)
                QTest::keyClick(text, Qt::Key_Down, Qt::ShiftModifier);
            QVERIFY(text->hasSelectedText());
            QTest::keySequence(text, QKeySequence::Copy);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        const QString part = QApplication::clipboard()->text();
        QVERIFY2(part.size() > 2 * path.size() / 10 && whole.contains(part), qPrintable(part));
        QVERIFY(!part.contains(QChar(0x200B)));
    }

    void everyButtonReturnsItsResult_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << 0 << 2 << 1;
        QTest::newRow("OK/Cancel: OK") << 1 << 1 << 1;
        QTest::newRow("OK/Cancel: Cancel") << 1 << 2 << 2;
        QTest::newRow("Abort") << 2 << 0 << 3;
        QTest::newRow("Retry") << 2 << 1 << 4;
        QTest::newRow("Ignore") << 2 << 2 << 5;
        QTest::newRow("Yes/No/Cancel: Yes") << 3 << 0 << 6;
        QTest::newRow("Yes/No/Cancel: No") << 3 << 1 << 7;
        QTest::newRow("Yes/No/Cancel: Cancel") << 3 << 2 << 2;
        QTest::newRow("Retry/Cancel: Retry") << 5 << 1 << 4;
        QTest::newRow("Retry/Cancel: Cancel") << 5 << 2 << 2;
    }

    void everyButtonReturnsItsResult()
    {
        QFETCH(int, buttons);
        QFETCH(int, place);
        QFETCH(int, result);
        gMsg->nButtons = static_cast<int16_t>(buttons);
        gMsg->nTextID = 100;
        SeenDialog seen;
        const int16_t got = ShowAndSee(seen, [place](QWidget* d) { QTest::mouseClick(Button(d, place), Qt::LeftButton); });
        QCOMPARE(int(got), result);
    }

    void focusByButtonSet_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("focused");
        QTest::newRow("OK/Cancel") << 1 << QStringList{"", "Okay", "Cancel"} << 1;
        QTest::newRow("Abort/Retry/Ignore") << 2 << QStringList{"&Abort", "&Retry", "&Ignore"} << 0;
        QTest::newRow("Yes/No/Cancel") << 3 << QStringList{"&Yes", "&No", "Cancel"} << 0;
        QTest::newRow("Retry/Cancel") << 5 << QStringList{"", "&Retry", "Cancel"} << 2;
    }

    void focusByButtonSet()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, captions);
        QFETCH(int, focused);
        gMsg->nButtons = static_cast<int16_t>(buttons);
        SeenDialog seen;
        ShowAndSee(seen, [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QCOMPARE(seen.captions, captions);
        QCOMPARE(seen.focused, focused);
    }

    // Closing without a button gives Cancel where the set has it, else the
    // set's last button: a save question closed by the user never discards.
    void closingWithoutAButton_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("result");
        QTest::newRow("OK, Escape") << 0 << false << 1;
        QTest::newRow("OK/Cancel, close box") << 1 << true << 2;
        QTest::newRow("Abort/Retry/Ignore, Escape") << 2 << false << 5;
        QTest::newRow("Yes/No/Cancel, Escape") << 3 << false << 2;
        QTest::newRow("Yes/No/Cancel, close box") << 3 << true << 2;
        QTest::newRow("Yes/No, close box") << 4 << true << 7;
        QTest::newRow("Retry/Cancel, Escape") << 5 << false << 2;
    }

    void closingWithoutAButton()
    {
        QFETCH(int, buttons);
        QFETCH(bool, closeBox);
        QFETCH(int, result);
        gMsg->nButtons = static_cast<int16_t>(buttons);
        SeenDialog seen;
        const int16_t got = ShowAndSee(seen, [closeBox](QWidget* d) {
            if (closeBox)
                d->close();
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(int(got), result);
    }

    void errorLineAndLineBreaksOfTheStringTable()
    {
        platform::SetCurrentError(3024, "Could not find file");
        SubPrepareCatalogueMessage(*gMsg, 1005);
        SeenDialog seen;
        ShowAndSee(seen, [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QCOMPARE(seen.text, QStringLiteral("3024 - Could not find file\n\nError while attempting to save application data."));
        QCOMPARE(seen.caption, QStringLiteral("Critical Message - 1005"));
        platform::ClearCurrentError();

        SubPrepareCatalogueMessage(*gMsg, 4001);  // string 96 holds its own blank line
        ShowAndSee(seen, [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QCOMPARE(seen.text, QString::fromStdString(sFctGetText(96)).replace("\n\r", "\n").replace("\r\n", "\n"));
        QVERIFY(!seen.text.contains(QLatin1Char('\r')));
    }

    void emptyMessageAndUnknownKind()
    {
        gMsg->nKind = 99;
        SeenDialog seen;
        ShowAndSee(seen, [](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
        QCOMPARE(seen.title, QStringLiteral("Information Message"));
        QCOMPARE(seen.text, QStringLiteral("Sorry, BIG mistake! There is no message."));
        QVERIFY(!seen.hasIcon);
    }

    void designColoursWithFewColours()
    {
        glScreenColors = 256;
        SeenDialog seen;
        ShowAndSee(seen, [](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
        QVERIFY(seen.background != QColor(225, 225, 225));
        glScreenColors = 16777216;
    }

    void dialogIsCentredOnTheScreen()
    {
        QRect frame;
        WhenModalShows([&frame](QWidget* d) {
            frame = d->frameGeometry();
            QTest::keyClick(d, Qt::Key_Return);
        });
        gMsg->nFctDisplay();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        // Centred before it is shown, when the window frame is not known yet.
        QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 3);
        QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 3);
    }

    void loaderCriticalBoxIsPlainWithOkOnly()
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        WhenModalShows([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            QTest::keyClick(box, Qt::Key_Return);
        });
        SubShowCriticalBox(1002, 3078, "Table UnitList not found");
        QCOMPARE(title, QStringLiteral("Critical Message - 1002"));
        QVERIFY(text.startsWith(QStringLiteral("3078 - Table UnitList not found\n\nUnable to read units list.")));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
    }
};

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
