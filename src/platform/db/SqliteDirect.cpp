#include "SqliteDirect.h"

#include "DbError.h"
#include "ValueText.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <sqlite3.h>

namespace sqlitedirect {
namespace {

// Finalizes the statement however the call ends, a failure in the
// constructor included.
class Statement
{
public:
    Statement(sqlite3 *db, const QString &sql, const QVariantList &params) : m_db(db), m_sql(sql)
    {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &m_stmt, nullptr) != SQLITE_OK)
            fail(); // leaves no statement
        try {
            const int wanted = sqlite3_bind_parameter_count(m_stmt);
            if (wanted != params.size())
                throw DbError(QStringLiteral("参数个数不符：需要 %1 个，给出 %2 个").arg(wanted).arg(params.size()), sql);
            for (int i = 0; i < params.size(); ++i)
                bind(i + 1, params[i]);
        } catch (...) {
            sqlite3_finalize(m_stmt);
            throw;
        }
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    sqlite3_stmt *get() const { return m_stmt; }

    // True for a row, false at the end; throws on an error.
    bool step()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        fail();
        return false;
    }

    [[noreturn]] void fail() const
    {
        throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db)), m_sql, dbfault::fromSqliteCode(sqlite3_errcode(m_db)));
    }

private:
    void bind(int i, const QVariant &v)
    {
        int rc = SQLITE_OK;
        const int type = v.typeId();
        if (!v.isValid() || v.isNull()) {
            rc = sqlite3_bind_null(m_stmt, i);
        } else if (type == QMetaType::Bool) {
            rc = sqlite3_bind_int(m_stmt, i, v.toBool() ? 1 : 0);
        } else if (isNumberValue(v)) {
            rc = type == QMetaType::Double || type == QMetaType::Float ? sqlite3_bind_double(m_stmt, i, v.toDouble())
                                                                       : sqlite3_bind_int64(m_stmt, i, v.toLongLong());
        } else {
            switch (type) {
            case QMetaType::QByteArray: {
                const QByteArray b = v.toByteArray();
                rc = sqlite3_bind_blob(m_stmt, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
                break;
            }
            case QMetaType::QDate:
                rc = bindText(i, v.toDate().toString(QStringLiteral("yyyy-MM-dd")));
                break;
            case QMetaType::QDateTime:
                rc = bindText(i, v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
                break;
            default:
                rc = bindText(i, v.toString());
                break;
            }
        }
        if (rc != SQLITE_OK)
            fail();
    }

    int bindText(int i, const QString &s)
    {
        const QByteArray b = s.toUtf8();
        return sqlite3_bind_text(m_stmt, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    }

    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
    QString m_sql;
};

bool isBooleanColumn(sqlite3_stmt *s, int c)
{
    const char *decl = sqlite3_column_decltype(s, c);
    return decl && (qstricmp(decl, "boolean") == 0 || qstricmp(decl, "bool") == 0);
}

// Appends the current row's value of column c. The value is fetched with
// one call into the statement; its own accessors take no lock, which is
// sound as a connection is used by one thread at a time.
void appendValue(ResultColumn &to, sqlite3_stmt *s, int c, bool boolean)
{
    sqlite3_value *v = sqlite3_column_value(s, c);
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: {
        const qint64 n = sqlite3_value_int64(v);
        if (boolean)
            to.appendBool(n != 0);
        else
            to.appendInteger(n);
        break;
    }
    case SQLITE_FLOAT:
        to.appendReal(sqlite3_value_double(v));
        break;
    case SQLITE_TEXT: {
        const char *text = reinterpret_cast<const char *>(sqlite3_value_text(v));
        to.appendText(text, sqlite3_value_bytes(v));
        break;
    }
    case SQLITE_BLOB:
        to.append(QVariant(QByteArray(static_cast<const char *>(sqlite3_value_blob(v)), sqlite3_value_bytes(v))));
        break;
    default:
        to.appendNull();
        break;
    }
}

} // namespace

sqlite3 *handleOf(const QSqlDatabase &db)
{
    if (!db.isValid() || !db.driver())
        return nullptr;
    const QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(h.data());
}

ResultPtr query(sqlite3 *db, const Select &select, const QVariantList &params)
{
    Statement st(db, select.text, params);
    sqlite3_stmt *s = st.get();
    const int cols = sqlite3_column_count(s);
    QStringList names;
    std::vector<bool> boolean(cols, false);
    for (int c = 0; c < cols; ++c) {
        names << QString::fromUtf8(sqlite3_column_name(s, c));
        boolean[c] = select.isYesNo(names[c]) || isBooleanColumn(s, c);
    }
    const Derivation derivation(select, names);
    std::vector<ResultColumn> data(cols);
    const auto read = [&](int c) { appendValue(data[c], s, c, boolean[c]); };
    while (st.step())
        derivation.appendRow(data, read);
    derivation.finish(data);
    for (ResultColumn &c : data)
        c.squeeze();
    return std::make_shared<const ResultTable>(std::move(names), std::move(data));
}

QVariant scalar(sqlite3 *db, const QString &sql, const QVariantList &params, bool *found)
{
    Statement st(db, sql, params);
    const bool row = st.step();
    if (found)
        *found = row;
    if (!row || sqlite3_column_count(st.get()) == 0)
        return QVariant();
    ResultColumn value;
    appendValue(value, st.get(), 0, isBooleanColumn(st.get(), 0));
    return value.value(0);
}

qint64 exec(sqlite3 *db, const QString &sql, const QVariantList &params)
{
    Statement st(db, sql, params);
    while (st.step()) {
    }
    return sqlite3_changes(db);
}

} // namespace sqlitedirect
