// The screen colour count, window centring, the start-up wait and the help
// topics, through a recording stand-in for the window side.
#include "foundation/PlatformServices.h"
#include "foundation/basAppPaths.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "platform/core/Locale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingServices : public platform::PlatformServices {
public:
    int colorBits = 0;
    std::vector<platform::Window*> centred;
    std::vector<std::string> helpPages;
    std::vector<std::string> missingTitles;
    std::vector<std::string> missingNotes;
    int32_t waitedMilliseconds = -1;
    int16_t flagAtWaitStart = 99;

    int ColorBitsOfWindow(platform::Window*) override { return colorBits; }
    void CenterWindow(platform::Window* window) override { centred.push_back(window); }
    void WaitForTimer(int32_t milliseconds, int16_t& doneFlag) override
    {
        waitedMilliseconds = milliseconds;
        flagAtWaitStart = doneFlag;
        doneFlag = -1;  // the timer's tick
    }
    void ShowHelpPage(const std::string& pageFile, const std::string& missingTitle,
                      const std::string& missingNote) override
    {
        helpPages.push_back(pageFile);
        missingTitles.push_back(missingTitle);
        missingNotes.push_back(missingNote);
    }
};

class PlatformServicesTest : public ::testing::Test {
protected:
    RecordingServices services;
    void SetUp() override { platform::InstallPlatformServices(&services); }
    void TearDown() override { platform::InstallPlatformServices(nullptr); }
};

TEST_F(PlatformServicesTest, ColorCountIsTwoToTheBitsAtMost24)
{
    const struct {
        int bits;
        int32_t colors;
    } cases[] = {{1, 2}, {8, 256}, {16, 65536}, {24, 16777216}, {32, 16777216}, {0, 1}};
    for (const auto& c : cases) {
        services.colorBits = c.bits;
        EXPECT_EQ(lFctGetColorCount(nullptr), c.colors) << c.bits << " bits";
    }
}

// With the note that stands in for a missing page and its caption, in the
// language of the moment, naming the page and the folder.
TEST_F(PlatformServicesTest, HelpTopicIsAPageOfTheHelpFolder)
{
    SubSetAppPaths("/opt/orvamis");
    SubShowHelpTopic("Welcome.htm");
    gnLanguageOffset = 1000;
    SubShowHelpTopic("BeltPulley.htm");
    gnLanguageOffset = 0;
    EXPECT_EQ(services.helpPages,
              (std::vector<std::string>{"/opt/orvamis/help/Welcome.htm", "/opt/orvamis/help/BeltPulley.htm"}));
    EXPECT_EQ(services.missingNotes,
              (std::vector<std::string>{"The help page \"Welcome.htm\" is missing from the folder /opt/orvamis/help/.",
                                        "Die Hilfeseite „BeltPulley.htm“ fehlt im Ordner /opt/orvamis/help/."}));
    EXPECT_EQ(services.missingTitles, (std::vector<std::string>{"Help", "Hilfe"}));
}

TEST_F(PlatformServicesTest, WaitClearsTheFlagAndRunsUntilItIsSet)
{
    gbWaitDone = -1;
    SubWaitForTimer(5000);
    EXPECT_EQ(services.waitedMilliseconds, 5000);
    EXPECT_EQ(services.flagAtWaitStart, 0);
    EXPECT_EQ(gbWaitDone, -1);
}

TEST_F(PlatformServicesTest, CentringPassesTheWindowOn)
{
    auto* window = reinterpret_cast<platform::Window*>(&services);
    SubCenterForm(window);
    ASSERT_EQ(services.centred.size(), 1u);
    EXPECT_EQ(services.centred.front(), window);
}

TEST(PlatformServicesAbsent, EveryServiceIsHarmlessWithoutWindows)
{
    platform::InstallPlatformServices(nullptr);
    EXPECT_EQ(lFctGetColorCount(nullptr), 1);  // 0 bits: no colour schemes
    SubShowHelpTopic("Welcome.htm");
    SubCenterForm(nullptr);
    gbWaitDone = 0;
    SubWaitForTimer(5000);  // nothing could end the wait: it returns at once
    EXPECT_EQ(gbWaitDone, -1);
}

TEST(DecimalSeparator, ComesFromTheUserLocale)
{
    platform::OverrideUserDecimalSeparator(",");
    EXPECT_EQ(sFctGetDecimalSeparator(), ",");
    platform::OverrideUserDecimalSeparator(std::nullopt);
}

} // namespace
