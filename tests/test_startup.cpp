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

        s.library = QStringLiteral("server sql");
        s.password = QStringLiteral("p;w}x");
        target = connectionTargetFor(s, QStringLiteral("/opt/hy"));
        QCOMPARE(target.driver, QStringLiteral("QODBC"));
        QCOMPARE(target.databaseName,
                 QStringLiteral("DRIVER={FreeTDS};SERVER={srv};DATABASE={shop};UID=sa;PWD={p;w}}x};"));
        QCOMPARE(int(target.dialect), int(SqlDialect::SqlServer));

        s.library = QStringLiteral("oracle");
        target = connectionTargetFor(s, QStringLiteral("/opt/hy"));
        QCOMPARE(target.databaseName, QStringLiteral("DSN={HENGYUAN};UID={system};PWD={tarvesk};"));
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
