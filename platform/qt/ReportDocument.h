#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// One line of a composed report: its text (fixed-pitch columns, no line
// breaks) and the style it is printed in.
struct ReportLine {
    std::string text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int32_t color = 0;      // red + 256 x green + 65536 x blue
    int16_t fontSize = 10;  // points
};

// Lines first to last (indices into the document's lines) that stand on one
// page whenever they fit on one: a heading with what follows it, a block of
// rows that belong together.
struct ReportKeepTogether {
    std::size_t first = 0;
    std::size_t last = 0;
};

// A composed report: its lines in order and the runs of lines the pager
// keeps together. Page breaks are the pager's.
struct ReportDocument {
    std::vector<ReportLine> lines;
    // The report's width in characters: the pager fits this many into the
    // printable width of any paper (the face made smaller where they would
    // not fit in its own size) and goes on with a longer line in the next,
    // at the line's indent.
    int columns = 80;
    std::vector<ReportKeepTogether> keepTogether;

    // The texts of all lines, each followed by "\n".
    std::string Text() const
    {
        std::string text;
        for (const ReportLine& line : lines)
            text += line.text + "\n";
        return text;
    }
};

} // namespace platform
