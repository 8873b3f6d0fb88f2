// The report's page breaks and line breaks on their own, as tables of
// cases: lines of given heights, runs kept together and a page height give
// the first line of each page; a line and the report's width give the
// pieces it is printed in.
#include "platform/qt/ReportPagination.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::KeptLines;

struct PageCase {
    const char* name;
    std::vector<double> heights;
    std::vector<KeptLines> kept;
    double pageHeight;
    std::vector<std::size_t> starts;
};

std::vector<double> Lines(int count, double height = 1.0)
{
    return std::vector<double>(static_cast<std::size_t>(count), height);
}

TEST(ReportPaginationTest, PageStartsFromHeightsRunsAndPageHeight)
{
    const PageCase cases[] = {
        {"no lines: no page", {}, {}, 10, {}},
        {"lines flow, ten a page", Lines(25), {}, 10, {0, 10, 20}},
        {"lines of 2 on a page of 5: two a page", Lines(5, 2.0), {}, 5, {0, 2, 4}},
        {"half a device pixel over still fits", Lines(4, 2.6), {}, 10, {0}},
        {"a line taller than a page has a page of its own", {12, 1, 1}, {}, 10, {0, 1}},
        {"a heading on the last line goes over with its row", Lines(15), {{9, 10}}, 10, {0, 9}},
        {"a block over the break goes over whole", Lines(20), {{7, 12}}, 10, {0, 7, 17}},
        {"a block that ends the page stays", Lines(20), {{5, 9}}, 10, {0, 10}},
        {"a block longer than a page parts where it must", Lines(30), {{5, 20}}, 10, {0, 10, 20}},
        // A mechanism's block (heading, rows and results) goes over whole
        // when it fits on a page, not just its heading with a few rows.
        {"a whole block before its heading's run", Lines(20), {{6, 13}, {6, 9}}, 10, {0, 6, 16}},
        {"its heading's run alone would stay", Lines(20), {{6, 9}}, 10, {0, 10}},
        // A block longer than a page keeps its heading with its first rows.
        {"a long block keeps its heading with its rows", Lines(30), {{8, 25}, {8, 11}}, 10, {0, 8, 18, 28}},
        {"the break parts the smallest run it must", Lines(20), {{2, 12}, {8, 10}}, 10, {0, 8, 18}},
    };
    for (const PageCase& c : cases)
        EXPECT_EQ(platform::PageStarts(c.heights, c.kept, c.pageHeight), c.starts) << c.name;
}

struct BreakCase {
    const char* name;
    QString line;
    int columns;
    QStringList pieces;
};

TEST(ReportPaginationTest, LongLinesGoOnAtTheirIndent)
{
    const BreakCase cases[] = {
        {"a line that fits", "    short", 20, {"    short"}},
        {"exactly the width", "aaaa bbbb cccc dddd e", 21, {"aaaa bbbb cccc dddd e"}},
        {"no indent", "aaaa bbbb cccc dddd eeee", 20, {"aaaa bbbb cccc dddd", "eeee"}},
        {"an indent of four", "    aaaa bbbb cccc dddd eeee", 20, {"    aaaa bbbb cccc", "    dddd eeee"}},
        {"twice", "  aaaa bbbb cccc dddd eeee ffff gggg", 16,
         {"  aaaa bbbb cccc", "  dddd eeee ffff", "  gggg"}},
        {"a blank just after the width", QString(20, 'a') + " bbb", 20, {QString(20, 'a'), "bbb"}},
        {"a word longer than the room is cut", "    abcdefghijklmnopqrstuvwxyz", 20,
         {"    abcdefghijklmnop", "    qrstuvwxyz"}},
        {"blanks at the break are dropped", "aaaa   bbbb   cccc", 10, {"aaaa", "bbbb", "cccc"}},
        {"an indent as wide as the line is dropped", QString(12, ' ') + "aaaa bbbb", 10, {"aaaa bbbb"}},
        // The German peak-torque check, 88 characters with its indent: its
        // last words go on under its first, not at column 0.
        {"the German peak-torque check",
         QString::fromUtf8("    Der gewählte Motor erfüllt die Anforderungen an das max. (Spitzen-)Drehmoment nicht."), 80,
         {QString::fromUtf8("    Der gewählte Motor erfüllt die Anforderungen an das max."),
          "    (Spitzen-)Drehmoment nicht."}},
    };
    for (const BreakCase& c : cases)
        EXPECT_EQ(platform::BreakAtIndent(c.line, c.columns), c.pieces) << c.name;
}

} // namespace
