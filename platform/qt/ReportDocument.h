#pragma once
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

// A composed report: its lines in order. Page breaks are the pager's.
struct ReportDocument {
    std::vector<ReportLine> lines;

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
