#pragma once
#include "platform/qt/ReportDocument.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The report's line writer: texts are placed at character columns into a
// line buffer, and the buffer is emitted as one line, with the style of the
// next-line flags, the report font size and the report text colour, into the
// document being composed. Columns are 0-based character positions; a text
// placed at a column the line has already passed follows it directly.
class ReportLineWriter {
public:
    // What mSubReportLine does with its text.
    enum Action : int16_t { ClearLine = 0, PlaceText = 1, EmitLine = 2, EndDocument = 3 };

    // textId not 0: the text of that string id instead of text. Every "&&"
    // becomes "&". Then, by action: clear the buffer; place the text at the
    // column; place it and emit the buffer (the style flags are cleared);
    // end of document (nothing written). Other actions do nothing.
    void mSubReportLine(int16_t column, const std::string& text, int16_t textId, int16_t action);

    // Short forms of the actions.
    void Place(int16_t column, const std::string& text) { mSubReportLine(column, text, 0, PlaceText); }
    void PlaceId(int16_t column, int16_t textId) { mSubReportLine(column, "", textId, PlaceText); }
    void Emit(int16_t column, const std::string& text) { mSubReportLine(column, text, 0, EmitLine); }
    void EmitId(int16_t column, int16_t textId) { mSubReportLine(column, "", textId, EmitLine); }
    void BlankLine() { Emit(0, ""); }

    // The line padded with blanks to the column (never cut).
    static std::string mSubPadToColumn(const std::string& line, int16_t column);

    // Adds the line to the document in the current style (bold, italic,
    // underline, gnReportFontSize, glReportTextColor). A text with line
    // breaks gives one document line per piece.
    void mSubPrintLineToPreview(const std::string& line);

    // The style of the next emitted line only.
    bool mbLineBold = false;
    bool mbLineItalic = false;
    bool mbLineUnderline = false;

    const platform::ReportDocument& Document() const { return document_; }
    // The report's width in characters, which the pages fit to the paper.
    void SetColumns(int columns) { document_.columns = columns; }

    // The lines emitted from its making to its end (End or its destruction)
    // stand on one page whenever they fit on one: a heading with what
    // follows it, a block of rows. Runs may nest.
    class KeepTogether {
    public:
        explicit KeepTogether(ReportLineWriter& writer)
            : document_(writer.document_), first_(document_.lines.size())
        {
        }
        ~KeepTogether() { End(); }
        KeepTogether(const KeepTogether&) = delete;
        KeepTogether& operator=(const KeepTogether&) = delete;

        // Ends the run with the last line emitted; later calls do nothing.
        void End();

    private:
        platform::ReportDocument& document_;
        const std::size_t first_;
        bool ended_ = false;
    };

private:
    std::string msReportLine;
    platform::ReportDocument document_;
};
