// Compiles the string table text files into a C++ source:
//   make_string_table OUT.cpp TABLE.txt...
// Each non-blank line that does not start with '#' is "ID<TAB>TEXT". In TEXT,
// a backslash escape stands for a control character: n a line feed, r a carriage return, t a tab,
// and a doubled backslash for a backslash. An id given twice, or a line that is not of this form,
// stops the build.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

namespace {

bool unescape(const std::string& in, std::string& out)
{
    out.clear();
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\\') {
            out += in[i];
            continue;
        }
        if (++i == in.size())
            return false;
        switch (in[i]) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case '\\': out += '\\'; break;
        default: return false;
        }
    }
    return true;
}

std::string cppLiteral(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_string_table OUT.cpp TABLE.txt...\n");
        return 2;
    }
    std::map<int, std::string> table;
    for (int a = 2; a < argc; ++a) {
        std::ifstream in(argv[a], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "make_string_table: cannot read %s\n", argv[a]);
            return 1;
        }
        std::string line;
        int lineNo = 0;
        while (std::getline(in, line)) {
            ++lineNo;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.empty() || line[0] == '#')
                continue;
            const auto tab = line.find('\t');
            std::string text;
            const std::string idText = line.substr(0, tab);
            const bool numeric = !idText.empty()
                && std::all_of(idText.begin(), idText.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (tab == std::string::npos || !numeric || idText.size() > 5
                || !unescape(line.substr(tab + 1), text)) {
                std::fprintf(stderr, "%s:%d: not of the form ID<TAB>TEXT\n", argv[a], lineNo);
                return 1;
            }
            const int id = std::stoi(idText);
            if (!table.emplace(id, text).second) {
                std::fprintf(stderr, "%s:%d: id %d given twice\n", argv[a], lineNo, id);
                return 1;
            }
        }
    }

    std::string out = "// Generated from resources/strings by make_string_table. Do not edit.\n"
                      "#include \"platform/core/ResourceStrings.h\"\n\n"
                      "#include <algorithm>\n#include <iterator>\n\n"
                      "namespace platform {\nnamespace {\n"
                      "struct Entry { int id; const char* text; };\n"
                      "const Entry kTable[] = {\n";
    for (const auto& [id, text] : table)
        out += "    {" + std::to_string(id) + ", " + cppLiteral(text) + "},\n";
    out += "};\n} // namespace\n\n"
           "const char* FindResourceString(int id)\n{\n"
           "    const auto it = std::lower_bound(std::begin(kTable), std::end(kTable), id,\n"
           "        [](const Entry& e, int key) { return e.id < key; });\n"
           "    return (it != std::end(kTable) && it->id == id) ? it->text : nullptr;\n}\n\n"
           "} // namespace platform\n";

    const std::string tmp = std::string(argv[1]) + ".tmp";
    {
        std::ofstream o(tmp, std::ios::binary);
        o << out;
        if (!o)
            return 1;
    }
    return std::rename(tmp.c_str(), argv[1]) == 0 ? 0 : 1;
}
