#pragma once

#include <QByteArray>
#include <QList>
#include <QVariant>

// One column of a query result, kept compact: per row one kind byte and one
// 8-byte word (the integer, the real number's bits, or where the row's text
// lies), the texts as UTF-8 back to back in one buffer (a text equal to the
// one in the row above is stored once). Values of any other type (dates,
// blobs, typed nulls from ODBC drivers) are kept as they are, beside it.
// A long list is thus a few large blocks per column, read in one pass and
// freed in one step; the text of a cell is made only when it is asked for.
class ResultColumn
{
public:
    void appendNull() { push(Null, 0); }
    void appendInteger(qint64 v) { push(Integer, quint64(v)); }
    void appendReal(double v);
    void appendBool(bool v) { push(Bool, v ? 1 : 0); }
    void appendText(const char *utf8, qsizetype bytes);
    // Keeps the value's type: value() gives back an equal value of that type.
    void append(const QVariant &v);

    qsizetype size() const { return m_kind.size(); }
    QVariant value(qsizetype row) const;
    bool isNull(qsizetype row) const;

    // Gives back the room reserved for rows that never came.
    void squeeze();

private:
    enum Kind : quint8 { Null, Integer, Real, Bool, Text, Other };
    // A text's place in m_text: offset above, byte length in the low bits.
    static constexpr int kLengthBits = 24;
    static constexpr quint64 kMaxLength = (quint64(1) << kLengthBits) - 1;

    void push(Kind kind, quint64 word)
    {
        m_kind.append(kind);
        m_word.append(word);
    }

    QList<quint8> m_kind;
    QList<quint64> m_word;
    QByteArray m_text;
    QList<QVariant> m_other;
};
