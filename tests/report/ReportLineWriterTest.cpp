// The report's line writer: texts at columns, the style of exactly one
// line, texts by string id, "&&" collapsed, line breaks, end of document.
#include "foundation/basIniFileControl.h"
#include "foundation/basTextResources.h"
#include "report/frmReportLineWriter.h"

#include <gtest/gtest.h>

namespace {

class ReportLineWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gnLanguageOffset = 0;
        gnReportFontSize = 8;
        glReportTextColor = 0x00FF00;
    }
    void TearDown() override
    {
        gnLanguageOffset = language_;
        gnReportFontSize = fontSize_;
        glReportTextColor = color_;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& line : writer.Document().lines)
            texts.push_back(line.text);
        return texts;
    }
    ReportLineWriter writer;

private:
    int16_t language_ = gnLanguageOffset, fontSize_ = gnReportFontSize;
    int32_t color_ = glReportTextColor;
};

TEST_F(ReportLineWriterTest, TextsAtColumns)
{
    // A 6-character label and a value at 10: four blanks between. A text at
    // 10 after 12 characters follows at once, nothing cut. An id's text in
    // place of the given one; "&&" becomes "&".
    writer.Place(0, "Weight");
    writer.Emit(10, "12");
    writer.Place(0, "Max. Torque:");
    writer.Emit(10, "7");
    writer.mSubReportLine(4, "ignored", 39, ReportLineWriter::PlaceText);
    writer.Emit(20, "A && B &&& C");
    writer.BlankLine();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Weight    12", "Max. Torque:7",
                                                 "    Show Report     A & B & C", ""}));
}

TEST_F(ReportLineWriterTest, StyleHoldsForOneLine)
{
    writer.mbLineBold = writer.mbLineItalic = writer.mbLineUnderline = true;
    writer.Emit(4, "Heading");
    writer.Emit(0, "plain");
    const auto& lines = writer.Document().lines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].bold && lines[0].italic && lines[0].underline);
    EXPECT_FALSE(lines[1].bold || lines[1].italic || lines[1].underline);
    EXPECT_EQ(lines[1].fontSize, 8);
    EXPECT_EQ(lines[1].color, 0x00FF00);
}

TEST_F(ReportLineWriterTest, LineBreaksClearAndEndOfDocument)
{
    // A text with line breaks gives one line per piece, a trailing break an
    // empty line; clearing drops the buffer; the end of the document writes
    // what is still in the buffer nowhere.
    writer.Emit(0, "one\r\ntwo\r\n");
    writer.Place(0, "dropped");
    writer.mSubReportLine(0, "", 0, ReportLineWriter::ClearLine);
    writer.Emit(0, "kept");
    writer.Place(0, "pending");
    writer.mSubReportLine(0, "", 0, ReportLineWriter::EndDocument);
    writer.mSubReportLine(0, "other", 0, 7);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"one", "two", "", "kept"}));
}

TEST_F(ReportLineWriterTest, LinesKeptTogether)
{
    // Runs may nest; a run ends at its End or its destruction, once; a run
    // of one line or none is no run. A text with line breaks counts each
    // of its lines.
    {
        ReportLineWriter::KeepTogether outer(writer);
        writer.Emit(4, "Heading");
        {
            ReportLineWriter::KeepTogether inner(writer);
            writer.Emit(10, "row 1\r\nrow 2");
        }
        ReportLineWriter::KeepTogether single(writer);
        writer.Emit(10, "row 3");
        single.End();
        outer.End();
        writer.BlankLine();
        outer.End();
    }
    ReportLineWriter::KeepTogether empty(writer);
    empty.End();
    const auto& keeps = writer.Document().keepTogether;
    ASSERT_EQ(keeps.size(), 2u);
    EXPECT_EQ(keeps[0].first, 1u);  // the inner run ends first
    EXPECT_EQ(keeps[0].last, 2u);
    EXPECT_EQ(keeps[1].first, 0u);
    EXPECT_EQ(keeps[1].last, 3u);
}

} // namespace
