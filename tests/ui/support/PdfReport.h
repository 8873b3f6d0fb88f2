#pragma once
// A report printed into a PDF file and read back: the print dialog answered
// with the file, the file's text as pdftotext lays it out, and a document
// painted by the pager alone.
#include "platform/qt/ReportPages.h"

#include <QPageSize>
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

// The document painted by the pager into a PDF file on that paper, under
// the running texts "Report||Page %d" and "Footer", the pages of ranges
// only when it is given; returns the report's page count and the texts of
// the printed sheets.
int PaintIntoPdf(const platform::ReportDocument& document, QStringList& sheets,
                 const QPageSize& paper = QPageSize(QPageSize::Letter), const QString& ranges = QString());

// The lines of a sheet between its running texts (its first and last lines
// with text), blanks simplified, from the first with text to the last.
QStringList SheetBody(const QString& sheet);

// The plain lines of the report's size (10 points) a page of that paper
// holds, as the pager fills it.
int LinesPerPage(const QPageSize& paper = QPageSize(QPageSize::Letter));

} // namespace testing_support
