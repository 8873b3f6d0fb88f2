// The two analysis windows shown as the axis design window shows them:
// gnAnalysisAxis set, a modal display. Caption, fixed-pitch text box, the
// text built afresh on every activation, Close ending the display.
#include "design/frmAnalysis.h"
#include "design/frmMotorReq.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/FontChecks.h"
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/ReportTestAxis.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace dialog_tests;

namespace {

QString Text(QWidget* dialog)
{
    return dialog->findChild<QPlainTextEdit*>("txtAnalysis")->toPlainText();
}

// Activates another window and then the dialog again.
void Reactivate(QWidget* dialog)
{
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
}

// The widest line of the text as the box's font sets it, unwrapped.
int WidestLine(QPlainTextEdit* box)
{
    const QFontMetrics metrics(box->font());
    int widest = 0;
    for (const QString& line : box->toPlainText().split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The widest line as the box lays it out (after its own wrapping).
qreal WidestLaidOutLine(QPlainTextEdit* box)
{
    qreal widest = 0;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        for (int k = 0; k < block.layout()->lineCount(); ++k)
            widest = std::max(widest, block.layout()->lineAt(k).naturalTextWidth());
    return widest;
}

} // namespace

class TestAnalysisWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<testing_support::ProgramRun> run;
    double savedFactor = 0;

private slots:
    void init()
    {
        run = std::make_unique<testing_support::ProgramRun>();
        run->WriteSettings("[Unit Settings]\nUnits=1\n");
        QVERIFY(run->Start());
        testing_support::PrepareAxisProfile(1);
        savedFactor = gdMaxInertiaWarning;
        gdMaxInertiaWarning = 6;
        gnAnalysisAxis = 1;
    }
    void cleanup()
    {
        gdMaxInertiaWarning = savedFactor;
        run.reset();
    }

    void motorRequirementsRebuiltOnEveryActivation()
    {
        testing_support::BuildDiskAxis(1);
        QStringList texts;
        bool closed = false;
        WhenModalShows([&](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("frmMotorReq"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Motor Requirements"));
            auto* box = dialog->findChild<QPlainTextEdit*>("txtAnalysis");
            QVERIFY(testing_support::AdvancesAreEqual(box->font()));
            QVERIFY(box->isReadOnly());
            auto* close = dialog->findChild<QPushButton*>("cmdClose");
            QCOMPARE(close->text(), QStringLiteral("Close"));
            QTRY_VERIFY(close->hasFocus());
            texts << Text(dialog);
            // The factor changed while the window is open: the next
            // activation shows two rows instead of six.
            gdMaxInertiaWarning = 2.5;
            Reactivate(dialog);
            texts << Text(dialog);
            QTest::mouseClick(close, Qt::LeftButton);
            closed = !dialog->isVisible();
        });
        frmMotorReq dialog(run->Main());
        QVERIFY(dialog.isModal());
        dialog.exec();
        QVERIFY(closed);
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts[0].startsWith("Required Speed: "));
        QCOMPARE(texts[0].split('\n').size(), 5 + 6 + 1);
        QCOMPARE(texts[1].split('\n').size(), 5 + 2 + 1);
        // Columns 1, 31 and 61 in the fixed-pitch box.
        const QString header = texts[1].split('\n')[3];
        QCOMPARE(header.indexOf("Required Cont. Torque"), 30);
        QCOMPARE(header.indexOf("Required Peak Torque"), 60);
    }

    void motorRequirementsWrapTheirReasonAndKeepTheTableWhole()
    {
        // No mechanism: the sentences of why nothing can be calculated are
        // wider than the box and wrap inside it.
        int widest = 0;
        int room = 0;
        qreal laidOut = -1;
        int sideways = -1;
        QString complete;
        QPlainTextEdit::LineWrapMode tableWrap = QPlainTextEdit::WidgetWidth;
        WhenModalShows([&](QWidget* dialog) {
            auto* box = dialog->findChild<QPlainTextEdit*>("txtAnalysis");
            widest = WidestLine(box);
            room = box->viewport()->width();
            laidOut = WidestLaidOutLine(box);
            sideways = box->horizontalScrollBar()->maximum();
            // Complete: the table, each line whole.
            testing_support::BuildDiskAxis(1);
            Reactivate(dialog);
            complete = Text(dialog);
            tableWrap = box->lineWrapMode();
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        frmMotorReq dialog(run->Main());
        dialog.exec();
        QVERIFY2(widest > room, qPrintable(QStringLiteral("widest line %1 of %2 px").arg(widest).arg(room)));
        QVERIFY2(laidOut <= room, qPrintable(QStringLiteral("laid out %1 of %2 px").arg(laidOut).arg(room)));
        QCOMPARE(sideways, 0);
        QVERIFY(complete.startsWith("Required Speed: "));
        QCOMPARE(tableWrap, QPlainTextEdit::NoWrap);
    }

    // One row per motor inertia J/k for k from w rounded (a half to the even
    // neighbour) down to 1, w the inertia factor; none for a factor of 0 or
    // less.
    void motorRequirementRowsFollowTheInertiaFactor_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("rows");
        QTest::newRow("6") << 6.0 << 6;
        QTest::newRow("2.5 rounds to 2") << 2.5 << 2;
        QTest::newRow("3.5 rounds to 4") << 3.5 << 4;
        QTest::newRow("0.5 rounds to 0") << 0.5 << 0;
        QTest::newRow("-3 gives none") << -3.0 << 0;
    }
    void motorRequirementRowsFollowTheInertiaFactor()
    {
        QFETCH(double, factor);
        QFETCH(int, rows);
        testing_support::BuildDiskAxis(1);
        gdMaxInertiaWarning = factor;
        std::string text;
        QVERIFY(nFctBuildMotorRequirementsText(1, text));
        const QStringList lines = QString::fromStdString(text).split("\r\n");
        // Speed, inertia, empty line, header, units, the rows, and the end.
        QCOMPARE(lines.size(), 5 + rows + 1);
        if (rows == 0)
            return;
        // Disk of 200 mm x 20 mm, 7.85 g/cm3: J = rho pi t r^4 / 2
        // = 7850 x pi x 0.02 x 0.1^4 / 2 = 0.024662 kg.m^2 = 246.62 kg.cm^2
        // (the model's weight density takes g as 9.81, 0.03 % more).
        const auto inertiaOf = [&lines](int row) { return lines[4 + row].left(30).trimmed().toDouble(); };
        QVERIFY(std::fabs(inertiaOf(rows) / 246.62 - 1) < 5e-4);
        for (int row = 1; row <= rows; ++row) {
            const int k = rows - row + 1;
            QVERIFY2(std::fabs(inertiaOf(row) * k / inertiaOf(rows) - 1) < 1e-4, qPrintable(lines[4 + row]));
        }
    }

    void analysisOfAnIncompleteAndACompleteAxis()
    {
        QStringList texts;
        auto show = [&] {
            WhenModalShows([&](QWidget* dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Axis Analysis"));
                texts << Text(dialog);
                QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
            });
            frmAnalysis dialog(run->Main());
            dialog.exec();
        };
        show();
        testing_support::BuildDiskAxis(1);
        show();
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts[0].startsWith("Unable to accomplish calculations."));
        QVERIFY(!texts[0].contains("Motor Performance"));
        QVERIFY(texts[1].startsWith("The axis setup is correct."));
        QVERIFY(texts[1].contains("\n\nMotor Performance :\n\nWarning : \n"));
    }
};

QTEST_MAIN(TestAnalysisWindows)
#include "tst_analysiswindows.moc"
