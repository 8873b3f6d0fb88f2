#include "report/frmReport.h"

#include "appfile/basApplicationFile.h"
#include "foundation/ClsMessageSystem.h"
#include "foundation/MessageBar.h"
#include "foundation/basAppPaths.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "model/basAxisCalculations.h"
#include "model/basAxisRequirements.h"
#include "model/basWindowStatus.h"
#include "platform/core/CurrentError.h"
#include "platform/qt/BusyPointer.h"
#include "platform/qt/Commands.h"
#include "platform/qt/DialogLook.h"
#include "platform/qt/FixedPitchFont.h"
#include "platform/qt/ReportPages.h"
#include "platform/qt/UserFolders.h"
#include "report/frmReportContent.h"
#include "shell/MDIMain.h"
#include "shell/Main.h"
#include "shell/frmOptions.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QKeyEvent>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The preview tools of the second band.
const QStringList kZoomTools = {"vseToolZoomIn", "vseToolZoomOut", "vseToolZoomDefault"};
const QStringList kBackTools = {"vseToolPrevPage", "FirstPage"};
const QStringList kForwardTools = {"vseToolNextPage", "LastPage"};

constexpr int kZoomStep = 5;
constexpr int kZoomMaximum = 195;
constexpr int kZoomMinimum = 5;

// The name of an application not saved yet, in the offered PDF file name.
constexpr int16_t kUntitledText = 61;
constexpr int16_t kMessagePrintingFailed = 2009;
constexpr int16_t kMessageInvalidPages = 2017;
// Error numbers of the printing failure's error line.
constexpr int32_t kPathFileAccessError = 75;  // the PDF file cannot be written
constexpr int32_t kPrinterError = 482;        // the printer cannot be printed on

QString Text(int16_t id)
{
    return QString::fromStdString(sFctGetText(id));
}

// The text box shows line feeds where the model writes CR LF.
QString TextBoxText(const std::string& text)
{
    return QString::fromStdString(text).replace("\r\n", "\n");
}

// Message 2009 with the error line "what: reason" under that number.
void ShowPrintingFailure(int32_t errorNumber, const QString& what, const QString& reason)
{
    const QString why = reason.isEmpty() ? QString() : ": " + reason;
    platform::SetCurrentError(errorNumber, (what + why).toStdString());
    SubPrepareCatalogueMessage(*gMsg, kMessagePrintingFailed);
    gMsg->nFctDisplay();
}

// The main window's message bar, when there is one.
void SetMessageBar(const QString& text)
{
    if (platform::MessageBar* bar = platform::InstalledMessageBar())
        bar->SetMessageBarText(text.toStdString());
}

// Disables the whole toolbar while a report is being built, so that no
// second Show or Print starts inside the first: the preview tools are
// disabled by the build itself and follow the document it leaves; the top
// band's tools come back when the build ends.
class BuildGuard {
public:
    BuildGuard(bool& building, QToolBar* band) : building_(building), band_(band)
    {
        building_ = true;
        for (QAction* tool : band_->actions())
            tool->setEnabled(false);
    }
    ~BuildGuard()
    {
        for (QAction* tool : band_->actions())
            tool->setEnabled(true);
        building_ = false;
    }

private:
    bool& building_;
    QToolBar* band_;
};

} // namespace

frmReport::frmReport(QWidget* parent)
    : AxisChildWindow(WindowKind::Report, 37, QSize(480, 333), QSize(760, 540), parent)
{
    setObjectName("frmReport");
    BuildControls();
    mSubSetReportColours();
    mSubInitReportToolbar();
    if (MDIMain* main = MainWindow())
        setWindowIcon(main->windowIcon());
}

void frmReport::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        mSubShowReportHelp();
        return;
    }
    AxisChildWindow::keyPressEvent(event);
}

