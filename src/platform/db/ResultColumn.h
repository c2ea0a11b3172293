#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <vector>

// Values appended one after another into blocks that never move: a block
// grows to its full size once, after which the next one starts, so a long
// result is read without copying what it already holds, and a short one
// takes no more room than it needs.
template <typename T> class Blocks
{
public:
    static constexpr qsizetype kBlock = 8192;

    void append(T v)
    {
        if (m_blocks.empty() || qsizetype(m_blocks.back().size()) == kBlock) {
            m_blocks.emplace_back();
            // Past the first block the result is long: each later one is
            // taken whole at once.
            if (m_blocks.size() > 1)
                m_blocks.back().reserve(kBlock);
        }
        m_blocks.back().push_back(v);
        ++m_size;
    }
    T at(qsizetype i) const { return m_blocks[size_t(i / kBlock)][size_t(i % kBlock)]; }
    T last() const { return m_blocks.back().back(); }
    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    void squeeze()
    {
        if (!m_blocks.empty())
            m_blocks.back().shrink_to_fit();
    }

private:
    std::vector<std::vector<T>> m_blocks;
    qsizetype m_size = 0;
};

// Texts as UTF-8, back to back in blocks that never move; a text lies
// within one block, so a block of text and where a text lies in it are
// one number.
class TextBlocks
{
public:
    static constexpr int kShift = 18;
    static constexpr qsizetype kBlock = qsizetype(1) << kShift;
    // The longest text kept here; a longer one is kept apart.
    static constexpr qsizetype kLongest = kBlock / 4;

    // Where the text now lies.
    quint64 append(const char *utf8, qsizetype bytes)
    {
        if (m_blocks.empty() || qsizetype(m_blocks.back().size()) + bytes > kBlock) {
            m_blocks.emplace_back();
            if (m_blocks.size() > 1)
                m_blocks.back().reserve(kBlock);
        }
        std::vector<char> &b = m_blocks.back();
        const quint64 at = (quint64(m_blocks.size() - 1) << kShift) | quint64(b.size());
        b.insert(b.end(), utf8, utf8 + bytes);
        return at;
    }
    const char *at(quint64 place) const { return m_blocks[size_t(place >> kShift)].data() + (place & (kBlock - 1)); }
    void squeeze()
    {
        if (!m_blocks.empty())
            m_blocks.back().shrink_to_fit();
    }

private:
    std::vector<std::vector<char>> m_blocks;
};

// One column of a query result, kept compact: per row one 8-byte word (the
// integer, the real number's bits, or where the row's text lies) and, only
// where the rows are not all of one kind, one kind byte; the texts as UTF-8
// back to back (a text equal to the one in the row above is stored once).
// Values of any other type (dates, blobs, typed nulls from ODBC drivers,
// very long texts) are kept as they are, beside it. A long list is thus a
// few blocks per column, read in one pass without moving what was read, and
// freed block by block; the text of a cell is made only when it is asked
// for.
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
    // Appends the value of a row of another column, as it is there.
    void appendFrom(const ResultColumn &from, qsizetype row);

    qsizetype size() const { return m_word.size(); }
    QVariant value(qsizetype row) const;
    bool isNull(qsizetype row) const;
    // The value of a row, or the last value appended, when it is a number.
    bool number(qsizetype row, double *v) const;
    bool lastNumber(double *v) const { return number(size() - 1, v); }
    // Whether two rows hold the same value (of the same kind; texts byte
    // for byte).
    bool sameValue(qsizetype row, qsizetype other) const;

    // Gives back the room reserved for rows that never came.
    void squeeze();

    // Whether every value is a number (nulls aside), and there is one.
    bool holdsNumbers() const;
    // A few of the column's texts, the widest of which is as wide as the
    // widest value shown: noted while the values come, so that no value is
    // turned into text or measured for it. Integers are exact, and so is
    // the real number of most digits; of the other texts, the few whose
    // characters weigh most (see kCandidates), for the caller to measure.
    QStringList widestTexts() const;

    // How many texts widestTexts() offers at most. A text weighs what its
    // characters take across in a common sans-serif face ("WM-MWMW-001"
    // more than "AJ-1111-001", a Chinese character about two digits): an
    // estimate good enough to keep the widest text among the heaviest few,
    // whatever the face it is shown in.
    static constexpr int kCandidates = 8;

private:
    enum Kind : quint8 { Null, Integer, Real, Bool, Text, Other };
    // A text's place in m_text above, its byte length in the low bits.
    static constexpr int kLengthBits = 24;
    static constexpr quint64 kMaxLength = (quint64(1) << kLengthBits) - 1;
    static_assert(TextBlocks::kLongest <= qsizetype(kMaxLength));

    void push(Kind kind, quint64 word)
    {
        m_kinds |= quint8(1u << kind);
        if (m_mixed)
            m_kind.append(kind);
        else if (m_word.isEmpty())
            m_first = kind;
        else if (kind != m_first)
            mix(kind);
        m_word.append(word);
    }
    // Whether the text at word (a Text row's word) is those bytes.
    bool textIs(quint64 word, const char *utf8, qsizetype bytes) const;
    // The first value of another kind than those before it: from now on
    // every row's kind is kept.
    void mix(Kind kind);
    Kind kindAt(qsizetype row) const { return m_mixed ? Kind(m_kind.at(row)) : m_first; }
    void noteInteger(qint64 v)
    {
        m_minInteger = std::min(m_minInteger, v);
        m_maxInteger = std::max(m_maxInteger, v);
    }
    void noteReal(double v);
    void noteText(const char *utf8, qsizetype bytes);
    void noteOther(const QVariant &v);

    // Each row's kind, kept only once the rows are not all of one kind.
    Kind m_first = Null;
    bool m_mixed = false;
    Blocks<quint8> m_kind;
    Blocks<quint64> m_word;
    TextBlocks m_text;
    QList<QVariant> m_other;

    // What the widest value is made of, noted as the values come.
    quint8 m_kinds = 0; // 1 << Kind of every kind there is
    bool m_otherNumbersOnly = true; // every value of another type is a number or null
    qint64 m_minInteger = std::numeric_limits<qint64>::max(), m_maxInteger = std::numeric_limits<qint64>::min();
    qsizetype m_widestReal = -1; // the row whose real number shows with the most digits
    int m_widestRealWeight = 0;
    struct Candidate {
        qsizetype row;
        qint64 weight;
    };
    Candidate m_heaviest[kCandidates] = {}; // the texts that weigh most, in no order
    int m_heavyCount = 0;
    int m_lightest = 0; // which of them weighs least, once all are taken
};
