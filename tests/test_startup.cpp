// Start-up: the database kinds, the connection strings, the failures that
// end the start-up, and the faces the program's text is drawn in.
#include "EditorKit.h"

#include "core/Startup.h"
#include "platform/ini/IniFile.h"
#include "platform/ui/Faces.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGlyphRun>
#include <QLabel>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    // First: the faces are set before anything is drawn, as at start. Chinese
    // takes the Simplified Chinese face under the tests' C.UTF-8 locale too
    // (盘 and 点 differ in the Japanese one).
    void billTitleTakesTheSimplifiedChineseFace()
    {
        faces::setUp();
        TestApp app;
        QVERIFY(app.ok());
        const auto w = openEditor(app, 304);
        QTextLayout title(QStringLiteral("盘点"), child<QLabel>(w.get(), "Label9")->font());
        title.beginLayout();
        title.createLine();
        title.endLayout();
        QCOMPARE(title.glyphRuns().first().rawFont().familyName(), QStringLiteral("Noto Sans CJK SC"));
    }

    void kindIsComparedExactlyAfterTrimming_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<int>("kind");
        QTest::newRow("server sql") << "server sql" << int(DbKind::SqlServer);
        QTest::newRow("blanks around") << " server sql " << int(DbKind::SqlServer);
        QTest::newRow("upper case") << "SQL SERVER" << int(DbKind::Embedded);
        QTest::newRow("mixed case") << "Server Sql" << int(DbKind::Embedded);
        QTest::newRow("oracle") << "oracle" << int(DbKind::Oracle);
        QTest::newRow("Oracle") << "Oracle" << int(DbKind::Embedded);
        QTest::newRow("empty") << "" << int(DbKind::Embedded);
        QTest::newRow("access") << "access" << int(DbKind::Embedded);
    }
    void kindIsComparedExactlyAfterTrimming()
    {
        QFETCH(QString, library);
        QFETCH(int, kind);
        QCOMPARE(int(databaseKind(library)), kind);
    }

    void connectionStrings()
    {
        DatabaseSettings s{QStringLiteral("  "), QStringLiteral(" shop "), QStringLiteral("srv"), QStringLiteral("pw")};
        ConnectionTarget target = connectionTargetFor(s, QStringLiteral("/opt/hy"));
        QCOMPARE(target.driver, QStringLiteral("QSQLITE"));
        QCOMPARE(target.databaseName, QStringLiteral("/opt/hy/shop.db"));

        s.library = QStringLiteral("oracle");
        target = connectionTargetFor(s, QStringLiteral("/opt/hy"));
        QCOMPARE(target.databaseName, QStringLiteral("DSN={HENGYUAN};UID={system};PWD={tarvesk};"));
    }

    // ServerName as a shop writes it; the values that cannot reach the
    // server as typed are refused with the reason.
    void serverConnectionStrings_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("dbName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("expected"); // the string, or a part of the refusal
        const QString tail = QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8;DATABASE={shop};UID=sa;PWD={p;w};");
        QTest::newRow("host") << "srv" << "shop" << "p;w" << "DRIVER={FreeTDS};SERVER={srv};PORT=1433;" + tail;
        QTest::newRow("host,port") << "10.0.0.5, 1500" << "shop" << "p;w"
                                   << "DRIVER={FreeTDS};SERVER={10.0.0.5};PORT=1500;" + tail;
        QTest::newRow("instance") << "srv\\SHOP" << "shop" << "p;w" << "DRIVER={FreeTDS};SERVER={srv\\SHOP};" + tail;
        QTest::newRow("instance,port") << "srv\\SHOP,1500" << "shop" << "p;w"
                                       << "DRIVER={FreeTDS};SERVER={srv\\SHOP};PORT=1500;" + tail;
        QTest::newRow("} in Password") << "srv" << "shop" << "p}w" << "Password（密码）含有字符“}”";
        QTest::newRow("} in ServerName") << "srv}" << "shop" << "pw" << "ServerName（服务器名称）含有字符“}”";
        QTest::newRow("} in DbName") << "srv" << "sh}op" << "pw" << "DbName（数据库名称）含有字符“}”";
        QTest::newRow("port not a number") << "srv,14x3" << "shop" << "pw" << "端口号不正确";
        QTest::newRow("no server") << "" << "shop" << "pw" << "没有填写数据库服务器的名称";
    }
    void serverConnectionStrings()
    {
        QFETCH(QString, server);
        QFETCH(QString, dbName);
        QFETCH(QString, password);
        QFETCH(QString, expected);
        const DatabaseSettings s{QStringLiteral("server sql"), dbName, server, password};
        try {
            const ConnectionTarget target = connectionTargetFor(s, QStringLiteral("/opt/hy"));
            QCOMPARE(target.driver, QStringLiteral("QODBC"));
            QCOMPARE(int(target.dialect), int(SqlDialect::SqlServer));
            QCOMPARE(target.databaseName, expected);
        } catch (const DbError &e) {
            QVERIFY2(e.text().contains(expected), qPrintable(e.text()));
        }
    }

    // What FreeTDS itself used, as its log tells: the port, the TDS version
    // and the client character set of the connection string (no server
    // listens on these ports here; the attempt fails after the log lines).
    void freeTdsConnectsAsNamed_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("connecting");
        QTest::newRow("host") << "127.0.0.1" << "Connecting to 127.0.0.1 port 1433";
        QTest::newRow("host,port") << "127.0.0.1,1" << "Connecting to 127.0.0.1 port 1";
    }
    void freeTdsConnectsAsNamed()
    {
        QFETCH(QString, server);
        QFETCH(QString, connecting);
        // One log for the whole test: FreeTDS keeps writing to the log it
        // opened first.
        static QTemporaryDir dir;
        const QString dump = dir.filePath(QStringLiteral("freetds.log"));
        ConnectionTarget target = connectionTargetFor(
            DatabaseSettings{QStringLiteral("server sql"), QStringLiteral("shop"), server, QStringLiteral("pw")}, {});
        target.databaseName += QStringLiteral("DumpFile={%1};").arg(dump);
        Database db(QStringLiteral("freetds"));
        QVERIFY_THROWS_EXCEPTION(DbError, db.open(target));
        QFile f(dump);
        QVERIFY2(f.open(QIODevice::ReadOnly), "FreeTDS wrote no log");
        const QString log = QString::fromUtf8(f.readAll());
        QVERIFY2(log.contains(connecting + QLatin1Char('\n')), qPrintable(log));
        QVERIFY(log.contains(QStringLiteral("Connecting with protocol version 7.4")));
        QVERIFY(log.contains(QStringLiteral("client charset \"UTF-8\"")));
    }

    void missingDatabaseFileIsAnErrorAndNoFileIsMade()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.db().close();
        QVERIFY(ini::write(app.state().setupIni(), QStringLiteral("database"), QStringLiteral("DbName"),
                           QStringLiteral("absent")));
        const QString file = app.dir() + QStringLiteral("/absent.db");
        try {
            openDatabase(app.state());
            QFAIL("opened a missing database");
        } catch (const DbError &e) {
            QVERIFY2(e.text().contains(QStringLiteral("absent.db")), qPrintable(e.text()));
        }
        QVERIFY(!QFile::exists(file));
        QVERIFY(!app.db().isOpen());
    }

    void missingSetupIniMeansNoDatabase()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.db().close();
        QFile::remove(app.state().setupIni());
        QVERIFY_THROWS_EXCEPTION(DbError, openDatabase(app.state()));
        QVERIFY(!QFile::exists(app.dir() + QStringLiteral("/.db")));
    }

    void databaseWithoutOurTablesIsRefused()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.db().close();
        QFile empty(app.dir() + QStringLiteral("/other.db"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        ini::write(app.state().setupIni(), QStringLiteral("database"), QStringLiteral("DbName"), QStringLiteral("other"));
        try {
            openDatabase(app.state());
            QFAIL("opened a database without the system's tables");
        } catch (const DbError &e) {
            QVERIFY2(e.text().contains(QStringLiteral("没有本系统的数据表")), qPrintable(e.text()));
        }
    }

    void startupReadsTheSettings()
    {
        TestApp app;
        QVERIFY(app.ok());
        QCOMPARE(app.state().dbName, QStringLiteral("hengyuan"));
        QCOMPARE(app.state().dbKind, QString());
        QCOMPARE(app.state().connString, app.dir() + QStringLiteral("/hengyuan.db"));
        QVERIFY(app.db().isOpen());
    }

    void serverThatIsNotThereGivesTheDriversError()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.db().close();
        const QString ini = app.state().setupIni();
        ini::write(ini, QStringLiteral("database"), QStringLiteral("library"), QStringLiteral("server sql"));
        ini::write(ini, QStringLiteral("database"), QStringLiteral("ServerName"), QStringLiteral("127.0.0.1"));
        QElapsedTimer t;
        t.start();
        try {
            openDatabase(app.state());
            QFAIL("connected to a server that is not there");
        } catch (const DbError &e) {
            QVERIFY2(!e.text().trimmed().isEmpty(), "empty error text");
            qInfo("driver said: %s", qPrintable(e.text()));
        }
        QVERIFY(!app.db().isOpen());
        QVERIFY(t.elapsed() < 60000);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
