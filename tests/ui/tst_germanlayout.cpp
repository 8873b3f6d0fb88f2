// The windows in German, the longer language, at their normal size on a
// 1024 x 768 screen: every text of the velocity profile's two tables fits its
// column, and the axis analysis reads in full without scrolling sideways.
#include "platform/qt/FlexGrid.h"
#include "design/frmAnalysis.h"
#include "foundation/basGlobalFunctions.h"
#include "profile/frmProfile.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/DialogTestKit.h"
#include "tests/ui/support/GridTyping.h"
#include "tests/ui/support/ProgramRun.h"
#include "tests/ui/support/ReportTestAxis.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>

using platform::FlexGrid;

namespace {

// The room a cell's text takes beside the text itself: the item view's
// margins on both sides.
constexpr int kCellMargins = 8;

// The cells of the grid whose text is wider than its column, as
// "row,col 'text' needs N of M px".
QStringList CutTexts(FlexGrid* grid)
{
    QStringList cut;
    const QFontMetrics metrics(grid->font());
    for (int row = 0; row < grid->Rows(); ++row)
        for (int col = 0; col < grid->Cols(); ++col) {
            const QString text = grid->TextMatrix(row, col);
            const int needed = metrics.horizontalAdvance(text) + kCellMargins;
            if (!text.isEmpty() && needed > grid->columnWidth(col))
                cut << QStringLiteral("%1 %2,%3 '%4' needs %5 of %6 px")
                           .arg(grid->objectName())
                           .arg(row)
                           .arg(col)
                           .arg(text)
                           .arg(needed)
                           .arg(grid->columnWidth(col));
        }
    return cut;
}

void ChooseByKeys(QComboBox* combo, int target)
{
    combo->setFocus();
    while (combo->currentIndex() != target)
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}

} // namespace

class TestGermanLayout : public QObject {
    Q_OBJECT

    testing_support::ProgramRun run;

private slots:
    void initTestCase()
    {
        // German; the main window 1024 x 768 pixels (in twips) at the screen's
        // top left, neither minimised nor maximised.
        run.WriteSettings("[Options]\nLoad Default Axis=False\n[Unit Settings]\nUnits=1\n"
                          "[System Settings]\nLanguage=1000\n"
                          "[Window Size]\nLeft=0\nTop=0\nWidth=15360\nHeight=11520\nStatus=0\n");
        QVERIFY(run.Start());
        run.Trigger("mnuAxisSub_0");  // Axis > New Axis
        QVERIFY(ProfileWindow(1));
    }

    void profileTablesShowTheirTextsWhole()
    {
        frmProfile* profile = ProfileWindow(1);
        profile->BringToFront();
        ChooseByKeys(profile->findChild<QComboBox*>("cboProfileMode"), 1);  // Trapezoidal
        auto* quick = profile->findChild<FlexGrid*>("vsfQuickSetup");
        // 150 mm/s in 1 s with ramps of 0.25 s and a dwell of 0.5 s: the
        // calculated times of a third of a second show six decimals.
        for (const auto& [row, keys] : {std::pair{1, "150"}, {2, "1"}, {4, "0.25"}, {5, "0.25"}, {6, "0.5"}})
            QVERIFY(testing_support::TypeIntoCell(quick, row, 1, keys));
        QTest::mouseClick(profile->findChild<QPushButton*>("vseTransfer"), Qt::LeftButton);
        QStringList cut = CutTexts(quick) + CutTexts(profile->findChild<FlexGrid*>("vsfVelProfile"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    void analysisWrapsItsSentencesAtTheBoxWidth()
    {
        // A complete axis whose motor falls short of the inertia rule: the
        // motor check's German warnings are wider than the box.
        testing_support::BuildDiskAxis(1);
        gnAnalysisAxis = 1;
        int widest = 0;
        int room = 0;
        int sideways = -1;
        dialog_tests::WhenModalShows([&](QWidget* dialog) {
            auto* box = dialog->findChild<QPlainTextEdit*>("txtAnalysis");
            const QFontMetrics metrics(box->font());
            for (const QString& line : box->toPlainText().split('\n'))
                widest = std::max(widest, metrics.horizontalAdvance(line));
            room = box->viewport()->width();
            sideways = box->horizontalScrollBar()->maximum();
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        frmAnalysis dialog(run.Main());
        dialog.exec();
        QVERIFY2(widest > room, qPrintable(QStringLiteral("widest line %1 of %2 px").arg(widest).arg(room)));
        QCOMPARE(sideways, 0);
    }
};

QTEST_MAIN(TestGermanLayout)
#include "tst_germanlayout.moc"
