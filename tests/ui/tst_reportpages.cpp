// The report pager on its own: a document painted into a PDF file and read
// back as text. Every line lands once, in order; a line that no longer fits
// begins the next page under the running header with its page number; a
// line wider than the page goes on in the next line, broken at a blank.
#include "platform/qt/ReportPages.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestReportPages : public QObject {
    Q_OBJECT

private slots:
    void linesFlowOverPagesInOrder()
    {
        platform::ReportDocument document;
        for (int k = 1; k <= 150; ++k)
            document.lines.push_back({"line " + std::to_string(k)});
        std::string wide = "wide";
        for (int k = 0; k < 30; ++k)
            wide += " word" + std::to_string(k);
        document.lines.push_back({wide});
        document.lines.push_back({"last"});

        platform::ReportPageSetup setup;
        setup.headerText = "Report||Page %d";
        setup.footerText = "Footer";
        QTemporaryDir folder;
        const QString pdf = folder.filePath("pages.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        const int pages = platform::ReportPager(document, setup).Paint(printer);
        // 11 inches less 2 inches of margins for 152 lines of about 11.7
        // points: 55 lines a page, three pages.
        QCOMPARE(pages, 3);

        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const QStringList pageTexts = text.split('\f', Qt::SkipEmptyParts);
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
};

QTEST_MAIN(TestReportPages)
#include "tst_reportpages.moc"
