#include "tests/ui/support/PdfReport.h"

#include <QPrinter>
#include <QProcess>

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

} // namespace testing_support
