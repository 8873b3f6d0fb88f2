#include "platform/qt/ReportPages.h"

#include "platform/qt/FixedPitchFont.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageRanges>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

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

QColor ReportColor(int32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// The pieces of a line that fit into maxChars characters each, broken at
// the last blank that fits (or cut where none does).
QStringList BreakToWidth(const QString& text, int maxChars)
{
    QStringList pieces;
    QString rest = text;
    while (maxChars > 0 && rest.size() > maxChars) {
        const int blank = rest.lastIndexOf(' ', maxChars);
        const int cut = blank > 0 ? blank : maxChars;
        pieces << rest.left(cut);
        rest = rest.mid(blank > 0 ? cut + 1 : cut);
    }
    pieces << rest;
    return pieces;
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

// Pieces first to last kept on one page when they fit on one, and the
// height they take.
struct KeptRun {
    std::size_t first = 0;
    std::size_t last = 0;
    double height = 0.0;
};

// A position measured against the page's height passes for fitting within
// half a device pixel.
constexpr double kFitTolerance = 0.5;

// The first piece of each page. A page takes the pieces that fit; when the
// next piece does not fit, the break goes back to the latest place that
// parts the fewest lines kept together: a break inside a run costs the
// height of the largest run it parts that fits on a page (runs longer than
// a page part where they must). A page takes at least one piece.
std::vector<std::size_t> PageStarts(const std::vector<Piece>& pieces, const std::vector<KeptRun>& runs,
                                    double pageHeight)
{
    auto cost = [&](std::size_t breakBefore) {
        double parted = 0.0;
        for (const KeptRun& run : runs)
            if (run.first < breakBefore && breakBefore <= run.last && run.height <= pageHeight + kFitTolerance)
                parted = std::max(parted, run.height);
        return parted;
    };
    std::vector<std::size_t> starts;
    for (std::size_t start = 0; start < pieces.size();) {
        starts.push_back(start);
        std::size_t end = start + 1;
        double y = pieces[start].height;
        while (end < pieces.size() && y + pieces[end].height <= pageHeight + kFitTolerance)
            y += pieces[end++].height;
        if (end == pieces.size())
            break;
        std::size_t chosen = end;
        double chosenCost = cost(end);
        for (std::size_t candidate = end - 1; candidate > start && chosenCost > 0.0; --candidate) {
            const double candidateCost = cost(candidate);
            if (candidateCost < chosenCost) {
                chosen = candidate;
                chosenCost = candidateCost;
            }
        }
        start = chosen;
    }
    return starts;
}

// Where the pages of a printer put their texts (device pixels).
struct PageGeometry {
    explicit PageGeometry(const QPrinter& printer)
        : dpi(printer.resolution()),
          paper(printer.pageLayout().fullRectPixels(printer.resolution())),
          body(paper.left() + kSideMargin * dpi, paper.top() + kTopMargin * dpi,
               paper.width() - 2 * kSideMargin * dpi, paper.height() - (kTopMargin + kBottomMargin) * dpi)
    {
    }
    const double dpi;
    const QRectF paper;
    const QRectF body;
};

// The document laid out on the pages of a printer.
class PageLayout {
public:
    PageLayout(const ReportDocument& document, QPrinter& printer, const QRectF& body)
    {
        std::vector<std::size_t> firstPieceOfLine;
        for (const ReportLine& line : document.lines) {
            firstPieceOfLine.push_back(pieces_.size());
            const QFont font = ReportFont(line.fontSize, line.bold, line.italic, line.underline);
            const QFontMetricsF metrics(font, &printer);
            const int maxChars = static_cast<int>(body.width() / metrics.horizontalAdvance(QLatin1Char('M')));
            for (const QString& text : BreakToWidth(QString::fromStdString(line.text), maxChars))
                pieces_.push_back({text, font, ReportColor(line.color), metrics.ascent(), metrics.lineSpacing()});
        }
        firstPieceOfLine.push_back(pieces_.size());
        std::vector<KeptRun> runs;
        for (const ReportKeepTogether& keep : document.keepTogether) {
            if (keep.first >= keep.last || keep.last >= document.lines.size())
                continue;
            KeptRun run{firstPieceOfLine[keep.first], firstPieceOfLine[keep.last + 1] - 1};
            for (std::size_t k = run.first; k <= run.last; ++k)
                run.height += pieces_[k].height;
            runs.push_back(run);
        }
        starts_ = PageStarts(pieces_, runs, body.height());
        if (starts_.empty())
            starts_.push_back(0);  // an empty report is one empty page
    }

    int PageCount() const { return static_cast<int>(starts_.size()); }

    // The pieces of the page (1-based), in order.
    std::pair<std::size_t, std::size_t> PiecesOfPage(int page) const
    {
        const auto index = static_cast<std::size_t>(page - 1);
        return {starts_[index], index + 1 < starts_.size() ? starts_[index + 1] : pieces_.size()};
    }
    const Piece& At(std::size_t k) const { return pieces_[k]; }

private:
    std::vector<Piece> pieces_;
    std::vector<std::size_t> starts_;
};

// Paints laid-out pages, each on a sheet of its own under its running
// texts; the first page carries the picture.
class PagePainter {
public:
    PagePainter(QPrinter& printer, const ReportPageSetup& setup, const PageGeometry& geometry)
        : printer_(printer), setup_(setup), geometry_(geometry)
    {
    }

    // False when the printer cannot be painted on.
    bool Begin() { return painter_.begin(&printer_); }
    bool End() { return painter_.end(); }

    bool PaintPage(const PageLayout& layout, int page)
    {
        if (sheetUsed_ && !printer_.newPage())
            return false;
        sheetUsed_ = true;
        PaintRunningTexts(page);
        if (page == 1)
            PaintPicture();
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
        const double lineHeight = QFontMetricsF(painter_.font(), &printer_).lineSpacing();
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

    void PaintPicture()
    {
        if (setup_.firstPagePicture.isNull())
            return;
        const QSizeF size = QSizeF(setup_.firstPagePicture.size()) * (geometry_.dpi / kPicturePixelsPerInch);
        painter_.save();
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(QRectF(geometry_.body.topLeft(), size), setup_.firstPagePicture);
        painter_.restore();
    }

    QPrinter& printer_;
    const ReportPageSetup& setup_;
    const PageGeometry& geometry_;
    QPainter painter_;
    bool sheetUsed_ = false;
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
    bool ConfirmPrint(QPrinter& printer, QWidget* parent) override
    {
        QPrintDialog dialog(&printer, parent);
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

int ReportPager::Paint(QPrinter& printer, ReportPageChoice pages) const
{
    printer.setFullPage(true);
    const PageGeometry geometry(printer);
    const PageLayout layout(document_, printer, geometry.body);
    const QPageRanges chosen = pages == ReportPageChoice::ChosenOnPrinter && printer.printRange() == QPrinter::PageRange
                                   ? printer.pageRanges()
                                   : QPageRanges();
    PagePainter painter(printer, setup_, geometry);
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

void ReportPreview::SetPage(int page)
{
    setCurrentPage(page);
    emit ShownChanged();
}

bool ReportPreview::PrintDocument(QPrinter& printer) const
{
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    const bool fileExisted = !file.isEmpty() && QFileInfo::exists(file);
    if (ReportPager(document_, setup_).Paint(printer) > 0)
        return true;
    // A file this print began is no report.
    if (!file.isEmpty() && !fileExisted && QFileInfo(file).isFile())
        QFile::remove(file);
    return false;
}

} // namespace platform
