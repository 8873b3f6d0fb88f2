// The report pager on its own: a document painted into a PDF file and read
// back as text. Every line lands once, in order; a line that no longer fits
// begins the next page under the running header with its page number; a
// line wider than the page goes on in the next line, broken at a blank.
#include "platform/qt/ReportPages.h"
#include "tests/ui/support/PdfReport.h"

#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using testing_support::LetterPageCapacity;
using testing_support::PageCapacity;
using testing_support::PaintIntoPdf;

// Two and a half pages of numbered lines, one line too wide for the page
// and a last line: three pages.
platform::ReportDocument NumberedLines(int linesPerPage, std::string& wide)
{
    platform::ReportDocument document;
    for (int k = 1; k <= 2 * linesPerPage + linesPerPage / 2; ++k)
        document.lines.push_back({"line " + std::to_string(k)});
    wide = "wide";
    for (int k = 0; k < 30; ++k)
        wide += " word" + std::to_string(k);
    document.lines.push_back({wide});
    document.lines.push_back({"last"});
    return document;
}

// A document of plain lines "<prefix> 1" to "<prefix> count".
void AddNumberedLines(platform::ReportDocument& document, const std::string& prefix, int count)
{
    for (int k = 1; k <= count; ++k)
        document.lines.push_back({prefix + " " + std::to_string(k)});
}

QRegularExpression WholeLine(int number)
{
    return QRegularExpression(QStringLiteral("\\bline %1\\b").arg(number));
}

} // namespace

class TestReportPages : public QObject {
    Q_OBJECT

private slots:
    void linesFlowOverPagesInOrder()
    {
        const PageCapacity capacity = LetterPageCapacity();
        std::string wide;
        const platform::ReportDocument document = NumberedLines(capacity.lines, wide);
        QVERIFY(static_cast<int>(wide.size()) > capacity.characters);
        QStringList pageTexts;
        QCOMPARE(PaintIntoPdf(document, pageTexts), 3);
        QCOMPARE(pageTexts.size(), 3);
        int expected = 1;
        for (int p = 0; p < 3; ++p) {
            QVERIFY(pageTexts[p].contains(QStringLiteral("Page %1").arg(p + 1)));
            QVERIFY(pageTexts[p].contains("Footer"));
            for (const QString& line : pageTexts[p].split('\n')) {
                const QString trimmed = line.trimmed();
                if (trimmed.startsWith("line "))
                    QCOMPARE(trimmed, QStringLiteral("line %1").arg(expected++));
            }
            // Each full page ends with its last line.
            if (p < 2)
                QCOMPARE(expected - 1, (p + 1) * capacity.lines);
        }
        QCOMPARE(expected - 1, 2 * capacity.lines + capacity.lines / 2);
        // The wide line in more than one line, no word lost or cut.
        const QString last = pageTexts[2];
        const qsizetype start = last.indexOf("wide word0");
        QVERIFY(start >= 0);
        const QString rest = last.mid(start, last.indexOf("last") - start).simplified();
        QCOMPARE(rest, QString::fromStdString(wide));
        QVERIFY(last.mid(start, last.indexOf("last") - start).trimmed().contains('\n'));
    }

    // A printer's engine outlives its jobs: a second job on the same printer
    // paints each line in its own colour, as the first did, however the
    // first ended (here on a red line).
    void everyJobOnOnePrinterPaintsItsOwnColours()
    {
        platform::ReportDocument document;
        document.lines.push_back({"black line black line black line"});
        document.lines.push_back({"red line red line red line", false, false, false, 255});
        platform::ReportPageSetup setup;
        setup.headerText = "Report||Page %d";
        setup.footerText = "Footer";
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        QList<QImage> pages;
        for (const QString name : {"first.pdf", "second.pdf", "third.pdf"}) {
            printer.setOutputFileName(folder.filePath(name));
            QCOMPARE(platform::ReportPager(document, setup).Paint(printer), 1);
            pages << testing_support::PdfPageImage(folder.filePath(name), 1);
            QVERIFY(!pages.last().isNull());
        }
        const testing_support::InkCount ink = testing_support::CountInk(pages[0]);
        QVERIFY2(ink.dark > 50 && ink.red > 50, qPrintable(QStringLiteral("%1 dark, %2 red").arg(ink.dark).arg(ink.red)));
        // The running header (in the top inch of the 11) is black.
        const testing_support::InkCount header =
            testing_support::CountInk(pages[0].copy(0, 0, pages[0].width(), pages[0].height() / 11));
        QVERIFY(header.dark > 0 && header.red == 0);
        QCOMPARE(testing_support::CountInk(pages[1]).red, ink.red);
        QVERIFY(pages[1] == pages[0]);
        QVERIFY(pages[2] == pages[0]);
    }

