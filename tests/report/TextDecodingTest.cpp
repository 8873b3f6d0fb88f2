// The report lays its lines out by the characters DecodeUtf8 reads, and the
// preview and the printer paint them through Qt's own decoder: both read
// the same characters from the same bytes, stray bytes included.
#include "foundation/basGlobalFunctions.h"
#include "tests/support/Utf8Samples.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(TextDecoding, QtReadsTheCharactersDecodeUtf8Reads)
{
    for (const auto& c : testing_support::kUtf8Samples)
        EXPECT_EQ(QString::fromStdString(c.bytes).toStdU32String(), DecodeUtf8(c.bytes)) << c.what;
}

} // namespace
