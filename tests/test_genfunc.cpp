// GetBetween and the operation log.
#include "TestSupport.h"

#include "core/GenFunc.h"

#include <QtTest>

class TestGenFunc : public QObject
{
    Q_OBJECT

private slots:
    void getBetween_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("result");
        QTest::newRow("combo item") << "A01-Store" << "" << "-" << "A01";
        QTest::newRow("no dash") << "A01" << "" << "-" << "";
        QTest::newRow("leading dash") << "-x" << "" << "-" << "";
        QTest::newRow("start mark, to the end") << "abc" << "b" << "" << "c";
        QTest::newRow("start mark absent") << "abc" << "x" << "" << "";
        QTest::newRow("between dashes") << "a-b-c" << "-" << "-" << "b";
        QTest::newRow("empty text") << "" << "" << "" << "";
        QTest::newRow("empty text with marks") << "" << "a" << "b" << "";
        QTest::newRow("file name") << "f.a.b" << "" << "." << "f";
        QTest::newRow("path with two dots") << "/home/备份.d/x.db" << "" << "." << "/home/备份";
        QTest::newRow("chinese name") << "01-原料库" << "" << "-" << "01";
        QTest::newRow("end mark right after start") << "a--b" << "-" << "-" << "";
        QTest::newRow("case matters") << "aBc" << "b" << "" << "";
    }
    void getBetween()
    {
        QFETCH(QString, text);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, result);
        QCOMPARE(::getBetween(text, start, end), result);
    }

    void logNumbersFollowTheHighest()
    {
        TestApp app;
        QVERIFY(app.ok());
        Database &db = app.db();
        const QDateTime when(QDate(2026, 12, 8), QTime(9, 30, 5));
        writeOperatorLog(db, QStringLiteral("Administrator"), when, QStringLiteral("系统登录"));
        QCOMPARE(app.one(QStringLiteral("select OperatorLogID,OperatorID,OperateDate,Operation from OperatorLog")),
                 QStringLiteral("1|Administrator|2026-12-08 09:30:05|系统登录"));
        // Rows removed by hand: the next number follows the highest present.
        db.exec(QStringLiteral("delete from OperatorLog"));
        db.exec(QStringLiteral("insert into OperatorLog(OperatorLogID,OperatorID) values(1,'a'),(5,'a')"));
        writeOperatorLog(db, QStringLiteral("Administrator"), when, QStringLiteral("退出系统"));
        QCOMPARE(db.scalar(QStringLiteral("select max(OperatorLogID) from OperatorLog")).toLongLong(), 6);
    }

    void logNumberGoesPastSixteenBits()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.db().exec(QStringLiteral("insert into OperatorLog(OperatorLogID,OperatorID) values(32767,'a')"));
        writeOperatorLog(app.db(), QStringLiteral("Administrator"), QDateTime::currentDateTime(), QStringLiteral("系统登录"));
        QCOMPARE(app.db().scalar(QStringLiteral("select max(OperatorLogID) from OperatorLog")).toLongLong(), 32768);
        app.db().exec(QStringLiteral("insert into OperatorLog(OperatorLogID,OperatorID) values(4294967296,'a')"));
        writeOperatorLog(app.db(), QStringLiteral("Administrator"), QDateTime::currentDateTime(), QStringLiteral("系统登录"));
        QCOMPARE(app.db().scalar(QStringLiteral("select max(OperatorLogID) from OperatorLog")).toLongLong(),
                 4294967297LL);
    }
};

QTEST_MAIN(TestGenFunc)
#include "test_genfunc.moc"
