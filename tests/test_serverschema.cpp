// The server's schema and seed (db/server/) against the embedded ones (db/),
// read from their text: the same tables, columns, keys, defaults and
// indexes, in the server's types.
#include "TestSupport.h"

#include "platform/db/Select.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Schema {
    QMap<QString, QStringList> tables;   // table: each column as "name kind [not null] [key] [default x]"
    QMap<QString, QString> indexes;      // name: "table(columns)"
    QSet<QString> identity, exact, yesNo; // "table.column", the last "column"
    QStringList rows;                    // the seed's inserts
};

QString readSql(const QString &file)
{
    QFile f(suppliedSqlDir() + QLatin1Char('/') + file);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(f.fileName()));
    return QString::fromUtf8(f.readAll()).remove(QRegularExpression(QStringLiteral("--[^\n]*")));
}

// Splits at the commas outside brackets.
QStringList topLevel(const QString &list)
{
    QStringList parts;
    int depth = 0;
    QString part;
    for (const QChar c : list) {
        depth += c == QLatin1Char('(') ? 1 : c == QLatin1Char(')') ? -1 : 0;
        if (c == QLatin1Char(',') && depth == 0) {
            parts << part.simplified();
            part.clear();
        } else {
            part += c;
        }
    }
    return parts << part.simplified();
}

// Each side's types: the server's float keeps the 53 bits of the embedded
// REAL (its real keeps 24).
QString kindOf(const QString &type, bool server)
{
    static const QMap<QString, QString> embeddedKinds{
        {"text", "text"}, {"real", "number"}, {"integer", "integer"}, {"boolean", "yes/no"}};
    static const QMap<QString, QString> serverKinds{
        {"varchar", "text"}, {"float", "number"}, {"bigint", "integer"}, {"bit", "yes/no"}};
    const QString t = type.toLower().section(QLatin1Char('('), 0, 0);
    return (server ? serverKinds : embeddedKinds).value(t, QStringLiteral("unknown ") + type);
}

Schema parse(const QString &schemaFile, const QString &seedFile, bool server)
{
    static const QRegularExpression table(QStringLiteral("^create table (\\w+) \\((.*)\\)$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression index(QStringLiteral("^create index (\\w+) on (\\w+) \\((.*)\\)$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression insert(QStringLiteral("^insert into (\\w+) \\((.*)\\) values \\((.*)\\)$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression def(QStringLiteral("\\bdefault N?('[^']*'|\\S+)"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression wide(QStringLiteral("\\bN'"));
    Schema s;
    for (const QString &statement : readSql(schemaFile).split(QLatin1Char(';'))) {
        const QString st = statement.simplified();
        if (const auto m = index.match(st); m.hasMatch()) {
            s.indexes[m.captured(1)] = m.captured(2) + QLatin1Char('(') + topLevel(m.captured(3)).join(QLatin1Char(',')) + QLatin1Char(')');
            continue;
        }
        const auto m = table.match(st);
        if (!m.hasMatch())
            continue;
        for (const QString &column : topLevel(m.captured(2))) {
            const QStringList words = column.split(QLatin1Char(' '));
            const QString name = m.captured(1) + QLatin1Char('.') + words.at(0);
            const QString lower = column.toLower();
            const bool key = lower.contains(QLatin1String("primary key"));
            QString desc = words.at(0) + QLatin1Char(' ') + kindOf(words.at(1), server);
            if (key || lower.contains(QLatin1String("not null")))
                desc += QStringLiteral(" not null");
            if (key)
                desc += QStringLiteral(" key");
            if (const auto d = def.match(column); d.hasMatch())
                desc += QStringLiteral(" default ") + d.captured(1);
            s.tables[m.captured(1)] << desc;
            if (lower.contains(QLatin1String("identity(")) || lower.startsWith(QLatin1String("lineid integer primary key")))
                s.identity << name;
            if (lower.contains(QLatin1String("collate binary")) || lower.contains(QLatin1String("_cs_")))
                s.exact << name;
            if (kindOf(words.at(1), server) == QLatin1String("yes/no"))
                s.yesNo << words.at(0);
        }
    }
    for (const QString &statement : readSql(seedFile).split(QLatin1Char(';'))) {
        if (const auto m = insert.match(statement.simplified()); m.hasMatch())
            s.rows << m.captured(1) + QLatin1Char('|') + topLevel(m.captured(2)).join(QLatin1Char(',')) + QLatin1Char('|')
                          + topLevel(m.captured(3)).join(QLatin1Char(',')).replace(wide, QStringLiteral("'"));
    }
    return s;
}

} // namespace

class TestServerSchema : public QObject
{
    Q_OBJECT

private slots:
    void sameAsTheEmbeddedDatabase()
    {
        const Schema embedded = parse(QStringLiteral("01_schema.sql"), QStringLiteral("02_seed.sql"), false);
        const Schema server = parse(QStringLiteral("server/01_schema.sql"), QStringLiteral("server/02_seed.sql"), true);
        QCOMPARE(embedded.tables.size(), 32);
        QCOMPARE(server.tables, embedded.tables);
        QCOMPARE(server.indexes, embedded.indexes);
        QCOMPARE(server.rows, embedded.rows);
        QCOMPARE(embedded.rows.size(), 2);
        // Lines numbered by the server, every bill line table's; the log's
        // numbers are the program's.
        QCOMPARE(server.identity, embedded.identity);
        QCOMPARE(server.identity.size(), 7);
        QVERIFY(!server.identity.contains(QStringLiteral("OperatorLog.OperatorLogID")));
        QCOMPARE(server.exact, (QSet<QString>{QStringLiteral("Operator.UserPassword")}));
        QCOMPARE(embedded.exact, server.exact);
        // The one yes/no column is the one the lists show as 是/否.
        QCOMPARE(server.yesNo, embedded.yesNo);
        QCOMPARE(embedded.yesNo, (QSet<QString>{QStringLiteral("Flage")}));
        QVERIFY(isYesNoColumn(QStringLiteral("Flage")) && !isYesNoColumn(QStringLiteral("OperatorID")));
    }
};

QTEST_MAIN(TestServerSchema)
#include "test_serverschema.moc"
