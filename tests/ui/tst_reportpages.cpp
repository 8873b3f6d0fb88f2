// The report pager on its own: a document painted into a PDF file and read
// back as text. Every line lands once, in order; a line that no longer fits
// begins the next page under the running header with its page number; a
// line wider than the page goes on in the next line, broken at a blank.
#include "platform/qt/FixedPitchFont.h"
#include "platform/qt/ReportPages.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPageRanges>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The Letter paper the tests print on, into a PDF file.
void SetUpLetterPdf(QPrinter& printer, const QString& pdf)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
}

// What one page holds of the report's 10-point face, from the face's own
// metrics: the lines in the paper's height less 1 inch above and below,
// the characters in its width less 0.5 inch at either side.
struct PageCapacity {
    int lines;
    int characters;
};

PageCapacity MeasuredCapacity()
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpLetterPdf(printer, QDir::temp().filePath("capacity.pdf"));
    const double dpi = printer.resolution();
    const QRectF paper = printer.pageLayout().fullRectPixels(printer.resolution());
    const QFontMetricsF metrics(platform::FixedPitchFont(10), &printer);
    return {static_cast<int>((paper.height() - 2 * dpi + 0.5) / metrics.lineSpacing()),
            static_cast<int>((paper.width() - dpi) / metrics.horizontalAdvance(QLatin1Char('M')))};
}

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

// Paints the document on Letter paper into a PDF file, the pages of ranges
// only when it is given; returns the report's page count and the texts of
// the printed sheets.
int PaintIntoPdf(const platform::ReportDocument& document, QStringList& sheets,
                 const QString& ranges = QString())
{
    platform::ReportPageSetup setup;
    setup.headerText = "Report||Page %d";
    setup.footerText = "Footer";
    QTemporaryDir folder;
    const QString pdf = folder.filePath("pages.pdf");
    QPrinter printer(QPrinter::HighResolution);
    SetUpLetterPdf(printer, pdf);
    if (!ranges.isEmpty()) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setPageRanges(QPageRanges::fromString(ranges));
    }
    const int pages = platform::ReportPager(document, setup).Paint(printer);

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    pdftotext.waitForFinished(30000);
    sheets = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
    return pages;
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
        const PageCapacity capacity = MeasuredCapacity();
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

    // Pages 1 and 3 chosen in the print dialog: two sheets, each with the
    // lines and the page number of its own page.
    void onlyTheChosenPagesArePrinted()
    {
        const int perPage = MeasuredCapacity().lines;
        std::string wide;
        QStringList sheets;
        QCOMPARE(PaintIntoPdf(NumberedLines(perPage, wide), sheets, "1,3"), 3);
        QCOMPARE(sheets.size(), 2);
        QVERIFY(sheets[0].contains("Page 1") && sheets[0].contains("Footer"));
        QVERIFY(sheets[0].contains(WholeLine(perPage)));
        QVERIFY(!sheets[0].contains(WholeLine(perPage + 1)));
        QVERIFY(sheets[1].contains("Page 3") && sheets[1].contains("last"));
        QVERIFY(sheets[1].contains(WholeLine(2 * perPage + 1)));
        QVERIFY(!sheets[1].contains(WholeLine(2 * perPage)));
        QVERIFY(!QStringList(sheets).join("").contains("Page 2"));
    }
};

QTEST_MAIN(TestReportPages)
#include "tst_reportpages.moc"
