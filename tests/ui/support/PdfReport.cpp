#include "tests/ui/support/PdfReport.h"

#include <QPageRanges>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <utility>

namespace testing_support {

PdfPrinting::PdfPrinting(QString file) : file_(std::move(file))
{
    platform::InstallReportPrinting(this);
}

PdfPrinting::~PdfPrinting()
{
    platform::InstallReportPrinting(nullptr);
}

bool PdfPrinting::ConfirmPrint(QPrinter& printer, QWidget*)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file_);
    return true;
}

QString PdfText(const QString& file)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", file, "-"});
    if (!pdftotext.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

int PaintIntoPdf(const platform::ReportDocument& document, QStringList& sheets, const QPageSize& paper,
                 const QString& ranges)
{
    platform::ReportPageSetup setup;
    setup.headerText = "Report||Page %d";
    setup.footerText = "Footer";
    QTemporaryDir folder;
    const QString pdf = folder.filePath("pages.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(paper);
    if (!ranges.isEmpty()) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setPageRanges(QPageRanges::fromString(ranges));
    }
    const int pages = platform::ReportPager(document, setup).Paint(printer);
    sheets = PdfText(pdf).split('\f', Qt::SkipEmptyParts);
    return pages;
}

QStringList SheetBody(const QString& sheet)
{
    QStringList lines;
    for (const QString& line : sheet.split('\n'))
        lines << line.simplified();
    auto trimEmptyEnds = [&lines] {
        while (!lines.isEmpty() && lines.first().isEmpty())
            lines.removeFirst();
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
    };
    // The running texts are the first and the last lines with text.
    trimEmptyEnds();
    if (lines.size() < 2)
        return {};
    lines.removeFirst();
    lines.removeLast();
    trimEmptyEnds();
    return lines;
}

int LinesPerPage(const QPageSize& paper)
{
    platform::ReportDocument document;
    for (int k = 1; k <= 400; ++k)
        document.lines.push_back({"line " + std::to_string(k)});
    QStringList sheets;
    PaintIntoPdf(document, sheets, paper);
    return sheets.size() < 2 ? 0 : static_cast<int>(SheetBody(sheets[0]).size());
}

} // namespace testing_support