void frmReport::BuildControls()
{
    auto* client = new QWidget;
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* activeBar = new QWidget;
    activeBar->setObjectName("ActiveBar1");
    auto* bands = new QVBoxLayout(activeBar);
    bands->setContentsMargins(0, 0, 0, 0);
    bands->setSpacing(0);
    vseTopReportTools_ = new QToolBar;
    vseTopReportTools_->setObjectName("vseTopReportTools");
    vseBottonReportTools_ = new QToolBar;
    vseBottonReportTools_->setObjectName("vseBottonReportTools");
    bands->addWidget(vseTopReportTools_);
    bands->addWidget(vseBottonReportTools_);

    auto* spacer = new QWidget;
    spacer->setFixedWidth(8);
    vseTopReportTools_->addWidget(spacer);
    for (const char* name : {"vseToolShow", "vseToolPrint", "vseToolWordDoc", "vseToolOptions", "vseToolHelp"})
        AddTool(vseTopReportTools_, name, QString());
    AddTool(vseTopReportTools_, "vsePage", QString())->setVisible(false);

    const std::pair<const char*, const char*> fixedTools[] = {
        {"vseToolZoomIn", "Zoom In"},      {"vseToolZoomOut", "Zoom Out"},
        {"vseToolZoomDefault", "Zoom Default"}, {"FirstPage", "First Page"},
        {"vseToolPrevPage", "Previous Page"}, {"vseToolNextPage", "Next Page"},
        {"LastPage", "Last Page"}};
    for (const auto& [name, caption] : fixedTools)
        AddTool(vseBottonReportTools_, name, caption);
    SetPreviewToolsEnabled(false);

    imgReportHeader_ = new QLabel;
    imgReportHeader_->setObjectName("imgReportHeader");
    imgReportHeader_->setPixmap(QPixmap(QString::fromStdString(gsImagePath + "ReportHeader.PNG")));
    imgReportHeader_->hide();

    vsPrinter_ = new platform::ReportPreview;
    vsPrinter_->setObjectName("vsPrinter");
    connect(vsPrinter_, &platform::ReportPreview::ShownChanged, this, &frmReport::FollowPageShown);
    vsPrinter_->SetBackColor(platform::ColorFromRgbLong(glReportBackColor));
    txtReport_ = new QTextEdit;
    txtReport_->setObjectName("txtReport");
    txtReport_->setReadOnly(true);
    txtReport_->setFont(platform::FixedPitchFont(QFont().pointSizeF()));
    txtReport_->hide();

    layout->addWidget(activeBar);
    layout->addWidget(imgReportHeader_);
    layout->addWidget(vsPrinter_, 1);
    layout->addWidget(txtReport_, 1);
    setWidget(client);
}

QAction* frmReport::AddTool(QToolBar* band, const QString& name, const QString& caption)
{
    QAction* tool = band->addAction(caption);
    tool->setObjectName(name);
    platform::ConnectCommand(tool, &QAction::triggered, this, [this, name] { ActiveBar1_ToolClick(name); });
    tools_.insert(name, tool);
    return tool;
}

void frmReport::mSubSetReportColours()
{
    if (glScreenColors < 257)
        return;
    widget()->setAutoFillBackground(true);
    QPalette window = widget()->palette();
    window.setColor(QPalette::Window, QColor(225, 225, 225));
    widget()->setPalette(window);
    QPalette box = txtReport_->palette();
    box.setColor(QPalette::Base, QColor(245, 245, 245));
    txtReport_->setPalette(box);
}

void frmReport::mSubInitReportToolbar()
{
    platform::ReportPageSetup pages;
    pages.headerText = Text(305);
    pages.footerText = Text(306) + Text(26);
    pages.firstPagePicture = imgReportHeader_->pixmap().toImage();
    vsPrinter_->SetPageSetup(pages);
    const std::pair<const char*, int16_t> captions[] = {{"vseToolShow", 39},
                                                        {"vseToolPrint", 199},
                                                        {"vseToolWordDoc", 38},
                                                        {"vseToolOptions", 112},
                                                        {"vseToolHelp", 352}};
    for (const auto& [name, id] : captions)
        tools_.value(name)->setText(Text(id));
}

void frmReport::mSubUpdateScreenToUnitClass()
{
}

void frmReport::ActiveBar1_ToolClick(const QString& tool)
{
    if (mbBuildingReport)
        return;
    static const QHash<QString, int16_t> kNavigation = {
        {"vseToolZoomIn", 0},   {"vseToolZoomOut", 1}, {"vseToolPrevPage", 2},
        {"vseToolNextPage", 3}, {"vseToolZoomDefault", 4}, {"FirstPage", 5},
        {"LastPage", 6}};
    if (tool == "vseToolShow")
        mSubShowReport();
    else if (tool == "vseToolPrint")
        mSubPrintReport();
    else if (tool == "vseToolOptions")
        mSubReportOptions();
    else if (tool == "vseToolHelp")
        mSubShowReportHelp();
    else if (kNavigation.contains(tool))
        mSubPreviewNavigate(kNavigation.value(tool));
    // vseToolWordDoc and the page indicator do nothing.
}

