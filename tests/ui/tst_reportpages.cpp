// The report pager on its own: a document painted into a PDF file and read
// back as text. Every line lands once, in order; a line that no longer fits
// begins the next page under the running header with its page number; a
// line wider than the page goes on in the next line, broken at a blank.
#include "platform/qt/ReportPages.h"

#include <QPrinter>
#include <QPageRanges>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// 150 numbered lines, one line too wide for the page and a last line.
platform::ReportDocument NumberedLines(std::string& wide)
{
    platform::ReportDocument document;
    for (int k = 1; k <= 150; ++k)
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
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
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

} // namespace

class TestReportPages : public QObject {
    Q_OBJECT

private slots:
    void linesFlowOverPagesInOrder()
    {
        std::string wide;
        const platform::ReportDocument document = NumberedLines(wide);
        QStringList pageTexts;
        const int pages = PaintIntoPdf(document, pageTexts);
        // 11 inches less 2 inches of margins for 152 lines of about 11.7
        // points: 55 lines a page, three pages.
        QCOMPARE(pages, 3);
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
        }
        QCOMPARE(expected, 151);
        // The wide line in two lines, no word lost or cut.
        const QString last = pageTexts[2];
        const qsizetype start = last.indexOf("wide word0");
        QVERIFY(start >= 0);
        const QString rest = last.mid(start, last.indexOf("last") - start).simplified();
        QCOMPARE(rest, QString::fromStdString(wide));
        QVERIFY(last.mid(start, last.indexOf("last") - start).trimmed().contains('\n'));
    }

    // Pages 1 and 3 chosen in the print dialog: two sheets, each with the
    // lines and the page number of its own page (55 lines a page).
    void onlyTheChosenPagesArePrinted()
    {
        std::string wide;
        QStringList sheets;
        QCOMPARE(PaintIntoPdf(NumberedLines(wide), sheets, "1,3"), 3);
        QCOMPARE(sheets.size(), 2);
        QVERIFY(sheets[0].contains("Page 1") && sheets[0].contains("Footer"));
        QVERIFY(sheets[0].contains(QRegularExpression("\\bline 55\\b")));
        QVERIFY(!sheets[0].contains("line 56"));
        QVERIFY(sheets[1].contains("Page 3") && sheets[1].contains("last"));
        QVERIFY(!sheets[1].contains(QRegularExpression("\\bline 110\\b")));
        QVERIFY(!QStringList(sheets).join("").contains("Page 2"));
    }
};

QTEST_MAIN(TestReportPages)
#include "tst_reportpages.moc"
