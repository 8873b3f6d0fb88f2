#pragma once
// A report printed into a PDF file and read back: the print dialog answered
// with the file, and the file's text as pdftotext lays it out.
#include "platform/qt/ReportPages.h"

#include <QString>

namespace testing_support {

// The report printer as a user's print dialog would set it: a PDF file.
// Installed for the object's lifetime.
class PdfPrinting : public platform::ReportPrinting {
public:
    explicit PdfPrinting(QString file);
    ~PdfPrinting() override;
    QString PrinterDeviceName() const override { return "PDF"; }
    bool ConfirmPrint(QPrinter& printer, QWidget* parent) override;

private:
    QString file_;
};

// The text of a PDF file, columns kept and one form feed after each page;
// empty when pdftotext did not finish.
QString PdfText(const QString& file);

} // namespace testing_support
