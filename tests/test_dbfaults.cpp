// Database failures in words a shop can act on: the driver's code gives a
// Chinese sentence saying what happened and what to do, shown before the
// driver's own text; a read-only database still lets the operator in; typed
// text is quoted at a readable length.
#include "EditorKit.h"
#include "OtherDesk.h"

#include "core/FrmLogin.h"
#include "core/FrmMain.h"
#include "platform/grid/TextGrid.h"
#include "platform/ui/Msg.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>
#include <sqlite3.h>

Q_DECLARE_METATYPE(DbFault)

namespace {

QString liveFile(TestApp &app)
{
    return QDir(app.dir()).filePath(QStringLiteral("hengyuan.db"));
}

} // namespace

class TestDbFaults : public QObject
{
    Q_OBJECT

private slots:
    void classification_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("code");
        QTest::addColumn<DbFault>("fault");
        const auto row = [](const char *name, const char *source, const QString &code, DbFault f) {
            QTest::newRow(name) << QString::fromLatin1(source) << code << f;
        };
        const auto n = [](int c) { return QString::number(c); };
        row("SQLITE_BUSY", "sqlite", n(SQLITE_BUSY), DbFault::Busy);
        row("SQLITE_LOCKED", "sqlite", n(SQLITE_LOCKED), DbFault::Busy);
        row("SQLITE_BUSY_SNAPSHOT", "sqlite", n(SQLITE_BUSY_SNAPSHOT), DbFault::Busy);
        row("SQLITE_FULL", "sqlite", n(SQLITE_FULL), DbFault::Full);
        row("SQLITE_READONLY", "sqlite", n(SQLITE_READONLY), DbFault::ReadOnly);
        row("SQLITE_READONLY_DBMOVED", "sqlite", n(SQLITE_READONLY_DBMOVED), DbFault::ReadOnly);
        row("SQLITE_CORRUPT", "sqlite", n(SQLITE_CORRUPT), DbFault::Damaged);
        row("SQLITE_NOTADB", "sqlite", n(SQLITE_NOTADB), DbFault::Damaged);
        row("SQLITE_CANTOPEN", "sqlite", n(SQLITE_CANTOPEN), DbFault::CannotOpen);
        row("SQLITE_IOERR_WRITE", "sqlite", n(SQLITE_IOERR_WRITE), DbFault::DiskIo);
        row("SQLITE_ERROR", "sqlite", n(SQLITE_ERROR), DbFault::None);
        row("SQLITE_CONSTRAINT", "sqlite", n(SQLITE_CONSTRAINT_TRIGGER), DbFault::None);
        row("no code", "sqlite", QString(), DbFault::None);
        row("HYT00", "odbc", QStringLiteral("HYT00"), DbFault::Timeout);
        row("HYT01", "odbc", QStringLiteral("hyt01"), DbFault::Timeout);
        row("08001", "odbc", QStringLiteral("08001"), DbFault::Connection);
        row("08S01 after a warning", "odbc", QStringLiteral("01000;08S01;"), DbFault::Connection);
        row("40001", "odbc", QStringLiteral("40001"), DbFault::Deadlock);
        row("42S02", "odbc", QStringLiteral("42S02"), DbFault::None);
        row("HY000", "odbc", QStringLiteral("HY000"), DbFault::None);
        row("server deadlock", "odbc", QStringLiteral("1205"), DbFault::Deadlock);
        row("server lock timeout", "odbc", QStringLiteral("1222"), DbFault::Busy);
        row("server log full", "odbc", QStringLiteral("9002"), DbFault::Full);
        row("server filegroup full", "odbc", QStringLiteral("1105"), DbFault::Full);
        row("server read-only", "odbc", QStringLiteral("3906"), DbFault::ReadOnly);
        row("server cannot open", "odbc", QStringLiteral("4060"), DbFault::CannotOpen);
        row("FreeTDS unreachable", "odbc", QStringLiteral("20009"), DbFault::Connection);
        row("FreeTDS timed out", "odbc", QStringLiteral("20003"), DbFault::Timeout);
        row("server no such table", "odbc", QStringLiteral("208"), DbFault::None);
        // SQLite's numbers through ODBC are not SQL Server's.
        row("SQLite busy through ODBC", "odbc", n(SQLITE_BUSY), DbFault::None);
    }
    void classification()
    {
        QFETCH(QString, source);
        QFETCH(QString, code);
        QFETCH(DbFault, fault);
        QCOMPARE(dbfault::fromNativeCode(code, source == QStringLiteral("sqlite")), fault);
    }

    void shownText_data()
    {
        QTest::addColumn<DbFault>("fault");
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QString>("shown");
        QTest::newRow("busy") << DbFault::Busy << "database is locked"
                              << "数据库正被另一台电脑上的操作占用，本次操作没有完成。请稍后再试。\ndatabase is locked";
        QTest::newRow("full") << DbFault::Full << "database or disk is full"
                              << "磁盘已满，数据无法写入。请清理出磁盘空间后再试。\ndatabase or disk is full";
        QTest::newRow("read-only")
            << DbFault::ReadOnly << "attempt to write a readonly database"
            << "数据库文件是只读的，数据无法写入。请检查该文件及其所在文件夹的权限。\nattempt to write a readonly database";
        QTest::newRow("damaged") << DbFault::Damaged << "database disk image is malformed"
                                 << "数据库文件已损坏。请用最近的备份还原数据库。\ndatabase disk image is malformed";
        QTest::newRow("no driver text") << DbFault::Busy << ""
                                        << "数据库正被另一台电脑上的操作占用，本次操作没有完成。请稍后再试。";
        QTest::newRow("unrecognised") << DbFault::None << "磁盘已满" << "磁盘已满";
    }
    void shownText()
    {
        QFETCH(DbFault, fault);
        QFETCH(QString, driver);
        QFETCH(QString, shown);
        const DbError e(driver, QStringLiteral("select 1"), fault);
        QCOMPARE(e.text(), shown);
        QCOMPARE(e.driverText(), driver);
        QCOMPARE(QString::fromStdString(e.what()), shown);
        QCOMPARE(e.fault(), fault);
    }

    // A save that meets a real failure of the embedded database shows the
    // sentence, saves nothing and keeps the input.
    void saveFailures_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<DbFault>("fault");
        QTest::addColumn<QString>("driver");
        QTest::newRow("busy") << "busy" << DbFault::Busy << "database is locked";
        QTest::newRow("disk full") << "full" << DbFault::Full << "database or disk is full";
        QTest::newRow("read-only") << "readonly" << DbFault::ReadOnly << "attempt to write a readonly database";
    }
    void saveFailures()
    {
        QFETCH(QString, how);
        QFETCH(DbFault, fault);
        QFETCH(QString, driver);
        TestApp app;
        QVERIFY(app.ok());
        OtherDesk desk(liveFile(app));
        if (how == QStringLiteral("busy")) {
            app.db().setBusyTimeout(100);
            QVERIFY(desk.hold(60000));
        } else if (how == QStringLiteral("full")) {
            // No room beyond the pages the file has; the save's log entry
            // brings a large value along.
            app.db().exec(QStringLiteral("create trigger Large after insert on OperatorLog "
                                         "begin insert into Temp(StorageName) values(zeroblob(4000000)); end"));
            app.db().exec(QStringLiteral("PRAGMA max_page_count=1"));
        } else {
            app.db().exec(QStringLiteral("PRAGMA query_only=1"));
        }
        msg::Recorder box;
        auto w = openEditor(app, 509);
        typeInto(w.get(), "txt_BuyerID", QStringLiteral("B1"));
        typeInto(w.get(), "txt_BuyerName", QStringLiteral("采购甲"));
        press(w.get(), "cmd_OK");
        desk.release();

        QCOMPARE(box.count(), 1);
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(box.lastText(), dbfault::advice(fault) + QLatin1Char('\n') + driver);
        QCOMPARE(app.count(QStringLiteral("Buyer")), 0);
        QCOMPARE(app.log(), QStringList());
        QVERIFY(w->isVisible());
        QCOMPARE(textOf(w.get(), "txt_BuyerName"), QStringLiteral("采购甲"));
    }

    void damagedFileAtStart()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("hengyuan.db"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'x'));
        f.close();
        Database db(QStringLiteral("damaged"));
        try {
            db.open(ConnectionTarget{DbKind::Embedded, QStringLiteral("QSQLITE"), file, SqlDialect::Sqlite});
            QFAIL("opened a file that is no database");
        } catch (const DbError &e) {
            QCOMPARE(e.fault(), DbFault::Damaged);
            QCOMPARE(e.text(), dbfault::advice(DbFault::Damaged) + QStringLiteral("\nfile is not a database"));
        }
        QVERIFY(!db.isOpen());
    }

    void serverThatIsNotThere()
    {
        Database db(QStringLiteral("server"));
        try {
            db.open(ConnectionTarget{DbKind::SqlServer, QStringLiteral("QODBC"),
                                     QStringLiteral("DRIVER={FreeTDS};Server={127.0.0.1};Port=1;Database={x};"
                                                    "UID={sa};PWD={x};"),
                                     SqlDialect::SqlServer});
            QFAIL("connected to a server that is not there");
        } catch (const DbError &e) {
            QCOMPARE(e.fault(), DbFault::Connection);
            QVERIFY2(e.text().startsWith(dbfault::advice(DbFault::Connection) + QLatin1Char('\n')), qPrintable(e.text()));
            QVERIFY(e.driverText().contains(QStringLiteral("FreeTDS")));
        }
    }

    void signInToAReadOnlyDatabase()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("insert into PurchaseOrder(PurchaseOrderID,OperateDate,SupplierID,Amount,OperatorID,BuyerID) "
                                     "values('PO1','2026-12-08','S1',10,'Administrator','B1')"));
        app.db().exec(QStringLiteral("PRAGMA query_only=1"));
        app.state().currentOperatorID.clear();
        msg::Recorder box;
        FrmLogin w(app.state(), FrmLogin::Mode::SignInAgain);
        QSignalSpy signedIn(&w, &FrmLogin::signedIn);
        w.show();
        typeInto(&w, "txt_Password", QStringLiteral("admin"));
        press(&w, "cmd_OK");

        QCOMPARE(signedIn.count(), 1);
        QCOMPARE(app.state().currentOperatorID, QStringLiteral("Administrator"));
        QCOMPARE(box.count(), 1);
        QCOMPARE(int(box.shown().last().icon), int(msg::Icon::Warning));
        QCOMPARE(box.lastTitle(), QStringLiteral("系统提示"));
        QCOMPARE(box.lastText(), QStringLiteral("本次登录未能记入操作日志。\n") + dbfault::advice(DbFault::ReadOnly)
                                     + QStringLiteral("\nattempt to write a readonly database"));
        QCOMPARE(app.log(), QStringList());
        // The data can be read.
        FrmMain main(app.state());
        main.navigate(101);
        QCOMPARE(main.grid()->rows(), 2);
        QCOMPARE(main.grid()->textMatrix(1, 1), QStringLiteral("PO1"));
        QCOMPARE(box.count(), 1);
    }

    void quoted_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("quoted");
        const QString forty = QString(40, QLatin1Char('A'));
        QTest::newRow("short") << "A01" << "A01";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("40 characters") << forty << forty;
        QTest::newRow("41 characters") << forty + QLatin1Char('B') << forty + QChar(0x2026);
        QTest::newRow("10,000 characters") << QString(10000, QLatin1Char('9')) << QString(40, QLatin1Char('9')) + QChar(0x2026);
        QTest::newRow("Chinese") << QString(50, QChar(0x7f16)) << QString(40, QChar(0x7f16)) + QChar(0x2026);
        // A character outside the basic plane is never cut in two.
        const QString wide = QString::fromUcs4(U"\U00020000");
        QTest::newRow("pair at the cut") << QString(39, QLatin1Char('A')) + wide + QStringLiteral("BB")
                                         << QString(39, QLatin1Char('A')) + QChar(0x2026);
    }
    void quoted()
    {
        QFETCH(QString, typed);
        QFETCH(QString, quoted);
        QCOMPARE(msg::quoted(typed), quoted);
    }

    void quotedPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("short") << "/备份/上周.db" << "/备份/上周.db";
        const QString folder = QStringLiteral("/home/shop/") + QString(200, QLatin1Char('d')) + QLatin1Char('/');
        const QString name = QStringLiteral("2026年12月月末备份.db");
        const QString path = folder + name;
        QTest::newRow("long") << path << path.left(24) + QChar(0x2026) + path.right(55);
    }
    void quotedPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, quoted);
        const QString q = msg::quotedPath(path);
        QCOMPARE(q, quoted);
        QVERIFY(q.size() <= 80);
        QVERIFY(q.endsWith(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1)));
    }
};

QTEST_MAIN(TestDbFaults)
#include "test_dbfaults.moc"
