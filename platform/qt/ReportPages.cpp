#include "platform/qt/ReportPages.h"

#include "platform/qt/DialogLook.h"
#include "platform/qt/FileContents.h"
#include "platform/qt/FixedPitchFont.h"
#include "platform/qt/ReportPagination.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QDir>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace platform {
namespace {

constexpr double kSideMargin = 0.5;   // inches (720 twips)
constexpr double kTopMargin = 1.0;
constexpr double kBottomMargin = 1.0;
constexpr double kRunningTextInset = 0.5;  // header and footer from the paper's edge
constexpr int kRunningTextSize = 8;
constexpr double kPicturePixelsPerInch = 96.0;

QFont ReportFont(int pointSize, bool bold = false, bool italic = false, bool underline = false)
{
    QFont font = FixedPitchFont(pointSize > 0 ? pointSize : 10);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

// A piece of a report line as the pager places it: its text, face, colour
// and the height it takes (device pixels).
struct Piece {
    QString text;
    QFont font;
    QColor color;
    double ascent = 0.0;
    double height = 0.0;
};

// Where the pages of a paper put their texts (device pixels at dpi).
struct PageGeometry {
    PageGeometry(const QPageLayout& layout, double dotsPerInch)
        : dpi(dotsPerInch),
          paper(layout.fullRectPixels(static_cast<int>(dotsPerInch))),
          body(paper.left() + kSideMargin * dpi, paper.top() + kTopMargin * dpi,
               paper.width() - 2 * kSideMargin * dpi, paper.height() - (kTopMargin + kBottomMargin) * dpi)
    {
    }
    const double dpi;
    const QRectF paper;
    const QRectF body;
};

// The share of its own size the report's face takes on a page: 1 where the
// report's columns fit the body's width in the largest face of the report,
// less where they do not, so that they just fit.
double FaceScale(const ReportDocument& document, QPaintDevice& device, double bodyWidth)
{
    int largest = 0;
    for (const ReportLine& line : document.lines)
        largest = std::max<int>(largest, line.fontSize);
    const double advance = QFontMetricsF(ReportFont(largest), &device).horizontalAdvance(QLatin1Char('M'));
    const double width = advance * std::max(document.columns, 1);
    // A hair below the exact fit, so that rounding never loses a column.
    constexpr double kFitMargin = 0.999;
    return width > bodyWidth ? bodyWidth / width * kFitMargin : 1.0;
}

// The document laid out on the pages of a device: every line in the face
// scaled to the paper, broken at the report's width.
class PageLayout {
public:
    PageLayout(const ReportDocument& document, QPaintDevice& device, const QRectF& body)
        : scale_(FaceScale(document, device, body.width()))
    {
        std::vector<std::size_t> firstPieceOfLine;
        for (const ReportLine& line : document.lines) {
            firstPieceOfLine.push_back(pieces_.size());
            QFont font = ReportFont(line.fontSize, line.bold, line.italic, line.underline);
            font.setPointSizeF(font.pointSizeF() * scale_);
            const QFontMetricsF metrics(font, &device);
            for (const QString& text : BreakAtIndent(QString::fromStdString(line.text), document.columns))
                pieces_.push_back({text, font, ColorFromRgbLong(line.color), metrics.ascent(), metrics.lineSpacing()});
        }
        firstPieceOfLine.push_back(pieces_.size());
        std::vector<KeptLines> runs;
        for (const ReportKeepTogether& keep : document.keepTogether) {
            if (keep.first >= keep.last || keep.last >= document.lines.size())
                continue;
            runs.push_back({firstPieceOfLine[keep.first], firstPieceOfLine[keep.last + 1] - 1});
        }
        std::vector<double> heights;
        for (const Piece& piece : pieces_)
            heights.push_back(piece.height);
        starts_ = PageStarts(heights, runs, body.height());
        if (starts_.empty())
            starts_.push_back(0);  // an empty report is one empty page
    }

    int PageCount() const { return static_cast<int>(starts_.size()); }
    // The share of its own size the face takes; the first page's picture
    // takes the same.
    double Scale() const { return scale_; }

    // The pieces of the page (1-based), in order.
    std::pair<std::size_t, std::size_t> PiecesOfPage(int page) const
    {
        const auto index = static_cast<std::size_t>(page - 1);
        return {starts_[index], index + 1 < starts_.size() ? starts_[index + 1] : pieces_.size()};
    }
    const Piece& At(std::size_t k) const { return pieces_[k]; }

private:
    double scale_;
    std::vector<Piece> pieces_;
    std::vector<std::size_t> starts_;
};

// Paints laid-out pages, each on a sheet of its own under its running
// texts; the first page carries the picture.
class PagePainter {
public:
    PagePainter(QPagedPaintDevice& device, const ReportPageSetup& setup, const PageGeometry& geometry)
        : device_(device), setup_(setup), geometry_(geometry)
    {
    }

    // False when the device cannot be painted on.
    bool Begin()
    {
        if (!painter_.begin(&device_))
            return false;
        // A painter hands a pen, brush or font on to the device's engine only
        // when it differs from the one the painter holds, and a new painter
        // holds the defaults (a black pen). A printer's engine outlives its
        // jobs and keeps what the last job left (the red of its closing
        // notice): each job hands its whole state on before it paints.
        painter_.paintEngine()->setDirty(QPaintEngine::AllDirty);
        return true;
    }
    bool End() { return painter_.end(); }

    bool PaintPage(const PageLayout& layout, int page)
    {
        if (sheetUsed_ && !device_.newPage())
            return false;
        sheetUsed_ = true;
        PaintRunningTexts(page);
        if (page == 1)
            PaintPicture(layout.Scale());
        double y = geometry_.body.top();
        const auto [first, end] = layout.PiecesOfPage(page);
        for (std::size_t k = first; k < end; ++k) {
            const Piece& piece = layout.At(k);
            painter_.setFont(piece.font);
            painter_.setPen(piece.color);
            painter_.drawText(QPointF(geometry_.body.left(), y + piece.ascent), piece.text);
            y += piece.height;
        }
        return true;
    }

private:
    void PaintRunningTexts(int page)
    {
        painter_.save();
        painter_.setFont(ReportFont(kRunningTextSize));
        painter_.setPen(Qt::black);
        const double inset = kRunningTextInset * geometry_.dpi;
        const double lineHeight = QFontMetricsF(painter_.font(), &device_).lineSpacing();
        PaintRunningText(setup_.headerText, page, geometry_.paper.top() + inset, lineHeight);
        PaintRunningText(setup_.footerText, page, geometry_.paper.bottom() - inset - lineHeight, lineHeight);
        painter_.restore();
    }

    void PaintRunningText(const QString& text, int page, double top, double height)
    {
        const QStringList parts = QString(text).replace("%d", QString::number(page)).split('|');
        const QRectF band(geometry_.body.left(), top, geometry_.body.width(), height);
        const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        for (int k = 0; k < parts.size() && k < 3; ++k)
            painter_.drawText(band, alignments[k] | Qt::AlignVCenter, parts[k]);
    }

    // In its own size, or as much smaller as the report's face is.
    void PaintPicture(double scale)
    {
        if (setup_.firstPagePicture.isNull())
            return;
        const QSizeF size = QSizeF(setup_.firstPagePicture.size()) * (scale * geometry_.dpi / kPicturePixelsPerInch);
        painter_.save();
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(QRectF(geometry_.body.topLeft(), size), setup_.firstPagePicture);
        painter_.restore();
    }

    QPagedPaintDevice& device_;
    const ReportPageSetup& setup_;
    const PageGeometry& geometry_;
    QPainter painter_;
    bool sheetUsed_ = false;
};

// Whether opening the name for writing, as the print dialog's own check of
// its file field does, would harm what the name stands for: through a
// symbolic link to a file not there yet the check creates that file and
// then removes the link, not the file; on something that is neither a file
// nor a folder (a pipe) it waits for a reader without end.
bool HarmedByOpening(const QString& name)
{
    const QFileInfo named(name);
    if (named.isSymLink() && !named.exists())
        return true;
    return named.exists() && !named.isFile() && !named.isDir();
}

// Qt's print dialog with its Pages field ("2-3, 5") open also for a PDF
// file, and the PDF file named judged by the report before the dialog's
// own check of it. Qt hands the Pages field to the print server and keeps
// it closed for a PDF file, where there is none; the report chooses its
// pages itself (ReportPager), so for a PDF file the field's pages become
// the range chosen on the printer, once they name a page of the report on
// the paper chosen.
class ReportPrintDialog : public QPrintDialog {
public:
    ReportPrintDialog(QPrinter& printer, QWidget* parent, const PrintChecks& checks)
        : QPrintDialog(&printer, parent),
          printer_(printer),
          checks_(checks),
          pagesChoice_(findChild<QRadioButton*>("pagesRadioButton")),
          pagesText_(findChild<QLineEdit*>("pagesLineEdit")),
          allChoice_(findChild<QRadioButton*>("printAll")),
          fileName_(findChild<QLineEdit*>("filename")),
          buttons_(findChild<QDialogButtonBox*>())
    {
        if (pagesChoice_ && pagesText_ && allChoice_)
            pagesChoice_->installEventFilter(this);
        // The button box tells of a click before it asks the dialog to
        // accept: the file is judged first.
        if (fileName_ && buttons_)
            connect(buttons_, &QDialogButtonBox::clicked, this, &ReportPrintDialog::JudgeFile);
    }

    void accept() override
    {
        pdfPages_ = QPageRanges();
        if (!pagesChoice_ || !pagesText_ || !allChoice_ || !pagesChoice_->isChecked() ||
            printer_.outputFormat() != QPrinter::PdfFormat) {
            QPrintDialog::accept();
            return;
        }
        pdfPages_ = QPageRanges::fromString(pagesText_->text().simplified().remove(' '));
        if (pdfPages_.isEmpty()) {
            // The field keeps what was typed, to be mended.
            TellInvalidPages();
            return;
        }
        // Qt's own handling of the field is the print server's: it is given
        // all pages, and the range follows once the paper is set up.
        allChoice_->setChecked(true);
        QPrintDialog::accept();
    }

    // The pages chosen, typed into the Pages field for a PDF file or set in
    // the dialog's "from" and "to" boxes, must name a page of the report.
    void done(int result) override
    {
        if (result == QDialog::Accepted) {
            const QPageRanges chosen = !pdfPages_.isEmpty()                          ? pdfPages_
                                       : printer_.printRange() == QPrinter::PageRange ? printer_.pageRanges()
                                                                                      : QPageRanges();
            const int pages = chosen.isEmpty() || !checks_.reportPages ? 0 : checks_.reportPages(printer_);
            if (pages > 0 && chosen.firstPage() > pages) {
                if (!pdfPages_.isEmpty())
                    pagesChoice_->setChecked(true);
                pdfPages_ = QPageRanges();
                TellInvalidPages();
                return;
            }
            if (!pdfPages_.isEmpty()) {
                printer_.setPrintRange(QPrinter::PageRange);
                printer_.setPageRanges(pdfPages_);
            }
        }
        QPrintDialog::done(result);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The dialog closes the field whenever a PDF file is chosen: open it
        // again once the dialog is done with it.
        if (watched == pagesChoice_ && event->type() == QEvent::EnabledChange && !pagesChoice_->isEnabled())
            QMetaObject::invokeMethod(pagesChoice_, [choice = pagesChoice_] { choice->setEnabled(true); },
                                      Qt::QueuedConnection);
        return QPrintDialog::eventFilter(watched, event);
    }

private:
    // On a click of Print with the file field in use the report judges the
    // file before the dialog's own check of it, which opens the name for
    // writing. A file the report may not go into is told, and the dialog
    // stays open; a name that opening would harm is taken without that
    // check. For either the button box's accepted(), which it sends after
    // clicked() and which starts the check, is held back for this click.
    // The print judges the file again and follows a link to the file it
    // names.
    void JudgeFile(QAbstractButton* button)
    {
        if (buttons_->buttonRole(button) != QDialogButtonBox::AcceptRole || !fileName_->isEnabled())
            return;
        const QString typed = fileName_->text();
        // A relative name is printed into from the home folder.
        const QString printed = QDir::isRelativePath(typed) ? QDir::home().filePath(typed) : typed;
        const bool refused = checks_.fileTakesReport && !checks_.fileTakesReport(printed);
        if (!refused && !HarmedByOpening(typed))
            return;
        buttons_->blockSignals(true);
        QMetaObject::invokeMethod(
            buttons_, [box = buttons_] { box->blockSignals(false); }, Qt::QueuedConnection);
        if (!refused)
            accept();
    }

    void TellInvalidPages() const
    {
        if (checks_.tellInvalidPages)
            checks_.tellInvalidPages();
    }

    QPrinter& printer_;
    const PrintChecks& checks_;
    QRadioButton* pagesChoice_;
    QLineEdit* pagesText_;
    QRadioButton* allChoice_;
    QLineEdit* fileName_;
    QDialogButtonBox* buttons_;
    // The pages typed for a PDF file, while the dialog accepts them.
    QPageRanges pdfPages_;
};

class QtReportPrinting : public ReportPrinting {
public:
    QString PrinterDeviceName() const override
    {
        QString name = QPrinterInfo::defaultPrinterName();
        const QStringList installed = QPrinterInfo::availablePrinterNames();
        if (name.isEmpty() && !installed.isEmpty())
            name = installed.first();
        // Qt prints into a PDF file on every platform.
        return name.isEmpty() ? QStringLiteral("PDF") : name;
    }
    bool ConfirmPrint(QPrinter& printer, QWidget* parent, const PrintChecks& checks) override
    {
        ReportPrintDialog dialog(printer, parent, checks);
        return dialog.exec() == QDialog::Accepted;
    }
};

QtReportPrinting gQtPrinting;
ReportPrinting* gInstalledPrinting = nullptr;

} // namespace

ReportPager::ReportPager(const ReportDocument& document, const ReportPageSetup& setup)
    : document_(document), setup_(setup)
{
}

int ReportPager::PageCount(QPrinter& printer) const
{
    const PageGeometry geometry(printer.pageLayout(), printer.resolution());
    return PageLayout(document_, printer, geometry.body).PageCount();
}

int ReportPager::Paint(QPrinter& printer, ReportPageChoice pages) const
{
    printer.setFullPage(true);
    const QPageRanges chosen = pages == ReportPageChoice::ChosenOnPrinter && printer.printRange() == QPrinter::PageRange
                                   ? printer.pageRanges()
                                   : QPageRanges();
    return Paint(printer, printer.resolution(), chosen);
}

int ReportPager::Paint(QPagedPaintDevice& device, int dpi, const QPageRanges& chosen) const
{
    const PageGeometry geometry(device.pageLayout(), dpi);
    const PageLayout layout(document_, device, geometry.body);
    PagePainter painter(device, setup_, geometry);
    if (!painter.Begin())
        return 0;
    for (int page = 1; page <= layout.PageCount(); ++page)
        if ((chosen.isEmpty() || chosen.contains(page)) && !painter.PaintPage(layout, page))
            return 0;
    return painter.End() ? layout.PageCount() : 0;
}

void InstallReportPrinting(ReportPrinting* printing)
{
    gInstalledPrinting = printing;
}

ReportPrinting& CurrentReportPrinting()
{
    return gInstalledPrinting ? *gInstalledPrinting : gQtPrinting;
}

ReportPreview::ReportPreview(QWidget* parent)
    : ReportPreview(std::make_unique<QPrinter>(QPrinter::HighResolution), parent)
{
}

// The widget only paints through the printer; it never deletes it.
ReportPreview::ReportPreview(std::unique_ptr<QPrinter> printer, QWidget* parent)
    : QPrintPreviewWidget(printer.get(), parent), printer_(std::move(printer))
{
    connect(this, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { ReportPager(document_, setup_).Paint(*printer, ReportPageChoice::All); });
    // Scrolling, zooming and new pages tell of themselves; setting the page
    // does not (SetPage).
    connect(this, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::ShownChanged);
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::ShowDocument(const ReportDocument& document)
{
    document_ = document;
    updatePreview();
    // The view keeps its place in the new pages (the middle of the first
    // after a zoom): it opens at the top left of page 1, its header in view.
    if (auto* view = findChild<QGraphicsView*>()) {
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->minimum());
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->minimum());
    }
    SetPage(1);
}

