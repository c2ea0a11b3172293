// Backup and restore below the windows: the backup file names, copies of the
// live embedded database, restores into the live connection, and the
// statements sent to SQL Server.
#include "BackupTestData.h"

#include "core/DbOperation.h"
#include "core/SqlServerBackup.h"
#include "platform/db/SqliteDirect.h"

#include <QDir>
#include <QtTest>

#include <csignal>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace backuptest;

namespace {

// Records what a backup or restore asks of the server, and fails the step
// it is told to fail.
class FakeLink : public sqlserver::ServerLink
{
public:
    QStringList calls;
    QString failing; // the call that throws, e.g. "master: restore"

    void execOnMain(const QString &sql) override { step(QStringLiteral("main: ") + sql); }
    void closeMain() override { step(QStringLiteral("close main")); }
    void reopenMain() override { step(QStringLiteral("reopen main")); }
    void openMaster() override { step(QStringLiteral("open master")); }
    void execOnMaster(const QString &sql) override { step(QStringLiteral("master: ") + sql); }
    void closeMaster() override { step(QStringLiteral("close master")); }

private:
    void step(const QString &call)
    {
        calls << call;
        if (!failing.isEmpty() && call.startsWith(failing))
            throw DbError(QStringLiteral("失败于 ") + failing);
    }
};

// A backup of the live file into target made by another process that is
// killed part-way through writing the copy. True when it was killed.
bool killedBackup(const QString &live, const QString &target)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(30); // never outlives the test
        sqlite3 *db = nullptr;
        sqlite3_open_v2(QFile::encodeName(live).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_progress_handler(
            db, 50,
            [](void *) {
                ::raise(SIGKILL);
                return 0;
            },
            nullptr);
        try {
            dbop::backupSqlite(db, target);
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

QStringList filesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestDbOperation : public QObject
{
    Q_OBJECT

private slots:
    void backupTarget_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("valid");
        const int embedded = int(DbKind::Embedded), server = int(DbKind::SqlServer), oracle = int(DbKind::Oracle);
        QTest::newRow("dotted folder stays") << "<dir>/b.c/x" << embedded << "<dir>/b.c/x.db" << true;
        QTest::newRow("other extension") << "<dir>/x.bak" << embedded << "<dir>/x.db" << true;
        QTest::newRow("two dots in the name") << "<dir>/x.tar.gz" << embedded << "<dir>/x.db" << true;
        QTest::newRow("blanks around") << "  <dir>/x.db  " << embedded << "<dir>/x.db" << true;
        QTest::newRow("hidden folder, Chinese name") << "<dir>/.hidden/备份2026.01" << embedded
                                                     << "<dir>/.hidden/备份2026.db" << true;
        QTest::newRow("a file typed as b.c") << "<dir>/b.c" << embedded << "<dir>/b.db" << true;
        QTest::newRow("server") << "<dir>/x.db" << server << "<dir>/x.bak" << true;
        QTest::newRow("oracle is a file kind") << "<dir>/x" << oracle << "<dir>/x.db" << true;
        QTest::newRow("bare name") << "x.db" << embedded << "x.db" << false;
        QTest::newRow("empty box") << "" << embedded << ".db" << false;
        QTest::newRow("empty box, server") << "" << server << ".bak" << false;
        QTest::newRow("nothing before the dot") << "<dir>/.profile" << embedded << "<dir>/.db" << false;
        QTest::newRow("folder only") << "<dir>/" << embedded << "<dir>/.db" << false;
        QTest::newRow("missing folder") << "<dir>/missing/x" << embedded << "<dir>/missing/x.db" << false;
        QTest::newRow("relative folder") << "b.c/x" << embedded << "b.c/x.db" << false;
    }
    void backupTarget()
    {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QString, target);
        QFETCH(bool, valid);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("b.c")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral(".hidden")));
        typed.replace(QStringLiteral("<dir>"), dir.path());
        target.replace(QStringLiteral("<dir>"), dir.path());
        QCOMPARE(dbop::backupTarget(typed, DbKind(kind)), target);
        QCOMPARE(dbop::backupPathIsValid(target), valid);
    }

    void filters()
    {
        QCOMPARE(dbop::backupFilter(DbKind::Embedded), QStringLiteral("Backup Files(*.db)"));
        QCOMPARE(dbop::backupFilter(DbKind::Oracle), QStringLiteral("Backup Files(*.db)"));
        QCOMPARE(dbop::backupFilter(DbKind::SqlServer), QStringLiteral("Backup Files(*.bak)"));
    }

    void backupHoldsWhatWasJustSaved_data()
    {
        QTest::addColumn<QString>("journal");
        QTest::newRow("rollback journal") << "delete";
        QTest::newRow("write-ahead log") << "wal";
    }
    void backupHoldsWhatWasJustSaved()
    {
        QFETCH(QString, journal);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().exec(QStringLiteral("PRAGMA journal_mode=") + journal);
        saveOrder(app, QStringLiteral("PO1"), 10);
        QTemporaryDir out;
        const QString target = out.filePath(QStringLiteral("backup.db"));
        dbop::backupSqlite(app.db().sqliteHandle(), target);
        QCOMPARE(ordersIn(target), QStringList{QStringLiteral("PO1")});
        dbop::checkBackupFile(target);
        // The live connection goes on as before.
        saveOrder(app, QStringLiteral("PO2"), 20);
        QCOMPARE(orders(app.db()).size(), 2);
    }

    void backupReplacesAnEarlierOne()
    {
        BackedUp b;
        QVERIFY(b.ok());
        dbop::backupSqlite(b.app.db().sqliteHandle(), b.file);
        QCOMPARE(ordersIn(b.file), (QStringList{QStringLiteral("PO1"), QStringLiteral("PO2")}));
        QCOMPARE(filesIn(b.out.path()), QStringList{QStringLiteral("backup.db")});
    }

    void failedBackupKeepsTheEarlierFile()
    {
        BackedUp b;
        QVERIFY(b.ok());
        const QByteArray earlier = bytesOf(b.file);
        {
            // No copy can be taken in the middle of a save.
            Transaction t(b.app.db());
            QVERIFY_THROWS_EXCEPTION(DbError, dbop::backupSqlite(b.app.db().sqliteHandle(), b.file));
        }
        QCOMPARE(bytesOf(b.file), earlier);
        QCOMPARE(filesIn(b.out.path()), QStringList{QStringLiteral("backup.db")});
    }

    void backupIntoAFolderThatCannotBeWritten()
    {
        TestApp app;
        QVERIFY(app.ok());
        // Not even root can make files in /proc.
        QVERIFY_THROWS_EXCEPTION(DbError, dbop::backupSqlite(app.db().sqliteHandle(), QStringLiteral("/proc/backup.db")));
        QVERIFY(!QFile::exists(QStringLiteral("/proc/backup.db")));
    }

    void restoreBringsBackTheOlderData_data()
    {
        QTest::addColumn<QByteArray>("backupJournal");
        QTest::newRow("backup in the rollback journal's mode") << QByteArray("DELETE");
        QTest::newRow("backup in WAL mode") << QByteArray("WAL");
    }
    void restoreBringsBackTheOlderData()
    {
        QFETCH(QByteArray, backupJournal);
        BackedUp b;
        QVERIFY(b.ok());
        TestApp &app = b.app;
        app.db().exec(QStringLiteral("update Operator set OperatorName='改过的名字'"));
        runSql(b.file, "PRAGMA journal_mode=" + backupJournal);

        dbop::restoreSqlite(app.db().sqliteHandle(), b.file);
        QVERIFY(app.db().isOpen());
        // The live database keeps its journal mode, now and when opened again.
        QCOMPARE(app.one(QStringLiteral("PRAGMA journal_mode")), QStringLiteral("delete"));
        QCOMPARE(bytesOf(app.dir() + QStringLiteral("/hengyuan.db")).mid(18, 2), QByteArray("\x01\x01"));
        QCOMPARE(orders(app.db()), QStringList{QStringLiteral("PO1")});
        QCOMPARE(app.one(QStringLiteral("select OperatorName from Operator")), QStringLiteral("系统管理员"));
        QCOMPARE(app.count(QStringLiteral("PurchaseOrderDetail")), 1);
        // Saving goes on, numbered from the restored log.
        const qint64 logRows = app.count(QStringLiteral("OperatorLog"));
        saveOrder(app, QStringLiteral("PO3"), 30);
        QCOMPARE(orders(app.db()), (QStringList{QStringLiteral("PO1"), QStringLiteral("PO3")}));
        QCOMPARE(app.count(QStringLiteral("OperatorLog")), logRows + 1);
        // The backup file itself is not changed by the restore.
        QCOMPARE(ordersIn(b.file), QStringList{QStringLiteral("PO1")});
    }

    void restoreRefusesFilesThatAreNotOurs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such file") << "missing" << "无法打开所选文件：";
        QTest::newRow("text file") << "text" << "所选文件不是数据库文件。";
        QTest::newRow("empty file") << "empty" << "所选文件不是本系统的数据库。";
        QTest::newRow("another program's database") << "foreign" << "所选文件不是本系统的数据库。";
        QTest::newRow("one table missing") << "noTemp" << "所选文件不是本系统的数据库（缺少数据表 Temp）。";
        QTest::newRow("damaged schema") << "damagedSchema" << "所选文件已损坏：";
        QTest::newRow("damaged rows") << "damagedRows" << "所选文件已损坏：";
        QTest::newRow("index out of order") << "badIndex" << "所选文件已损坏：row ";
        QTest::newRow("a column renamed")
            << "renamedColumn" << "所选文件的数据表与当前数据库不一致（数据表 Product 缺少列 NowStorage）。";
        QTest::newRow("columns missing in two tables")
            << "droppedColumns" << "所选文件的数据表与当前数据库不一致（数据表 Pay 缺少列 BuyInID；数据表 Product 缺少列 Remark、NowStorage）。";
        QTest::newRow("UTF-16 database") << "utf16" << "所选文件的文本编码是 UTF-16le，与当前数据库的 UTF-8 不同。";
        QTest::newRow("locked by another program") << "locked" << "所选文件正被另一个程序使用";
    }
    void restoreRefusesFilesThatAreNotOurs()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        for (int i = 1; i <= 40; ++i)
            saveOrder(app, QStringLiteral("PO%1").arg(i, 2, 10, QLatin1Char('0')), i);
        QTemporaryDir out;
        const QString file = out.filePath(QStringLiteral("chosen.db"));
        if (kind == QStringLiteral("missing")) {
        } else if (kind == QStringLiteral("text")) {
            writeFile(file, "这不是数据库，只是一段文字。\n");
        } else if (kind == QStringLiteral("empty")) {
            writeFile(file, QByteArray());
        } else if (kind == QStringLiteral("foreign")) {
            runSql(file, "create table Customers(Name text); insert into Customers values('x');");
        } else if (kind == QStringLiteral("noTemp")) {
            QVERIFY(createSuppliedDatabase(file));
            runSql(file, "drop table Temp;");
        } else if (kind == QStringLiteral("renamedColumn")) {
            dbop::backupSqlite(app.db().sqliteHandle(), file);
            runSql(file, "alter table Product rename column NowStorage to Stock;");
        } else if (kind == QStringLiteral("droppedColumns")) {
            dbop::backupSqlite(app.db().sqliteHandle(), file);
            runSql(file, "alter table Product drop column NowStorage; alter table Product drop column Remark; "
                         "drop index Pay_BuyIn; alter table Pay drop column BuyInID;");
        } else if (kind == QStringLiteral("utf16")) {
            runSql(file, "PRAGMA encoding='UTF-16le'; create table First(x); drop table First;");
            QVERIFY(createSuppliedDatabase(file));
        } else if (kind == QStringLiteral("badIndex")) {
            dbop::backupSqlite(app.db().sqliteHandle(), file);
            runSql(file, "PRAGMA writable_schema=ON; update sqlite_master set sql=replace(sql,'(PurchaseOrderID)',"
                         "'(PurchaseOrderID desc)') where name='PurchaseOrderDetail_Bill';");
        } else {
            dbop::backupSqlite(app.db().sqliteHandle(), file);
            QByteArray bytes = bytesOf(file);
            // Scribble over the pages that follow the schema, or over the
            // page that holds the orders.
            qsizetype from = 2 * 4096, to = bytes.size();
            if (kind == QStringLiteral("damagedRows")) {
                const int page = rootPage(file, "PurchaseOrder");
                QVERIFY(page > 2);
                from = qsizetype(page - 1) * 4096;
                to = from + 4096;
            }
            for (qsizetype i = from; i < to; i += 7)
                bytes[i] = char(0xA5);
            writeFile(file, bytes);
        }
        sqlite3 *other = nullptr; // holds the file's lock while the restore tries
        if (kind == QStringLiteral("locked")) {
            dbop::backupSqlite(app.db().sqliteHandle(), file);
            QCOMPARE(sqlite3_open(QFile::encodeName(file).constData(), &other), SQLITE_OK);
            QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        const QStringList before = app.rows(QStringLiteral("select * from PurchaseOrder order by 1"));
        const QStringList logBefore = app.log();
        QList<qint64> used; // after each try: nothing of the refused file stays open
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                dbop::restoreSqlite(app.db().sqliteHandle(), file);
                QFAIL("the file was restored");
            } catch (const DbError &e) {
                QVERIFY2(e.text().startsWith(reason), qPrintable(e.text()));
            }
            used << sqlite3_memory_used();
        }
        sqlite3_close(other);
        QCOMPARE(used[1], used[0]);
        QCOMPARE(app.rows(QStringLiteral("select * from PurchaseOrder order by 1")), before);
        QCOMPARE(app.log(), logBefore);
        saveOrder(app, QStringLiteral("PO99"), 1);
        QCOMPARE(app.count(QStringLiteral("PurchaseOrder")), 41);
    }

    void restoreTakesAFileWithMoreThanTheLiveOne()
    {
        BackedUp b;
        QVERIFY(b.ok());
        runSql(b.file, "alter table Product add column Colour text; create table Notes(Line text);");
        dbop::checkBackupFile(b.file, b.app.db().sqliteHandle());
        dbop::restoreSqlite(b.app.db().sqliteHandle(), b.file);
        QCOMPARE(orders(b.app.db()), QStringList{QStringLiteral("PO1")});
        saveOrder(b.app, QStringLiteral("PO3"), 30);
        QCOMPARE(orders(b.app.db()), (QStringList{QStringLiteral("PO1"), QStringLiteral("PO3")}));
    }

    void backupTempFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("temporary");
        QTest::newRow("a temporary file") << "周末.db.hengyuan-backup-a1B2c3" << true;
        QTest::newRow("its journal") << "周末.db.hengyuan-backup-a1B2c3-journal" << true;
        QTest::newRow("its write-ahead log") << "b.db.hengyuan-backup-ZZZZZZ-wal" << true;
        QTest::newRow("a backup") << "周末.db" << false;
        QTest::newRow("a backup's journal") << "周末.db-journal" << false;
        QTest::newRow("the bare mark") << ".hengyuan-backup-a1B2c3" << false;
        QTest::newRow("the template itself") << "b.db.hengyuan-backup-XXXXXX" << true;
        QTest::newRow("something after it") << "b.db.hengyuan-backup-a1B2c3.txt" << false;
    }
    void backupTempFileNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, temporary);
        QCOMPARE(dbop::isBackupTempFile(name), temporary);
        // A backup's own name is never taken for a temporary file, and the
        // temporary file is never named as the backup.
        QTemporaryDir out;
        const QString target = dbop::backupTarget(out.filePath(name), DbKind::Embedded);
        const QString tmp = dbop::backupTempTemplate(target);
        QCOMPARE(QFileInfo(tmp).absolutePath(), QFileInfo(target).absolutePath());
        QVERIFY(QFileInfo(tmp).fileName() != QFileInfo(target).fileName());
        QVERIFY(!dbop::isBackupTempFile(QFileInfo(target).fileName()));
        QVERIFY(dbop::isBackupTempFile(QFileInfo(tmp).fileName()));
    }

    void backupRemovesWhatAKilledOneLeft()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        for (int i = 1; i <= 200; ++i)
            saveOrder(app, QStringLiteral("PO%1").arg(i, 3, 10, QLatin1Char('0')), i);
        QTemporaryDir out;
        const QString target = out.filePath(QStringLiteral("backup.db"));
        writeFile(out.filePath(QStringLiteral("notes.txt")), "kept");
        const QString live = QDir(app.dir()).filePath(QStringLiteral("hengyuan.db"));
        // Each backup clears what the one before it left, so however many
        // were killed, only the last one's files remain.
        for (int kill = 0; kill < 3; ++kill) {
            QVERIFY(killedBackup(live, target));
            QVERIFY(!QFile::exists(target));
            const QStringList left = filesIn(out.path()).filter(QStringLiteral(".hengyuan-backup-"));
            QVERIFY2(!left.isEmpty() && left.size() <= 2, qPrintable(left.join(QLatin1Char(' '))));
        }

        dbop::backupSqlite(app.db().sqliteHandle(), target);
        QCOMPARE(filesIn(out.path()), (QStringList{QStringLiteral("backup.db"), QStringLiteral("notes.txt")}));
        QCOMPARE(ordersIn(target).size(), 200);
    }

    void backupLeavesARunningBackupsFileAlone()
    {
        TestApp app;
        QVERIFY(app.ok());
        QTemporaryDir out;
        const QString running = out.filePath(QStringLiteral("other.db.hengyuan-backup-Ab12Cd"));
        QFile other(running);
        QVERIFY(other.open(QIODevice::WriteOnly));
        QCOMPARE(::flock(other.handle(), LOCK_EX | LOCK_NB), 0);
        dbop::backupSqlite(app.db().sqliteHandle(), out.filePath(QStringLiteral("b.db")));
        QVERIFY(QFile::exists(running));
        other.close();
        dbop::backupSqlite(app.db().sqliteHandle(), out.filePath(QStringLiteral("b.db")));
        QCOMPARE(filesIn(out.path()), QStringList{QStringLiteral("b.db")});
    }

    void restoreRefusesTheLiveFileItself()
    {
        TestApp app;
        QVERIFY(app.ok());
        const QString live = QDir(app.dir()).filePath(QStringLiteral("hengyuan.db"));
        try {
            dbop::restoreSqlite(app.db().sqliteHandle(), live);
            QFAIL("restored over itself");
        } catch (const DbError &e) {
            QCOMPARE(e.text(), QStringLiteral("所选文件就是正在使用的数据库。"));
        }
        QVERIFY(app.db().isOpen());
    }

    void operationsForEachKind()
    {
        TestApp app;
        QVERIFY(app.ok());
        DbOperation op(app.state());
        QCOMPARE(op.kind(), DbKind::Embedded);
        QVERIFY(op.backupJob(app.dir() + QStringLiteral("/b.db")).background);
        {
            Transaction t(app.db());
            QVERIFY_THROWS_EXCEPTION(DbError, op.checkAvailable(DbOperation::Work::Backup));
        }
        app.state().dbKind = QStringLiteral("server sql");
        QCOMPARE(op.kind(), DbKind::SqlServer);
        QVERIFY(!op.restoreJob(QStringLiteral("/x.bak")).background);
        app.state().dbKind = QStringLiteral("oracle");
        try {
            op.backupJob(QStringLiteral("/tmp/x.db"));
            QFAIL("oracle backed up");
        } catch (const DbError &e) {
            QCOMPARE(e.text(), QStringLiteral("该类型的数据库不支持备份。"));
        }
        try {
            op.restoreJob(QStringLiteral("/tmp/x.db"));
            QFAIL("oracle restored");
        } catch (const DbError &e) {
            QCOMPARE(e.text(), QStringLiteral("该类型的数据库不支持还原。"));
        }
    }

    void serverStatements_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("backup");
        QTest::addColumn<QString>("restore");
        QTest::addColumn<QString>("single");
        QTest::newRow("plain") << "hengyuan" << "D:\\备份\\b.bak"
                               << "backup database [hengyuan] to disk=N'D:\\备份\\b.bak' with init"
                               << "restore database [hengyuan] from disk=N'D:\\备份\\b.bak' with replace"
                               << "alter database [hengyuan] set single_user with rollback immediate";
        QTest::newRow("blanks trimmed") << " shop " << " /srv/b.bak "
                                        << "backup database [shop] to disk=N'/srv/b.bak' with init"
                                        << "restore database [shop] from disk=N'/srv/b.bak' with replace"
                                        << "alter database [shop] set single_user with rollback immediate";
        QTest::newRow("bracket in the name") << "a]b" << "/srv/b.bak"
                                             << "backup database [a]]b] to disk=N'/srv/b.bak' with init"
                                             << "restore database [a]]b] from disk=N'/srv/b.bak' with replace"
                                             << "alter database [a]]b] set single_user with rollback immediate";
        QTest::newRow("quote in the path") << "shop" << "/srv/o'brien.bak"
                                           << "backup database [shop] to disk=N'/srv/o''brien.bak' with init"
                                           << "restore database [shop] from disk=N'/srv/o''brien.bak' with replace"
                                           << "alter database [shop] set single_user with rollback immediate";
        QTest::newRow("injection") << "x]; drop database y; --" << "a'; drop table Operator; --"
                                   << "backup database [x]]; drop database y; --] to disk=N'a''; drop table "
                                      "Operator; --' with init"
                                   << "restore database [x]]; drop database y; --] from disk=N'a''; drop table "
                                      "Operator; --' with replace"
                                   << "alter database [x]]; drop database y; --] set single_user with rollback "
                                      "immediate";
    }
    void serverStatements()
    {
        QFETCH(QString, db);
        QFETCH(QString, file);
        QFETCH(QString, backup);
        QFETCH(QString, restore);
        QFETCH(QString, single);
        QCOMPARE(sqlserver::backupStatement(db, file), backup);
        const sqlserver::RestoreStatements s = sqlserver::restoreStatements(db, file);
        QCOMPARE(s.singleUser, single);
        QCOMPARE(s.restore, restore);
        QCOMPARE(s.multiUser, QString(single).replace(QStringLiteral(" set single_user with rollback immediate"),
                                                      QStringLiteral(" set multi_user")));
    }

    void serverBackupRunsOnTheProgramsConnection()
    {
        FakeLink link;
        sqlserver::backup(link, QStringLiteral("shop"), QStringLiteral("/srv/b.bak"));
        QCOMPARE(link.calls, QStringList{QStringLiteral("main: backup database [shop] to disk=N'/srv/b.bak' with init")});
        link.calls.clear();
        link.failing = QStringLiteral("main:");
        QVERIFY_THROWS_EXCEPTION(DbError, sqlserver::backup(link, QStringLiteral("shop"), QStringLiteral("/srv/b.bak")));
    }

    void serverRestoreSequence_data()
    {
        const QString single = QStringLiteral("master: alter database [shop] set single_user with rollback immediate");
        const QString restore = QStringLiteral("master: restore database [shop] from disk=N'/srv/b.bak' with replace");
        const QString multi = QStringLiteral("master: alter database [shop] set multi_user");
        const QString close = QStringLiteral("close main"), open = QStringLiteral("open master"),
                      closeMaster = QStringLiteral("close master"), reopen = QStringLiteral("reopen main");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("error");
        QTest::newRow("success") << QString() << QStringList{close, open, single, restore, multi, closeMaster, reopen}
                                 << QString();
        QTest::newRow("master cannot be opened") << "open master" << QStringList{close, open, reopen}
                                                 << "失败于 open master";
        QTest::newRow("single-user refused") << "master: alter database [shop] set single"
                                             << QStringList{close, open, single, multi, closeMaster, reopen}
                                             << "失败于 master: alter database [shop] set single";
        QTest::newRow("restore fails") << "master: restore"
                                       << QStringList{close, open, single, restore, multi, closeMaster, reopen}
                                       << "失败于 master: restore";
        QTest::newRow("multi-user fails") << "master: alter database [shop] set multi"
                                          << QStringList{close, open, single, restore, multi, closeMaster, reopen}
                                          << "失败于 master: alter database [shop] set multi";
        QTest::newRow("reconnect fails") << "reopen main"
                                         << QStringList{close, open, single, restore, multi, closeMaster, reopen}
                                         << "无法重新连接数据库：失败于 reopen main";
    }
    void serverRestoreSequence()
    {
        QFETCH(QString, failing);
        QFETCH(QStringList, calls);
        QFETCH(QString, error);
        FakeLink link;
        link.failing = failing;
        QString thrown;
        try {
            sqlserver::restore(link, QStringLiteral("shop"), QStringLiteral("/srv/b.bak"));
        } catch (const DbError &e) {
            thrown = e.text();
        }
        QCOMPARE(link.calls, calls);
        QCOMPARE(thrown, error);
    }
};

QTEST_MAIN(TestDbOperation)
#include "test_dboperation.moc"
