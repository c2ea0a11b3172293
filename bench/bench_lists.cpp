// Times every list and summary of the main window on a database of realistic
// size, as the operator sees it: from the click on the navigation bar to the
// painted grid, the clearing of the list shown before it included (each list
// is opened right after the one before it in the navigation bar). Beside it
// the floor: the list's defining query (definingQuery()) stepped through the
// SQLite C API on a connection of its own, reading every column as text. A
// list is within its limit when it opens in at most 1.25 x floor + 20 ms; the
// goods summaries 403 and 404 within 1.1 x floor.
//
// For the long lists (100,000 lines and more) it also gives the resident
// memory once the list is painted, and its growth over the memory taken with
// a short list shown (free heap memory handed back first, so that memory
// left over from earlier lists does not hide the growth).
//
//   bench_lists [database file [code ...]]   (the database is built when
//       absent and refused when it was built from another schema; with
//       codes, only those lists are timed)

#include "BenchData.h"
#include "DefiningQueries.h"

#include "core/AppState.h"
#include "core/FrmMain.h"
#include "core/ListCatalog.h"
#include "platform/grid/TextGrid.h"
#include "platform/nav/NavigationBar.h"
#include "platform/ui/Msg.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>
#include <sqlite3.h>

namespace {

const int kRuns = 5;
const int kLongList = 100000;
const int kHugeList = 500000;
const double kHugeGrowthLimitMb = 100;
const double kHugeTimeLimitMs = 1500;
const int kShortListCode = 504;
const double kSummaryFactor = 1.1; // the goods summaries: no more than the query

double floorMs(sqlite3 *db, const QByteArray &sql, int *rows)
{
    const double t0 = nowMs();
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr);
    const int cols = sqlite3_column_count(s);
    int n = 0;
    long long sink = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < cols; ++c)
            sink += sqlite3_column_bytes(s, c) + (sqlite3_column_text(s, c) ? 1 : 0);
        ++n;
    }
    sqlite3_finalize(s);
    static volatile long long keep;
    keep = sink;
    *rows = n;
    return nowMs() - t0;
}

// The navigation bar's group and item of a code.
std::pair<int, int> navItem(int code)
{
    const QVector<NavGroup> &groups = navigationGroups();
    for (int g = 0; g < groups.size(); ++g) {
        const int i = int(groups[g].codes.indexOf(code));
        if (i >= 0)
            return {g + 1, i + 1};
    }
    return {0, 0};
}

// Notes when the grid's cells are painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Clicks the code's navigation item and lets the event loop run until the
// grid is painted, as the window on screen is.
double openList(FrmMain &w, PaintWatch &watch, int code)
{
    const auto [group, item] = navItem(code);
    const double t0 = nowMs();
    watch.painted = false;
    w.navigation()->clickItem(group, item);
    QApplication::processEvents();
    if (!watch.painted)
        w.grid()->viewport()->repaint();
    return nowMs() - t0;
}

double trimmedResidentMb()
{
    malloc_trim(0);
    return residentMb();
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

    AppState state;
    state.programDir = tmp.path();
    state.db.open(ConnectionTarget{DbKind::Embedded, QStringLiteral("QSQLITE"), file, SqlDialect::Sqlite});
    state.currentOperatorID = QStringLiteral("Administrator");
    sqlite3 *raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);

    QList<int> only;
    for (int i = 2; i < argc; ++i)
        only << QByteArray(argv[i]).toInt();

    msg::Recorder box; // a failing list would show a message box: count it instead
    FrmMain w(state, WindowRegistry());
    w.resize(1280, 860);
    w.show();
    QApplication::processEvents();
    PaintWatch watch;
    w.grid()->viewport()->installEventFilter(&watch);

    std::printf("%-5s %-16s %8s %9s %9s %6s %8s %8s  %s\n", "code", "title", "rows", "open ms", "floor ms", "ratio",
                "rss MB", "+MB", "limit 1.25x+20 (403, 404: 1.1x)");
    bool allOk = true;
    int previous = kShortListCode;
    for (const NavGroup &group : navigationGroups()) {
        for (int code : group.codes) {
            const ListSpec *list = listSpec(code);
            if (list->kind == ListSpec::Action || (!only.isEmpty() && !only.contains(code)))
                continue;
            const QByteArray sql = definingQuery(code);
            int rows = 0;
            floorMs(raw, sql, &rows); // warms the page cache
            double floorBest = 1e9, openBest = 1e9;
            double rss = 0, growth = 0;
            if (rows >= kLongList) {
                openList(w, watch, kShortListCode);
                const double before = trimmedResidentMb();
                openList(w, watch, code);
                rss = residentMb();
                growth = rss - before;
            }
            // The floor and the list take turns, so both see the machine in
            // the same state (its speed drifts between runs).
            for (int run = 0; run < kRuns; ++run) {
                floorBest = std::min(floorBest, floorMs(raw, sql, &rows));
                openList(w, watch, previous);
                openBest = std::min(openBest, openList(w, watch, code));
            }
            const bool summary = code == 403 || code == 404;
            const double limit = summary ? kSummaryFactor * floorBest : 1.25 * floorBest + 20;
            bool ok = openBest <= limit && w.grid()->rows() == rows + 1 && box.count() == 0;
            if (rows >= kHugeList)
                ok = ok && openBest < kHugeTimeLimitMs && growth < kHugeGrowthLimitMb;
            allOk = allOk && ok;
            std::printf("%-5d %-16s %8d %9.1f %9.1f %6.2f ", code, qPrintable(list->title), rows, openBest, floorBest,
                        openBest / std::max(floorBest, 0.001));
            if (rows >= kLongList)
                std::printf("%8.1f %8.1f  ", rss, growth);
            else
                std::printf("%8s %8s  ", "", "");
            std::printf("%s\n", ok ? "ok" : "SLOW");
            std::fflush(stdout);
            previous = code;
        }
    }
    sqlite3_close(raw);
    std::printf("lists of %d lines and more: under %.0f ms and %.0f MB of growth\n", kHugeList, kHugeTimeLimitMs,
                kHugeGrowthLimitMb);
    std::printf(allOk ? "every list within the limit\n" : "SOME LISTS OVER THE LIMIT\n");
    return allOk ? 0 : 1;
}
