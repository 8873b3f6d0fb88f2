#pragma once
// Where the report's pages break and how a line too long for the report's
// width goes on: plain functions over heights and texts, no painting.
#include <QString>
#include <QStringList>

#include <cstddef>
#include <vector>

namespace platform {

// Lines first to last (indices into the lines being paginated) that stand
// on one page whenever they fit on one.
struct KeptLines {
    std::size_t first = 0;
    std::size_t last = 0;
};

// A position measured against the page's height passes for fitting within
// this much (half a device pixel).
inline constexpr double kPageFitTolerance = 0.5;

// The first line of each page, given each line's height, the runs kept
// together and the height a page holds. A page takes the lines that fit;
// when the next does not, the break goes back to the latest place that
// parts the fewest lines kept together: a break inside a run costs the
// height of the largest run it parts that fits on a page, so runs may nest
// (a whole block, and its heading with its first rows) and a run longer
// than a page parts where it must. A page takes at least one line. No
// lines give no pages.
std::vector<std::size_t> PageStarts(const std::vector<double>& lineHeights, const std::vector<KeptLines>& kept,
                                    double pageHeight);

// The line broken into pieces of at most `columns` characters at blanks:
// each piece after the first begins at the line's own indent (its leading
// blanks) and carries on with the next word; a word longer than the room
// after the indent is cut. A line that fits is its only piece.
QStringList BreakAtIndent(const QString& line, int columns);

} // namespace platform
