// Setup.ini: section and key names without regard to case, trimmed values,
// other lines kept as they were.
#include "platform/ini/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestIni : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_seq = 0;

    QString fileWith(const QByteArray &content)
    {
        const QString path = m_dir.filePath(QStringLiteral("Setup%1.ini").arg(++m_seq));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }

    static QByteArray contents(const QString &path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QByteArray file = "[database]\nlibrary=server sql\nDbName=  shop  \n"
                                "[Title]\nAppTitle=恒远进销存系统\n; a comment=no\n"
                                "[userset]\nBillBColor = -2147483624 \n";
        QTest::newRow("plain") << file << "database" << "library" << "server sql";
        QTest::newRow("blanks around value") << file << "database" << "DbName" << "shop";
        QTest::newRow("section in other case") << file << "title" << "AppTitle" << "恒远进销存系统";
        QTest::newRow("key in other case") << file << "TITLE" << "apptitle" << "恒远进销存系统";
        QTest::newRow("blanks around key") << file << "UserSet" << "billbcolor" << "-2147483624";
        QTest::newRow("missing key") << file << "database" << "Password" << "<default>";
        QTest::newRow("missing section") << file << "file" << "backuppath" << "<default>";
        QTest::newRow("comment is no key") << file << "Title" << "; a comment" << "<default>";
        QTest::newRow("crlf file") << QByteArray("[Title]\r\nFullName=  恒远商贸  \r\n") << "title"
                                   << "FullName" << "恒远商贸";
        QTest::newRow("trailing nul") << QByteArray("[a]\nk=v\0\0\n", 9) << "a" << "k" << "v";
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(ini::read(fileWith(content), section, key, QStringLiteral("<default>")), expected);
    }

    void missingFileGivesDefault()
    {
        QCOMPARE(ini::read(m_dir.filePath(QStringLiteral("none.ini")), QStringLiteral("a"), QStringLiteral("b"),
                           QStringLiteral("d")),
                 QStringLiteral("d"));
    }

    void writeThroughOneSpellingReadThroughAnother()
    {
        const QString f = fileWith("[Title]\nAppTitle=x\n");
        QVERIFY(ini::write(f, QStringLiteral("title"), QStringLiteral("FULLNAME"), QStringLiteral("恒远商贸有限公司")));
        QCOMPARE(ini::read(f, QStringLiteral("TITLE"), QStringLiteral("fullname")), QStringLiteral("恒远商贸有限公司"));
        QVERIFY(ini::write(f, QStringLiteral("TITLE"), QStringLiteral("apptitle"), QStringLiteral("新标题")));
        QCOMPARE(contents(f), QByteArray("[Title]\nAppTitle=新标题\nFULLNAME=恒远商贸有限公司\n"));
    }

    void writeKeepsEveryOtherLine()
    {
        const QByteArray before = "; 恒远进销存系统\r\n[database]\r\nlibrary=\r\nDbName=hengyuan\r\n\r\n"
                                  "[UserSet]\r\nBillBColor=-2147483643\r\nIDByte=8\r\n\r\n[file]\r\n";
        const QString f = fileWith(before);
        QVERIFY(ini::write(f, QStringLiteral("userset"), QStringLiteral("BillBColor"), QStringLiteral("-2147483624")));
        QVERIFY(ini::write(f, QStringLiteral("FILE"), QStringLiteral("backuppath"), QStringLiteral("/srv/备份/b.db")));
        QVERIFY(ini::write(f, QStringLiteral("Extra"), QStringLiteral("k"), QStringLiteral("v")));
        QCOMPARE(contents(f),
                 QByteArray("; 恒远进销存系统\r\n[database]\r\nlibrary=\r\nDbName=hengyuan\r\n\r\n"
                            "[UserSet]\r\nBillBColor=-2147483624\r\nIDByte=8\r\n\r\n[file]\r\n"
                            "backuppath=/srv/备份/b.db\r\n\r\n[Extra]\r\nk=v\r\n"));
    }

    void lineBreaksAreWrittenAsBlanks()
    {
        const QString f = fileWith("");
        QVERIFY(ini::write(f, QStringLiteral("title"), QStringLiteral("FullName"), QStringLiteral("A\r\nB")));
        QCOMPARE(ini::read(f, QStringLiteral("title"), QStringLiteral("FullName")), QStringLiteral("A  B"));
        QCOMPARE(contents(f), QByteArray("[title]\nFullName=A  B\n"));
    }

    void writeCreatesTheFile()
    {
        const QString f = m_dir.filePath(QStringLiteral("new.ini"));
        QVERIFY(ini::write(f, QStringLiteral("file"), QStringLiteral("backuppath"), QString()));
        QCOMPARE(contents(f), QByteArray("[file]\nbackuppath=\n"));
    }

    void failedWriteIsReported()
    {
        // A folder where the file should be: it cannot be written.
        const QString f = m_dir.filePath(QStringLiteral("adir.ini"));
        QVERIFY(QDir().mkpath(f));
        QVERIFY(!ini::write(f, QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("2")));
        QVERIFY(!ini::write(m_dir.filePath(QStringLiteral("no/such/Setup.ini")), QStringLiteral("a"),
                            QStringLiteral("k"), QStringLiteral("2")));
    }

    void gbkFileIsRead()
    {
        // "恒远" in GBK.
        const QString f = fileWith(QByteArray("[title]\nFullName=\xba\xe3\xd4\xb6\n"));
        QCOMPARE(ini::read(f, QStringLiteral("title"), QStringLiteral("FullName")), QStringLiteral("恒远"));
    }
};

QTEST_MAIN(TestIni)
#include "test_ini.moc"
