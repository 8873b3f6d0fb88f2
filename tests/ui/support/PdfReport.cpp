#include "tests/ui/support/PdfReport.h"

#include <QPrinter>
#include <QProcess>

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

} // namespace testing_support
