#pragma once
#include "platform/qt/ReportDocument.h"

#include <QImage>
#include <QPrintPreviewWidget>
#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPageRanges;
class QPrinter;

namespace platform {

// How the pages of a report look around its lines: the running header and
// footer ("left|centre|right", "%d" the page number) and the picture drawn
// at the top-left corner of the first page's text area, in its own size
// (pixels at 96 per inch).
struct ReportPageSetup {
    QString headerText;
    QString footerText;
    QImage firstPagePicture;
};

// Which pages ReportPager::Paint puts onto the printer.
enum class ReportPageChoice {
    All,              // every page of the report (the preview)
    ChosenOnPrinter,  // those of the page range chosen on the printer, all without one
};

// The one paginator of the report: lays the lines out in the program's
// fixed-pitch face (FixedPitchFont) on the printer's pages, between margins
// of 0.5 inch at the sides and 1 inch above and below, and paints them. The
// report's columns fit the printable width of every paper: where they would
// not in the face's own size, the face and the first page's picture are
// made smaller alike. A line longer than the report's width goes on in the
// next line at its indent, broken at a blank. The pages break where
// PageStarts puts them, so a heading never ends a page without what
// follows it and a block that fits on a page is never split. The preview
// and the printer both paint through it, so they show the same pages.
class ReportPager {
public:
    ReportPager(const ReportDocument& document, const ReportPageSetup& setup);

    // The number of pages of the report on the printer's paper.
    int PageCount(QPrinter& printer) const;
    // Paints the pages onto the printer; returns the number of pages of the
    // whole report, 0 when the printer could not be painted on (nothing
    // printed).
    int Paint(QPrinter& printer, ReportPageChoice pages = ReportPageChoice::ChosenOnPrinter) const;
    // The same on a paged device in full-page mode at dpi, the pages of
    // chosen only (all when it is empty).
    int Paint(QPagedPaintDevice& device, int dpi, const QPageRanges& chosen) const;

private:
    const ReportDocument& document_;
    const ReportPageSetup& setup_;
};

// What the report asks of the choices made in the print dialog before the
// dialog closes on them.
struct PrintChecks {
    // The number of pages the report takes on the printer as the dialog has
    // set it up; 0 when it is not known (the pages chosen are not judged).
    std::function<int(QPrinter& printer)> reportPages;
    // Tells that the pages chosen name no page of the report.
    std::function<void()> tellInvalidPages;
    // True when the report may be printed into the PDF file; otherwise tells
    // why not and gives false.
    std::function<bool(const QString& pdfFile)> fileTakesReport;
};

// The printer side of the report: which printer device is installed and
// the print dialog. The Qt implementation is installed by default; tests
// install their own.
class ReportPrinting {
public:
    virtual ~ReportPrinting() = default;
    // The name of the printer device, "" when there is none. Qt's printing
    // into a PDF file counts as a device.
    virtual QString PrinterDeviceName() const = 0;
    // Lets the user confirm printing and choose the printer (or a PDF file)
    // into printer; false when cancelled. Pages that name no page of the
    // report (typed for a PDF file, or set in the dialog's "from" and "to"
    // boxes), and a PDF file that may not take it, are told through checks,
    // and the dialog stays open with them as chosen.
    virtual bool ConfirmPrint(QPrinter& printer, QWidget* parent, const PrintChecks& checks) = 0;
};

// Installs the printer side (nullptr restores Qt's); the caller keeps it.
void InstallReportPrinting(ReportPrinting* printing);
ReportPrinting& CurrentReportPrinting();

// The report's print preview: the pages of the document shown, with zoom
// in percent of the real size and the page shown (1-based). ShownChanged
// tells of every change of the page shown, however it is made (the wheel,
// the scroll bar, SetPage, a zoom, a new document).
class ReportPreview : public QPrintPreviewWidget {
    Q_OBJECT
public:
    explicit ReportPreview(QWidget* parent = nullptr);
    ~ReportPreview() override;

    void SetPageSetup(const ReportPageSetup& setup) { setup_ = setup; }
    // Replaces the document and shows its first page from its top.
    void ShowDocument(const ReportDocument& document);
    const ReportDocument& Document() const { return document_; }
    // The number of pages a document takes on the printer's paper.
    int PagesOn(QPrinter& printer, const ReportDocument& document) const
    {
        return ReportPager(document, setup_).PageCount(printer);
    }

    // Readies the preview's printer for the print dialog: every page chosen
    // and the job named after the PDF file; that file offered where the
    // printer prints into a file (a printer device chosen before stays, as
    // does the paper).
    void OfferPrint(const QString& pdfFile);

    // The colour around the pages (the pages stay white, as paper is).
    void SetBackColor(const QColor& color);

    int ZoomPercent() const;
    void SetZoomPercent(int percent);
    int Page() const { return currentPage(); }
    void SetPage(int page);
    int PageCount() const { return pageCount(); }

    // Prints the document shown on the printer, the pages of the range
    // chosen on it only; a PDF file's contents are replaced as
    // ReplaceFileContents does. False, with the reason where one is known,
    // when the printer could not be painted on or the PDF file not written
    // completely: nothing is printed, and a PDF file of that name is left
    // as it was (none where there was none), except one written into
    // itself.
    bool PrintDocument(QPrinter& printer, QString& reason) const;

    // The printer whose pages the preview shows and on which the report is
    // printed: the print dialog sets its paper, so the pages shown and the
    // pages a page range counts are the same (high resolution).
    QPrinter& PreviewPrinter() { return *printer_; }

signals:
    void ShownChanged();

private:
    ReportPreview(std::unique_ptr<QPrinter> printer, QWidget* parent);

    std::unique_ptr<QPrinter> printer_;
    ReportDocument document_;
    ReportPageSetup setup_;
};

} // namespace platform
