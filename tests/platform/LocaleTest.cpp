// The decimal separator of the user's numeric locale, read from the
// environment without touching the process locale.
#include "platform/core/Locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

TEST(Locale, SeparatorOfLocaleNames)
{
    const struct {
        const char* name;
        const char* separator;
    } cases[] = {
        {"de_DE.UTF-8", ","}, {"de_AT", ","}, {"fr_FR.UTF-8", ","}, {"fr_CA", ","}, {"it_IT@euro", ","},
        {"es_ES.ISO-8859-15", ","}, {"nl_NL", ","}, {"pt_BR.UTF-8", ","}, {"ru_RU.KOI8-R", ","},
        {"pl_PL", ","}, {"sv_SE", ","}, {"tr_TR", ","}, {"en_DK.UTF-8", ","},
        {"en_US.UTF-8", "."}, {"en_GB", "."}, {"C", "."}, {"C.UTF-8", "."}, {"POSIX", "."},
        {"ja_JP.UTF-8", "."}, {"zh_CN", "."}, {"", "."}, {"xx_YY", "."}, {"de", ","},
        // Territories unlike their language.
        {"de_CH.UTF-8", "."}, {"fr_CH", "."}, {"it_CH", "."}, {"es_MX.UTF-8", "."}, {"es_US", "."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::DecimalSeparatorOfLocale(c.name), c.separator) << "'" << c.name << "'";
}

// Sets or clears the three variables for one test and restores them.
class LocaleEnvironment : public ::testing::Test {
protected:
    static constexpr const char* kVariables[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    std::optional<std::string> saved_[3];

    void SetUp() override
    {
        for (int i = 0; i < 3; ++i) {
            if (const char* value = std::getenv(kVariables[i]))
                saved_[i] = value;
            unsetenv(kVariables[i]);
        }
    }
    void TearDown() override
    {
        platform::OverrideUserDecimalSeparator(std::nullopt);
        for (int i = 0; i < 3; ++i) {
            if (saved_[i])
                setenv(kVariables[i], saved_[i]->c_str(), 1);
            else
                unsetenv(kVariables[i]);
        }
    }
};

TEST_F(LocaleEnvironment, FirstSetVariableWins)
{
    EXPECT_EQ(platform::UserDecimalSeparator(), ".");  // none set
    setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(platform::UserDecimalSeparator(), ",");
    setenv("LC_NUMERIC", "en_US.UTF-8", 1);
    EXPECT_EQ(platform::UserDecimalSeparator(), ".");
    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    EXPECT_EQ(platform::UserDecimalSeparator(), ",");
    setenv("LC_ALL", "", 1);  // empty counts as not set
    EXPECT_EQ(platform::UserDecimalSeparator(), ".");
}

TEST_F(LocaleEnvironment, ReadingLeavesTheProcessLocaleAlone)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_EQ(platform::UserDecimalSeparator(), ",");
    EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), before);
}

TEST_F(LocaleEnvironment, OverrideReplacesTheEnvironment)
{
    setenv("LANG", "de_DE.UTF-8", 1);
    platform::OverrideUserDecimalSeparator(".");
    EXPECT_EQ(platform::UserDecimalSeparator(), ".");
    platform::OverrideUserDecimalSeparator(std::nullopt);
    EXPECT_EQ(platform::UserDecimalSeparator(), ",");
}

} // namespace