void frmReport::mSubShowReport()
{
    if (platform::CurrentReportPrinting().PrinterDeviceName().isEmpty()) {
        SubPrepareCatalogueMessage(*gMsg, 2015);
        gMsg->nFctDisplay();
        return;
    }
    mSubShowReportPreview();
}

void frmReport::mSubShowReportPreview()
{
    SetPreviewToolsEnabled(false);
    BuildGuard guard(mbBuildingReport, vseTopReportTools_);
    if (!mbFctAxisCanBeCalculated())
        return;
    vsPrinter_->show();
    txtReport_->hide();
    {
        platform::BusyPointer busy;
        mSubPreviewNavigate(4);
        QCoreApplication::processEvents();
        ComposeIntoPreview();
    }
    ShowPageTools();
}

void frmReport::mSubPrintReport()
{
    platform::ReportPrinting& printing = platform::CurrentReportPrinting();
    if (printing.PrinterDeviceName().isEmpty()) {
        SubPrepareCatalogueMessage(*gMsg, 2016);
        gMsg->nFctDisplay();
        return;
    }
    // The dialog chooses on the preview's own printer: a range counts the
    // pages shown, and another paper lays the preview out anew for it.
    QPrinter& printer = vsPrinter_->PreviewPrinter();
    vsPrinter_->OfferPrint(OfferedPdfFile());
    platform::PrintChecks checks;
    checks.reportPages = [this](QPrinter& chosen) { return ReportPagesOn(chosen); };
    checks.tellInvalidPages = [] {
        SubPrepareCatalogueMessage(*gMsg, kMessageInvalidPages);
        gMsg->nFctDisplay();
    };
    checks.fileTakesReport = [this](const QString& file) { return mbFctFileTakesReport(file); };
    if (!printing.ConfirmPrint(printer, this, checks))
        return;
    // However the file was chosen.
    if (printer.outputFormat() == QPrinter::PdfFormat && !mbFctFileTakesReport(printer.outputFileName()))
        return;
    bool printed = false;
    QString reason;
    {
        SetPreviewToolsEnabled(false);
        BuildGuard guard(mbBuildingReport, vseTopReportTools_);
        if (!mbFctAxisCanBeCalculated())
            return;
        platform::BusyPointer busy;
        QCoreApplication::processEvents();
        ComposeIntoPreview();
        printed = vsPrinter_->PrintDocument(printer, reason);
        QCoreApplication::processEvents();
    }
    // The preview now holds the document just printed.
    ShowPageTools();
    if (!printed)
        mSubShowPrintingFailure(printer, reason);
}

QString frmReport::OfferedPdfFile() const
{
    // The label "Axis :" less its colon names the axis in the language of
    // the moment.
    QString axis = Text(184).trimmed();
    if (axis.endsWith(':'))
        axis.chop(1);
    const QString name = axis.trimmed() + " " + Tag().trimmed();
    if (gsCurrentFile.empty()) {
        const QDir folder(platform::UserStartFolder(gsLastUsedPath, gsAppPath));
        return folder.filePath(Text(kUntitledText) + " - " + name + ".pdf");
    }
    const QFileInfo file(QString::fromStdString(gsCurrentFile));
    return file.dir().filePath(file.completeBaseName() + " - " + name + ".pdf");
}

void frmReport::mSubShowPrintingFailure(const QPrinter& printer, const QString& reason)
{
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (file.isEmpty())
        ShowPrintingFailure(kPrinterError, "Printer error: " + printer.printerName(), reason);
    else
        ShowPrintingFailure(kPathFileAccessError, "Path/File access error: " + file, reason);
}

bool frmReport::mbFctFileTakesReport(const QString& pdfFile)
{
    if (pdfFile.isEmpty() || !IsProgramFile(QFile::encodeName(pdfFile).toStdString()))
        return true;
    ShowPrintingFailure(kPathFileAccessError, "Path/File access error: " + pdfFile, "it is a file of the program");
    return false;
}

