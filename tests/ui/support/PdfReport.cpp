#include "tests/ui/support/PdfReport.h"

#include "platform/qt/FixedPitchFont.h"
#include "report/frmReport.h"
#include "shell/basWindowSlots.h"
#include "tests/ui/support/ProgramRun.h"

#include <QFontMetricsF>
#include <QPageRanges>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
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

bool PdfPrinting::ConfirmPrint(QPrinter& printer, QWidget*, const platform::PrintChecks&)
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

QImage PdfPageImage(const QString& file, int page, int dpi)
{
    QTemporaryDir folder;
    const QString prefix = folder.filePath("page");
    QProcess pdftoppm;
    pdftoppm.start("pdftoppm", {"-png", "-singlefile", "-r", QString::number(dpi), "-f", QString::number(page), "-l",
                                QString::number(page), file, prefix});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0)
        return QImage();
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

InkCount CountInk(const QImage& image)
{
    InkCount count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() < 110 && pixel.green() < 110 && pixel.blue() < 110)
                ++count.dark;
            else if (pixel.red() > 160 && pixel.green() < 110 && pixel.blue() < 110)
                ++count.red;
        }
    return count;
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

PageCapacity LetterPageCapacity()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    const double dpi = printer.resolution();
    const QRectF paper = printer.pageLayout().fullRectPixels(printer.resolution());
    const QFontMetricsF metrics(platform::FixedPitchFont(10), &printer);
    return {static_cast<int>((paper.height() - 2 * dpi + 0.5) / metrics.lineSpacing()),
            static_cast<int>((paper.width() - dpi) / metrics.horizontalAdvance(QLatin1Char('M')))};
}

int PrintedLineOf(const QStringList& lines, const QString& text, int from)
{
    for (int k = std::max(from, 0); k < lines.size(); ++k)
        if (lines[k].trimmed().startsWith(text))
            return k;
    return -1;
}

PrintedRow PrintedRowOf(const QStringList& lines, const QString& label, int from)
{
    const int k = PrintedLineOf(lines, label, from);
    if (k < 0)
        return {};
    const QString trimmed = lines[k].trimmed();
    const QStringList parts = trimmed.mid(label.size()).split(' ', Qt::SkipEmptyParts);
    return {trimmed, parts.value(0), parts.value(1)};
}

double PrintedHalfStep(double value)
{
    const double magnitude = std::fabs(value);
    const int decimals = magnitude < 1       ? 6
                         : magnitude < 10    ? 4
                         : magnitude < 100   ? 3
                         : magnitude < 10000 ? 2
                                             : 1;
    return 0.5 * std::pow(10.0, -decimals);
}

void ExpectPrintedValue(const QStringList& lines, const QString& label, int from, double hand, const QString& unit)
{
    const PrintedRow row = PrintedRowOf(lines, label, from);
    const QByteArray where = (label + " after line " + QString::number(from) + ": " + row.line).toUtf8();
    bool isNumber = false;
    const double value = row.number.toDouble(&isNumber);
    QVERIFY2(isNumber, where.constData());
    QVERIFY2(std::fabs(value - hand) <= PrintedHalfStep(hand) * 1.001, where.constData());
    QVERIFY2(row.unit == unit, where.constData());
}

QStringList PrintedReportLines(int16_t axis, const QString& pdf)
{
    PdfPrinting printing(pdf);
    frmReport* report = ReportWindow(axis);
    report->BringToFront();
    if (!ClickToolButton(report, "vseToolPrint"))
        return {};
    return PdfText(pdf).split('\n');
}

} // namespace testing_support
