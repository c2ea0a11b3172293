// Builds the database supplied with the program: runs the SQL files of the
// given folder, in the order of their names, on a new SQLite file. Also puts
// the default Setup.ini beside it. Neither file is ever overwritten.
//
//   makedb <sql folder> <database file> [<Setup.ini template> <Setup.ini>]
//
// Or creates it on a SQL Server, as the login sa, whose password is read
// from standard input; a database already there is never touched:
//
//   makedb --server <ServerName> <DbName> [<sql folder>]

#include "ServerDb.h"

#include <QCoreApplication>
#include <sqlite3.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

static std::string readFile(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

static int buildDatabase(const fs::path &sqlDir, const fs::path &dbFile)
{
    std::vector<fs::path> files;
    for (const auto &e : fs::directory_iterator(sqlDir)) {
        if (e.is_regular_file() && e.path().extension() == ".sql")
            files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        std::cerr << "makedb: no .sql files in " << sqlDir << "\n";
        return 1;
    }
    const fs::path tmp = dbFile.string() + ".new";
    fs::remove(tmp);
    sqlite3 *db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) {
        std::cerr << "makedb: cannot create " << tmp << ": " << sqlite3_errmsg(db) << "\n";
        sqlite3_close(db);
        return 1;
    }
    for (const auto &f : files) {
        char *err = nullptr;
        if (sqlite3_exec(db, readFile(f).c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::cerr << "makedb: " << f << ": " << (err ? err : "error") << "\n";
            sqlite3_free(err);
            sqlite3_close(db);
            fs::remove(tmp);
            return 1;
        }
    }
    sqlite3_close(db);
    fs::rename(tmp, dbFile);
    std::cout << "makedb: created " << dbFile << "\n";
    return 0;
}

// The password typed at the terminal without being shown, or the first line
// of standard input.
static std::string readPassword()
{
    const bool terminal = isatty(STDIN_FILENO);
    termios saved{};
    if (terminal) {
        std::cerr << "sa 的密码：" << std::flush;
        tcgetattr(STDIN_FILENO, &saved);
        termios hidden = saved;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &hidden);
    }
    std::string password;
    std::getline(std::cin, password);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::cerr << "\n";
    }
    return password;
}

static int serverMode(int argc, char **argv)
{
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: makedb --server <ServerName> <DbName> [<sql folder>]\n";
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString password = QString::fromStdString(readPassword()).trimmed();
    return createServerDatabase(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), password,
                                argc == 5 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral(HY_SERVER_SQL_DIR));
}

int main(int argc, char **argv)
{
    if (argc > 1 && std::string(argv[1]) == "--server")
        return serverMode(argc, argv);
    if (argc != 3 && argc != 5) {
        std::cerr << "usage: makedb <sql folder> <database file> [<Setup.ini template> <Setup.ini>]\n";
        return 2;
    }
    int rc = 0;
    const fs::path dbFile = argv[2];
    if (!fs::exists(dbFile))
        rc = buildDatabase(argv[1], dbFile);
    if (rc == 0 && argc == 5) {
        const fs::path ini = argv[4];
        if (!fs::exists(ini)) {
            fs::copy_file(argv[3], ini);
            std::cout << "makedb: created " << ini << "\n";
        }
    }
    return rc;
}
