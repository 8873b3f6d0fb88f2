#pragma once
// Texts the program wrote before, kept byte for byte under report/fixtures.
#include <fstream>
#include <sstream>
#include <string>

namespace sizing_test {

// The whole fixture file of that name; empty when it cannot be read.
inline std::string ReportFixture(const std::string& name)
{
    std::ifstream file(ORV_REPORT_FIXTURES + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace sizing_test
