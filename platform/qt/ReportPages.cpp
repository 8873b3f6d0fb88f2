#include "platform/qt/ReportPages.h"

#include "platform/qt/FixedPitchFont.h"

#include <QFontMetricsF>
#include <QPageRanges>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

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

class PagePainter {
public:
    PagePainter(QPrinter& printer, const ReportPageSetup& setup)
        : printer_(printer),
          setup_(setup),
          painter_(&printer),
          dpi_(printer.resolution()),
          paper_(printer.pageLayout().fullRectPixels(printer.resolution())),
          body_(paper_.left() + kSideMargin * dpi_, paper_.top() + kTopMargin * dpi_,
                paper_.width() - 2 * kSideMargin * dpi_,
                paper_.height() - (kTopMargin + kBottomMargin) * dpi_),
          y_(body_.top()),
          chosenPages_(printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges())
    {
        BeginPage();
        if (PageIsPrinted())
            PaintPicture();
    }

    void AddLine(const ReportLine& line)
    {
        const QFont font = ReportFont(line.fontSize, line.bold, line.italic, line.underline);
        const QFontMetricsF metrics(font, &printer_);
        const int maxChars = static_cast<int>(body_.width() / metrics.horizontalAdvance(QLatin1Char('M')));
        painter_.setFont(font);
        painter_.setPen(ReportColor(line.color));
        for (const QString& piece : BreakToWidth(QString::fromStdString(line.text), maxChars)) {
            if (y_ + metrics.lineSpacing() > body_.bottom() + 0.5) {
                ++page_;
                y_ = body_.top();
                BeginPage();
                painter_.setFont(font);
                painter_.setPen(ReportColor(line.color));
            }
            if (PageIsPrinted())
                painter_.drawText(QPointF(body_.left(), y_ + metrics.ascent()), piece);
            y_ += metrics.lineSpacing();
        }
    }

    int Pages() const { return page_; }

private:
    // The pages the user chose in the print dialog; all without a choice.
    bool PageIsPrinted() const { return chosenPages_.isEmpty() || chosenPages_.contains(page_); }

    // The running texts of a page that is printed, on a sheet of its own.
    void BeginPage()
    {
        if (!PageIsPrinted())
            return;
        if (sheetUsed_)
            printer_.newPage();
        sheetUsed_ = true;
        PaintRunningTexts();
    }

    void PaintRunningTexts()
    {
        painter_.save();
        painter_.setFont(ReportFont(kRunningTextSize));
        painter_.setPen(Qt::black);
        const double inset = kRunningTextInset * dpi_;
        const double lineHeight = QFontMetricsF(painter_.font(), &printer_).lineSpacing();
        PaintRunningText(setup_.headerText, paper_.top() + inset, lineHeight);
        PaintRunningText(setup_.footerText, paper_.bottom() - inset - lineHeight, lineHeight);
        painter_.restore();
    }

    void PaintRunningText(const QString& text, double top, double height)
    {
        const QStringList parts = QString(text).replace("%d", QString::number(page_)).split('|');
        const QRectF band(body_.left(), top, body_.width(), height);
        const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        for (int k = 0; k < parts.size() && k < 3; ++k)
            painter_.drawText(band, alignments[k] | Qt::AlignVCenter, parts[k]);
    }

    void PaintPicture()
    {
        if (setup_.firstPagePicture.isNull())
            return;
        const QSizeF size = QSizeF(setup_.firstPagePicture.size()) * (dpi_ / kPicturePixelsPerInch);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(QRectF(body_.topLeft(), size), setup_.firstPagePicture);
    }

    QPrinter& printer_;
    const ReportPageSetup& setup_;
    QPainter painter_;
    const double dpi_;
    const QRectF paper_;
    const QRectF body_;
    double y_;
    const QPageRanges chosenPages_;
    int page_ = 1;
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

int ReportPager::Paint(QPrinter& printer) const
{
    printer.setFullPage(true);
    PagePainter pages(printer, setup_);
    for (const ReportLine& line : document_.lines)
        pages.AddLine(line);
    return pages.Pages();
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
            [this](QPrinter* printer) { PrintDocument(*printer); });
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::ShowDocument(const ReportDocument& document)
{
    document_ = document;
    updatePreview();
    setCurrentPage(1);
}

int ReportPreview::ZoomPercent() const
{
    return static_cast<int>(std::lround(zoomFactor() * 100.0));
}

void ReportPreview::SetZoomPercent(int percent)
{
    setZoomFactor(percent / 100.0);
}

void ReportPreview::PrintDocument(QPrinter& printer) const
{
    ReportPager(document_, setup_).Paint(printer);
}

} // namespace platform
