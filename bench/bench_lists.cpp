// Times every list and summary of the main window on a database of realistic
// size: the list's query read into a result and shown in the grid, beside
// the same query stepped through with the SQLite C API (the floor).
//
//   bench_lists [database file]   (built when absent)

#include "BenchData.h"

#include "core/ListCatalog.h"
#include "platform/db/Database.h"
#include "platform/grid/TextGrid.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <sqlite3.h>

namespace {

double floorMs(sqlite3 *db, const QByteArray &sql, int *rows)
{
    const double t0 = nowMs();
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr);
    const int cols = sqlite3_column_count(s);
    int n = 0;
    long long sink = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < cols; ++c) {
            switch (sqlite3_column_type(s, c)) {
            case SQLITE_INTEGER: sink += sqlite3_column_int64(s, c); break;
            case SQLITE_FLOAT: sink += (long long)sqlite3_column_double(s, c); break;
            case SQLITE_TEXT: sink += sqlite3_column_bytes(s, c) + (sqlite3_column_text(s, c) ? 1 : 0); break;
            default: break;
            }
        }
        ++n;
    }
    sqlite3_finalize(s);
    static volatile long long keep;
    keep = sink;
    *rows = n;
    return nowMs() - t0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.filePath(QStringLiteral("bench.db"));
    if (!ensureBenchDatabase(file))
        return 1;

    Database db;
    db.open(ConnectionTarget{DbKind::Embedded, QStringLiteral("QSQLITE"), file, SqlDialect::Sqlite});
    sqlite3 *raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);

    TextGrid grid;
    grid.resize(1200, 800);
    grid.show();

    std::printf("%-5s %-16s %8s %10s %10s %7s %8s  %s\n", "code", "title", "rows", "ours ms", "floor ms", "ratio",
                "+MB", "limit 2x+50");
    bool allOk = true;
    for (const ListSpec &list : allListSpecs()) {
        if (list.kind == ListSpec::Action)
            continue;
        // Warm the page cache once, then take the best of five runs each.
        int rows = 0;
        floorMs(raw, list.sql.toUtf8(), &rows);
        double floorBest = 1e9, oursBest = 1e9, mb = 0;
        for (int run = 0; run < 5; ++run) {
            floorBest = std::min(floorBest, floorMs(raw, list.sql.toUtf8(), &rows));
            grid.clear();
            QApplication::processEvents();
            const double before = residentMb();
            const double t0 = nowMs();
            ResultPtr rs = db.query(list.sql);
            grid.bind(rs);
            grid.setTextMatrix(0, 0, QStringLiteral("行号"));
            grid.numberRows();
            for (int c = 0; c < list.widths.size() && c < grid.cols(); ++c)
                grid.setColWidth(c, list.widths[c]);
            grid.grab(); // lays out and paints what is on screen
            oursBest = std::min(oursBest, nowMs() - t0);
            mb = std::max(mb, residentMb() - before);
        }
        const bool ok = oursBest <= 2 * floorBest + 50;
        allOk = allOk && ok;
        std::printf("%-5d %-16s %8d %10.1f %10.1f %7.2f %8.1f  %s\n", list.code, qPrintable(list.title), rows,
                    oursBest, floorBest, oursBest / std::max(floorBest, 0.001), mb, ok ? "ok" : "SLOW");
        std::fflush(stdout);
    }
    sqlite3_close(raw);
    std::printf(allOk ? "every list within the limit\n" : "SOME LISTS OVER THE LIMIT\n");
    return allOk ? 0 : 1;
}