int ReportPreview::ZoomPercent() const
{
    return static_cast<int>(std::lround(zoomFactor() * 100.0));
}

void ReportPreview::SetZoomPercent(int percent)
{
    setZoomFactor(percent / 100.0);
}

void ReportPreview::OfferPrint(const QString& pdfFile)
{
    printer_->setPrintRange(QPrinter::AllPages);
    printer_->setPageRanges(QPageRanges());
    printer_->setDocName(QFileInfo(pdfFile).completeBaseName());
    // A printer device chosen before stays chosen.
    if (printer_->outputFormat() == QPrinter::PdfFormat || printer_->printerName().isEmpty())
        printer_->setOutputFileName(pdfFile);
}

void ReportPreview::SetBackColor(const QColor& color)
{
    if (auto* view = findChild<QGraphicsView*>())
        view->setBackgroundBrush(color);
}

void ReportPreview::SetPage(int page)
{
    setCurrentPage(page);
    emit ShownChanged();
}

bool ReportPreview::PrintDocument(QPrinter& printer, QString& reason) const
{
    const ReportPager pager(document_, setup_);
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return pager.Paint(printer) > 0;
    // The whole print first, then the file: a print that fails to be
    // painted leaves the file as it was.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(printer.resolution());
        QPageLayout paper = printer.pageLayout();
        paper.setMode(QPageLayout::FullPageMode);
        pdf.setPageLayout(paper);
        pdf.setTitle(printer.docName());
        pdf.setCreator(printer.creator());
        const QPageRanges chosen = printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
        painted = pager.Paint(pdf, printer.resolution(), chosen) > 0;
    }
    if (!painted) {
        reason = QStringLiteral("the report could not be painted");
        return false;
    }
    return ReplaceFileContents(printer.outputFileName(), bytes, reason);
}

} // namespace platform