int frmReport::ReportPagesOn(QPrinter& printer)
{
    std::string why;
    if (!nFctBuildAxisCompletenessText(AxisId(), why))
        return 0;
    return vsPrinter_->PagesOn(printer, ComposeReport());
}

bool frmReport::mbFctAxisCanBeCalculated()
{
    std::string text;
    if (nFctBuildAxisCompletenessText(AxisId(), text))
        return true;
    vsPrinter_->hide();
    txtReport_->show();
    QCoreApplication::processEvents();
    mSubShowPageNumber(true);
    txtReport_->setPlainText(TextBoxText(text));
    return false;
}

platform::ReportDocument frmReport::ComposeReport() const
{
    const int16_t axis = AxisId();
    SubCalcAxisResults(axis);
    nFctGetMotorRequirements(axis, model::kFalse);
    ReportContent content(axis, Tag().toStdString(), gsCurrentFile,
                          QDate::currentDate().toString("MM-dd-yyyy").toStdString());
    content.mSubWriteReport();
    return content.Document();
}

void frmReport::ComposeIntoPreview()
{
    SetMessageBar(Text(229));
    QCoreApplication::processEvents();
    vsPrinter_->ShowDocument(ComposeReport());
    QCoreApplication::processEvents();
    SetMessageBar(QString());
}

void frmReport::ShowPageTools()
{
    const int pages = vsPrinter_->PageCount();
    const int page = vsPrinter_->Page();
    SetTools(kZoomTools, pages >= 1);
    SetTools(kBackTools, pages >= 2 && page > 1);
    SetTools(kForwardTools, pages >= 2 && page < pages);
    mSubShowPageNumber(pages < 1);
}

void frmReport::FollowPageShown()
{
    // A build sets the tools when it ends; a preview hidden behind the text
    // box or not yet shown has none.
    if (!mbBuildingReport && tools_.value("vsePage")->isVisible())
        ShowPageTools();
}

void frmReport::SetPreviewToolsEnabled(bool enabled)
{
    SetTools(kZoomTools + kBackTools + kForwardTools, enabled);
}

void frmReport::SetTools(const QStringList& names, bool enabled)
{
    for (const QString& name : names)
        tools_.value(name)->setEnabled(enabled);
}

void frmReport::mSubReportOptions()
{
    // The new text colour and font size take effect at the next Show; the
    // back colour at once.
    ShowOptionsDialog(MainWindow(), OptionsPage::Report);
    vsPrinter_->SetBackColor(platform::ColorFromRgbLong(glReportBackColor));
}

void frmReport::mSubShowReportHelp()
{
    SubShowHelpTopic("ReportGenerator.htm");
}

void frmReport::mSubPreviewNavigate(int16_t action)
{
    const int zoom = vsPrinter_->ZoomPercent();
    const int count = vsPrinter_->PageCount();
    switch (action) {
    case 0:
        if (zoom < kZoomMaximum)
            vsPrinter_->SetZoomPercent(zoom + kZoomStep);
        return;
    case 1:
        if (zoom > kZoomMinimum)
            vsPrinter_->SetZoomPercent(zoom - kZoomStep);
        return;
    case 4:
        vsPrinter_->SetZoomPercent(gbScreenAbove800x600 ? 95 : 70);
        return;
    // The page tools and the indicator follow the page shown.
    case 2:
        vsPrinter_->SetPage(vsPrinter_->Page() - 1);
        return;
    case 3:
        vsPrinter_->SetPage(vsPrinter_->Page() + 1);
        return;
    case 5:
        vsPrinter_->SetPage(1);
        return;
    case 6:
        vsPrinter_->SetPage(count);
        return;
    default:
        return;
    }
}

void frmReport::mSubShowPageNumber(bool hide)
{
    QAction* indicator = tools_.value("vsePage");
    if (hide) {
        indicator->setVisible(false);
        indicator->setText(QString());
        return;
    }
    // The page number overwrites the text from one character after its first
    // double blank; the page count and two blanks follow.
    QString text = Text(309);
    const QString page = QString::number(vsPrinter_->Page());
    const int gap = text.indexOf("  ");
    const int start = gap < 0 ? 0 : gap + 1;
    for (int k = 0; k < page.size() && start + k < text.size(); ++k)
        text[start + k] = page[k];
    indicator->setText(text + QString::number(vsPrinter_->PageCount()) + "  ");
    indicator->setVisible(true);
}
