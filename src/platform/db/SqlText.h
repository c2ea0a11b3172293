#pragma once

#include <QString>
#include <QVariantList>

// A piece of SQL together with the values of its markers ("?"), in the
// order the markers stand in the text. Pieces are joined with their values,
// so however a statement is assembled, each value stays with its marker.
struct SqlText {
    SqlText() = default;
    // Throws DbError when the text has not one marker per value.
    explicit SqlText(QString sql, QVariantList markerValues = {});

    QString text;
    QVariantList values;

    SqlText operator+(const SqlText &other) const;
    SqlText operator+(const QString &plain) const { return *this + SqlText(plain); }
};

inline SqlText operator+(const QString &plain, const SqlText &piece)
{
    return SqlText(plain) + piece;
}

// The markers of a text: every "?" outside quoted literals and names.
int markerCount(const QString &sql);
