#pragma once
// A report printed into a PDF file and read back: the print dialog answered
// with the file, the file's text as pdftotext lays it out, and a document
// painted by the pager alone.
#include "platform/qt/ReportPages.h"

#include <QImage>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace testing_support {

// The report printer as a user's print dialog would set it: a PDF file.
// Installed for the object's lifetime.
class PdfPrinting : public platform::ReportPrinting {
public:
    explicit PdfPrinting(QString file);
    ~PdfPrinting() override;
    QString PrinterDeviceName() const override { return "PDF"; }
    bool ConfirmPrint(QPrinter& printer, QWidget* parent, const platform::PrintChecks& checks) override;

private:
    QString file_;
};

// The text of a PDF file, columns kept and one form feed after each page;
// empty when pdftotext did not finish.
QString PdfText(const QString& file);

// A page (1-based) of a PDF file rendered at that resolution; a null image
// when pdftoppm did not finish.
QImage PdfPageImage(const QString& file, int page, int dpi = 72);

// The pixels of an image that carry ink: dark (near black) and red ones.
struct InkCount {
    int dark = 0;
    int red = 0;
};
InkCount CountInk(const QImage& image);

// The document painted by the pager into a PDF file on that paper, under
// the running texts "Report||Page %d" and "Footer", the pages of ranges
// only when it is given; returns the report's page count and the texts of
// the printed sheets.
int PaintIntoPdf(const platform::ReportDocument& document, QStringList& sheets,
                 const QPageSize& paper = QPageSize(QPageSize::Letter), const QString& ranges = QString());

// The lines of a sheet between its running texts (its first and last lines
// with text), blanks simplified, from the first with text to the last.
QStringList SheetBody(const QString& sheet);

// What one Letter page holds of the report's 10-point face, from the
// face's own metrics: the lines in the paper's height less 1 inch above and
// below, the characters in its width less 0.5 inch at either side.
struct PageCapacity {
    int lines;
    int characters;
};
PageCapacity LetterPageCapacity();

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
// Checks (QVERIFY) that the row of that label after line `from` shows the
// hand value at the precision printed, in that unit ("" for none).
void ExpectPrintedValue(const QStringList& lines, const QString& label, int from, double hand, const QString& unit);

// Prints the report of an axis into that PDF file with the report window's
// Print button, as a user does, and gives the file's lines; empty when the
// button is not there to click.
QStringList PrintedReportLines(int16_t axis, const QString& pdf);

} // namespace testing_support
