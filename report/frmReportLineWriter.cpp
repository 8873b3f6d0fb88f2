#include "report/frmReportLineWriter.h"

#include "foundation/basGlobalFunctions.h"
#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"

void ReportLineWriter::mSubReportLine(int16_t column, const std::string& text, int16_t textId,
                                      int16_t action)
{
    const std::string piece = sFctCollapseAmpersands(textId != 0 ? sFctGetText(textId) : text);
    switch (action) {
    case ClearLine:
        msReportLine.clear();
        break;
    case PlaceText:
        msReportLine = mSubPadToColumn(msReportLine, column) + piece;
        break;
    case EmitLine:
        msReportLine = mSubPadToColumn(msReportLine, column) + piece;
        mSubPrintLineToPreview(msReportLine);
        mbLineBold = mbLineItalic = mbLineUnderline = false;
        msReportLine.clear();
        break;
    default:
        break;
    }
}

std::string ReportLineWriter::mSubPadToColumn(const std::string& line, int16_t column)
{
    return sFctPadRight(line, column);
}

void ReportLineWriter::mSubPrintLineToPreview(const std::string& line)
{
    platform::ReportLine style;
    style.bold = mbLineBold;
    style.italic = mbLineItalic;
    style.underline = mbLineUnderline;
    style.fontSize = gnReportFontSize;
    style.color = glReportTextColor;
    size_t start = 0;
    while (true) {
        const size_t end = line.find_first_of("\r\n", start);
        style.text = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
        document_.lines.push_back(style);
        if (end == std::string::npos)
            break;
        start = end + (line.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

void ReportLineWriter::KeepTogether::End()
{
    // A single line needs no keeping.
    if (!ended_ && document_.lines.size() > first_ + 1)
        document_.keepTogether.push_back({first_, document_.lines.size() - 1});
    ended_ = true;
}
