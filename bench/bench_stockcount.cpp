// Times a stock count of 1,000 lines in its window on a database of
// realistic size: "保存" of the new count (checks, header, lines and log in
// one transaction), opening it again, and "修改库存" (each goods item's
// stock set to its count, with the log entry, in one transaction).
//
//   bench_stockcount [database file]   (default /tmp/hengyuan_bench.db, built when absent)

#include "BenchData.h"

#include "bills/BillStore.h"
#include "core/AppState.h"
#include "platform/ui/Msg.h"
#include "stock/FrmCheck.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>

namespace {

const int Lines = 1000;
const int Runs = 5;
const double LimitMs = 200;

// Grid columns of a count.
enum Col { Code = 1, Book = 6, Counted = 7 };

struct Times {
    QVector<double> save, load, apply;
};

// One count: the lines filled as the goods picker fills them, each counted
// (the books, or 1 where the books hold nothing), then saved, reopened and
// applied.
bool runOnce(AppState &state, const QString &number, Times &times)
{
    QStringList codes;
    for (int i = 0; i < Lines; ++i)
        codes << QStringLiteral("G%1").arg(i * 9 + 7, 6, 10, QLatin1Char('0'));
    msg::Recorder messages; // no message box may stop the run
    state.editMode = 1;
    FrmCheck add(state, 1, QString());
    if (!add.load())
        return false;
    add.findChild<QLineEdit *>(QStringLiteral("txt_CheckID"))->setText(number);
    add.findChild<QLineEdit *>(QStringLiteral("txt_Checker"))->setText(QStringLiteral("E001"));
    const ResultPtr goods = BillStore(state.db, FrmCheck::billKind()).pickedGoods(codes);
    BillGrid &grid = add.lines();
    for (int r = 0; r < goods->rowCount(); ++r) {
        const int row = r + 1;
        if (row >= grid.rows())
            grid.insertLineAtEnd();
        grid.setCell(row, Code, goods->text(r, 0));
        grid.fillGoods(row, *goods, r, true);
        const QString book = grid.cell(row, Book);
        grid.setCell(row, Counted, book == QStringLiteral("0") ? QStringLiteral("1") : book);
    }

    double t0 = nowMs();
    if (!add.save()) {
        std::fprintf(stderr, "%s\n", qPrintable(messages.lastText()));
        return false;
    }
    times.save << nowMs() - t0;

    state.editMode = 2;
    t0 = nowMs();
    FrmCheck modify(state, 2, number);
    if (!modify.load() || modify.lines().rows() != Lines + 1)
        return false;
    times.load << nowMs() - t0;

    messages.answer(QMessageBox::Yes);
    t0 = nowMs();
    if (!modify.modifyStorage()) {
        std::fprintf(stderr, "%s\n", qPrintable(messages.lastText()));
        return false;
    }
    times.apply << nowMs() - t0;
    return messages.count() == 1; // the question, nothing else
}

bool report(const char *what, const char *command, QVector<double> t, bool limited)
{
    std::sort(t.begin(), t.end());
    const double median = t[t.size() / 2];
    std::printf("  %-10s median %7.1f ms, best %7.1f ms, worst %7.1f ms", what, median, t.first(), t.last());
    if (limited)
        std::printf("  limit %.0f  %s", LimitMs, median <= LimitMs ? "ok" : "SLOW");
    std::printf("  (%s)\n", command);
    return !limited || median <= LimitMs;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppState state;
    if (!openBenchDatabase(state.db, argc, argv))
        return 1;
    state.currentOperatorID = QStringLiteral("Administrator");
    state.currentOperatorName = QStringLiteral("系统管理员");
    const qint64 counts = state.db.scalar(QStringLiteral("select count(*) from CheckNumber")).toLongLong();
    const qint64 goods = state.db.scalar(QStringLiteral("select count(*) from Product")).toLongLong();
    std::printf("database: %lld goods, %lld stock counts\n", goods, counts);

    Times times;
    const QString stamp = QString::number(QDateTime::currentMSecsSinceEpoch());
    for (int i = 0; i < Runs; ++i) {
        if (!runOnce(state, QStringLiteral("BK%1-%2").arg(stamp).arg(i), times)) {
            std::fprintf(stderr, "run %d failed\n", i + 1);
            return 1;
        }
    }
    std::printf("%d-line stock count, %d runs:\n", Lines, Runs);
    const bool saveOk = report("save", "保存", times.save, true);
    report("open again", "修改记录", times.load, false);
    const bool applyOk = report("apply", "修改库存", times.apply, true);
    return saveOk && applyOk ? 0 : 1;
}
