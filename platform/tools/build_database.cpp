// Builds an SQLite database file from SQL text: build_database OUT.db IN.sql...
// The output is created anew, so a rebuilt database never keeps old rows.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: build_database OUT.db IN.sql...\n");
        return 2;
    }
    const std::string out = argv[1];
    const std::string tmp = out + ".tmp";
    std::remove(tmp.c_str());

    sqlite3* db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "build_database: cannot create %s\n", tmp.c_str());
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "build_database: cannot read %s\n", argv[i]);
            sqlite3_close(db);
            return 1;
        }
        std::stringstream text;
        text << in.rdbuf();
        char* error = nullptr;
        const std::string sql = "BEGIN;\n" + text.str() + "\nCOMMIT;";
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::fprintf(stderr, "build_database: %s: %s\n", argv[i], error ? error : "error");
            sqlite3_free(error);
            sqlite3_close(db);
            std::remove(tmp.c_str());
            return 1;
        }
    }
    sqlite3_close(db);
    if (std::rename(tmp.c_str(), out.c_str()) != 0) {
        std::fprintf(stderr, "build_database: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