    // Pages 1 and 3 chosen in the print dialog: two sheets, each with the
    // lines and the page number of its own page.
    void onlyTheChosenPagesArePrinted()
    {
        const int perPage = LetterPageCapacity().lines;
        std::string wide;
        QStringList sheets;
        QCOMPARE(PaintIntoPdf(NumberedLines(perPage, wide), sheets, QPageSize(QPageSize::Letter), "1,3"), 3);
        QCOMPARE(sheets.size(), 2);
        QVERIFY(sheets[0].contains("Page 1") && sheets[0].contains("Footer"));
        QVERIFY(sheets[0].contains(WholeLine(perPage)));
        QVERIFY(!sheets[0].contains(WholeLine(perPage + 1)));
        QVERIFY(sheets[1].contains("Page 3") && sheets[1].contains("last"));
        QVERIFY(sheets[1].contains(WholeLine(2 * perPage + 1)));
        QVERIFY(!sheets[1].contains(WholeLine(2 * perPage)));
        QVERIFY(!QStringList(sheets).join("").contains("Page 2"));
    }

    // Runs kept together against a break at the foot of the first page (L
    // lines a page, from the face's metrics): a heading kept with its row on the last
    // line, a block of five over the break and a block longer than a page
    // with a heading kept with its row on that line. The first two go to
    // the next page whole; the long block begins where it stands and parts
    // at the page, the heading carried over with its row.
    void runsKeptTogetherBreakBeforeThemselves()
    {
        const int L = LetterPageCapacity().lines;
        QVERIFY(L > 10);
        const auto size = [](int n) { return static_cast<std::size_t>(n); };
        struct Case {
            const char* name;
            int fillers;                  // lines before the runs
            int runLines;                 // the run's lines, "run 1" ...
            std::vector<platform::ReportKeepTogether> keeps;
            QString lastOfPage1, firstOfPage2;
        } cases[] = {
            {"heading at the foot", L - 1, 4, {{size(L - 1), size(L)}}, QString("filler %1").arg(L - 1), "run 1"},
            {"block over the break", L - 2, 5, {{size(L - 2), size(L + 2)}}, QString("filler %1").arg(L - 2), "run 1"},
            {"block longer than a page", 5, L + 10, {{5, size(L + 14)}, {size(L - 1), size(L)}},
             QString("run %1").arg(L - 6), QString("run %1").arg(L - 5)},
            {"nothing kept", L - 2, 5, {}, "run 2", "run 3"},
        };
        for (const Case& c : cases) {
            platform::ReportDocument document;
            AddNumberedLines(document, "filler", c.fillers);
            AddNumberedLines(document, "run", c.runLines);
            document.keepTogether = c.keeps;
            QStringList sheets;
            PaintIntoPdf(document, sheets);
            QVERIFY2(sheets.size() >= 2, c.name);
            const QStringList first = testing_support::SheetBody(sheets[0]);
            const QStringList second = testing_support::SheetBody(sheets[1]);
            QVERIFY2(!first.isEmpty() && !second.isEmpty(), c.name);
            QCOMPARE(first.last(), c.lastOfPage1);
            QCOMPARE(second.first(), c.firstOfPage2);
            // Every line once, in order.
            QStringList all;
            for (const QString& sheet : sheets)
                all += testing_support::SheetBody(sheet);
            QCOMPARE(all.size(), c.fillers + c.runLines);
            QCOMPARE(all.last(), QString("run %1").arg(c.runLines));
        }
    }
};

QTEST_MAIN(TestReportPages)
#include "tst_reportpages.moc"
