#pragma once

#include <QString>
#include <stdexcept>

// A failure reported by the database driver, with the driver's own text.
class DbError : public std::runtime_error
{
public:
    DbError(const QString &driverText, const QString &sql = QString())
        : std::runtime_error(driverText.toStdString()), m_text(driverText), m_sql(sql)
    {
    }

    // What the driver said; shown to the operator as it is.
    const QString &text() const { return m_text; }
    const QString &sql() const { return m_sql; }

private:
    QString m_text;
    QString m_sql;
};
