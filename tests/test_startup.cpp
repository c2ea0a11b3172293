// Start-up: the database kinds, the connection strings, the failures that
// end the start-up, and the faces the program's text is drawn in.
#include "EditorKit.h"

#include "core/Startup.h"
#include "platform/ini/IniFile.h"
#include "platform/report/PrintFace.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/Faces.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGlyphRun>
#include <QLabel>
#include <QRawFont>
#include <QTextLayout>
#include <QtTest>

namespace {

// The faces that draw Chinese text in the font.
QStringList facesOfChinese(const QFont &font)
{
    QTextLayout layout(QStringLiteral("盘点单直骨"), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun &run : layout.glyphRuns())
        faces << run.rawFont().familyName().toLower();
    faces.removeDuplicates();
    return faces;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        faces::setUp(); // as the program's start does, before anything is drawn
    }

    // Under the tests' C.UTF-8 locale too, Chinese is drawn in Simplified
    // Chinese faces (盘 and 点 in a Japanese face differ).
    void chineseTakesTheSimplifiedChineseFace_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("face");
        QTest::newRow("bill title") << "304:Label9" << "Noto Sans CJK SC";
        QTest::newRow("voucher title") << "103:Label1" << "Noto Sans CJK SC";
        QTest::newRow("window text") << "window" << "Noto Sans CJK SC";
        QTest::newRow("bold window text") << "bold" << "Noto Sans CJK SC";
        QTest::newRow("report title") << "report title" << report::boldChineseFamily();
        QTest::newRow("report cell") << "report cell" << "Droid Sans Fallback";
    }
    void chineseTakesTheSimplifiedChineseFace()
    {
        QFETCH(QString, where);
        QFETCH(QString, face);
        QFont font = QApplication::font();
        if (where.contains(QLatin1Char(':'))) {
            TestApp app;
            QVERIFY(app.ok());
            const auto w = openEditor(app, where.section(QLatin1Char(':'), 0, 0).toInt());
            QVERIFY(w);
            font = child<QLabel>(w.get(), qPrintable(where.section(QLatin1Char(':'), 1)))->font();
        } else if (where == QStringLiteral("bold")) {
            font.setBold(true);
        } else if (where.startsWith(QStringLiteral("report"))) {
            font = report::font(where.endsWith(QStringLiteral("title")) ? report::FontRole::Title
                                                                        : report::FontRole::Cell);
        }
        QCOMPARE(facesOfChinese(font), QStringList{face.toLower()});
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
