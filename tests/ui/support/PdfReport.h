#pragma once
// A report printed into a PDF file and read back: the print dialog answered
// with the file, and the file's text as pdftotext lays it out.
#include "platform/qt/ReportPages.h"

#include <QString>
#include <QStringList>

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

// A value row of the printed report: the line without its leading and
// trailing blanks, the number's text and the unit text after it.
struct PrintedRow {
    QString line;
    QString number;
    QString unit;
};
// The first line from line `from` on that starts with the text (leading
// blanks aside); -1 when none.
int PrintedLineOf(const QStringList& lines, const QString& text, int from = 0);
// The first row of that label from line `from` on; empty when none.
PrintedRow PrintedRowOf(const QStringList& lines, const QString& label, int from = 0);
// Half a unit of the last decimal the report prints for a value of that size.
double PrintedHalfStep(double value);

} // namespace testing_support
