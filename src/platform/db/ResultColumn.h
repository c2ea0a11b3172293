#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <limits>

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
    void appendInteger(qint64 v)
    {
        noteInteger(v);
        push(Integer, quint64(v));
    }
    void appendReal(double v);
    void appendBool(bool v) { push(Bool, v ? 1 : 0); }
    void appendText(const char *utf8, qsizetype bytes);
    // Keeps the value's type: value() gives back an equal value of that type.
    void append(const QVariant &v);

    qsizetype size() const { return m_kind.size(); }
    QVariant value(qsizetype row) const;
    bool isNull(qsizetype row) const;
    // The last value appended, when it is a number.
    bool lastNumber(double *v) const;

    // Gives back the room reserved for rows that never came.
    void squeeze();

    // Whether every value is a number (nulls aside), and there is one.
    bool holdsNumbers() const;
    // A few of the column's texts, the widest of which is as wide as the
    // widest value shown: noted while the values come, so that no value is
    // turned into text or measured for it. Numbers are exact; of the other
    // texts, the longest in bytes and the longest in characters.
    QStringList widestTexts() const;

private:
    enum Kind : quint8 { Null, Integer, Real, Bool, Text, Other };
    // A text's place in m_text: offset above, byte length in the low bits.
    static constexpr int kLengthBits = 24;
    static constexpr quint64 kMaxLength = (quint64(1) << kLengthBits) - 1;

    void push(Kind kind, quint64 word)
    {
        m_kinds |= quint8(1u << kind);
        m_kind.append(kind);
        m_word.append(word);
    }
    void noteInteger(qint64 v)
    {
        m_minInteger = std::min(m_minInteger, v);
        m_maxInteger = std::max(m_maxInteger, v);
    }
    void noteReal(double v);
    void noteText(const char *utf8, qsizetype bytes);
    void noteOther(const QVariant &v);

    QList<quint8> m_kind;
    QList<quint64> m_word;
    QByteArray m_text;
    QList<QVariant> m_other;

    // What the widest value is made of, noted as the values come.
    quint8 m_kinds = 0; // 1 << Kind of every kind there is
    bool m_otherNumbersOnly = true; // every value of another type is a number or null
    qint64 m_minInteger = std::numeric_limits<qint64>::max(), m_maxInteger = std::numeric_limits<qint64>::min();
    qsizetype m_widestReal = -1; // the row whose real number shows with the most characters
    int m_widestRealChars = 0;
    qsizetype m_mostBytes = -1, m_mostChars = -1; // rows of the longest texts
    qsizetype m_mostBytesLength = 0, m_mostCharsLength = 0;
};
