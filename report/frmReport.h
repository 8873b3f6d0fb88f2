#pragma once
#include "shell/AxisChildWindow.h"

#include <QHash>
#include <QStringList>

#include <cstdint>
#include <string>

class QAction;
class QLabel;
class QPrinter;
class QTextEdit;
class QToolBar;
namespace platform {
class ReportPreview;
struct ReportDocument;
}

// The report window of one axis: Show composes the sizing report of the
// axis into the print preview (vsPrinter), Print composes it and prints it
// on the printer or into the PDF file the user picks; an axis that cannot
// be calculated shows why in the text box (txtReport) instead. The preview
// zooms and pages through the second toolbar band; the page tools and the
// page indicator follow the page shown, however it changes. Print prints
// on the preview's printer, so the pages chosen are the pages shown; pages
// that name none of the report are told in the print dialog; a failure,
// and a PDF file that is one of the program's own, are told with the
// printing failure message. The report is built
// only when the user asks for it, in the units and language of that moment.
//
// Object names: ActiveBar1 with the bands vseTopReportTools (vseToolShow,
// vseToolPrint, vseToolWordDoc, vseToolOptions, vseToolHelp, the page
// indicator vsePage) and vseBottonReportTools (vseToolZoomIn,
// vseToolZoomOut, vseToolZoomDefault, FirstPage, vseToolPrevPage,
// vseToolNextPage, LastPage); vsPrinter, txtReport, imgReportHeader.
class frmReport : public AxisChildWindow {
    Q_OBJECT
public:
    // Caption text 37.
    explicit frmReport(QWidget* parent = nullptr);

    // The report takes the units of the time it is shown: nothing to do.
    void mSubUpdateScreenToUnitClass();

    // A click on the toolbar tool of that name; other names are ignored.
    void ActiveBar1_ToolClick(const QString& tool);

protected:
    // F1: the report window's help topic.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    QAction* AddTool(QToolBar* band, const QString& name, const QString& caption);
    void mSubSetReportColours();
    void mSubInitReportToolbar();

    void mSubShowReport();
    void mSubShowReportPreview();
    void mSubPrintReport();
    void mSubReportOptions();
    void mSubShowReportHelp();
    // Zoom in, zoom out, previous page, next page, default zoom, first page,
    // last page (0 to 6).
    void mSubPreviewNavigate(int16_t action);
    void mSubShowPageNumber(bool hide);

    // The completeness check of the axis; when it fails, the text box takes
    // the preview's place with the check's text and the page indicator goes.
    bool mbFctAxisCanBeCalculated();
    // Runs the calculations and composes the report.
    platform::ReportDocument ComposeReport() const;
    // The same into the preview.
    void ComposeIntoPreview();
    // The number of pages the report takes on the printer's paper; 0 when
    // the axis cannot be calculated.
    int ReportPagesOn(QPrinter& printer);
    // False, told with the printing failure message, for a file of the
    // program's own (its databases, its settings file).
    bool mbFctFileTakesReport(const QString& pdfFile);
    // The preview tools and the page indicator for the page shown: zoom with
    // any page, first and previous after the first page, next and last
    // before the last.
    void ShowPageTools();
    // The same after every change of the page shown while the preview
    // shows a report.
    void FollowPageShown();
    // The PDF file the print dialog offers: "<application file> - Axis
    // <n>.pdf" in the application file's folder, "Untitled - Axis <n>.pdf"
    // before a first save, in the last folder chosen for application files
    // or else in the user's documents (the program's folder never).
    QString OfferedPdfFile() const;
    // Message 2009 with the PDF file or the printer, and why where known.
    void mSubShowPrintingFailure(const QPrinter& printer, const QString& reason);
    void SetPreviewToolsEnabled(bool enabled);
    void SetTools(const QStringList& names, bool enabled);

    QHash<QString, QAction*> tools_;
    QToolBar* vseTopReportTools_ = nullptr;
    QToolBar* vseBottonReportTools_ = nullptr;
    platform::ReportPreview* vsPrinter_ = nullptr;
    QTextEdit* txtReport_ = nullptr;
    QLabel* imgReportHeader_ = nullptr;
    bool mbBuildingReport = false;
};
