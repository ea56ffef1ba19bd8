// Builds the team database from its SQL source: make_teamdb SOURCE.sql TARGET.db
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_teamdb SOURCE.sql TARGET.db\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "make_teamdb: cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream sql;
    sql << in.rdbuf();

    std::string temp = std::string(argv[2]) + ".part";
    std::remove(temp.c_str());
    sqlite3* db = nullptr;
    char* error = nullptr;
    bool ok = sqlite3_open(temp.c_str(), &db) == SQLITE_OK &&
              sqlite3_exec(db, sql.str().c_str(), nullptr, nullptr, &error) == SQLITE_OK;
    if (!ok) std::fprintf(stderr, "make_teamdb: %s\n", error ? error : sqlite3_errmsg(db));
    sqlite3_free(error);
    sqlite3_close(db);
    if (!ok || std::rename(temp.c_str(), argv[2]) != 0) {
        std::remove(temp.c_str());
        return 1;
    }
    return 0;
}
