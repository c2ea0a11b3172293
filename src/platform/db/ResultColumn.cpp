#include "ResultColumn.h"

#include "ValueText.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

// What a character takes across, in hundredths of an em, as in a common
// sans-serif face, by its UTF-8 byte: printable ASCII as drawn; the first
// byte of a two-byte character as a letter, of a longer one (Chinese, full
// width) as a whole em; a byte inside a character nothing.
constexpr std::array<quint8, 256> kByteWeight = [] {
    std::array<quint8, 256> w{};
    constexpr quint8 ascii[95] = {
        32, 40, 46, 84, 64, 95, 78, 27, 39, 39, 50, 84, 32, 36, 32, 34, //  !"#$%&'()*+,-./
        64, 64, 64, 64, 64, 64, 64, 64, 64, 64, 34, 34, 84, 84, 84, 53, // 0-9 :;<=>?
        100, 68, 69, 70, 77, 63, 58, 77, 75, 29, 29, 66, 56, 86, 75, 79, // @A-O
        60, 79, 69, 63, 61, 73, 68, 99, 69, 61, 69, 39, 34, 39, 84, 50, // P-Z [\]^_
        50, 61, 63, 55, 63, 62, 35, 63, 63, 28, 28, 58, 28, 97, 63, 61, // `a-o
        63, 63, 41, 52, 39, 63, 59, 82, 59, 59, 52, 64, 34, 64, 84};    // p-z {|}~
    for (int b = 0; b < 128; ++b)
        w[b] = b >= 32 && b < 127 ? ascii[b - 32] : 50;
    for (int b = 0xC0; b < 0x100; ++b)
        w[b] = b < 0xE0 ? 60 : 100;
    return w;
}();
constexpr qint64 kHeaviestByte = 100;

} // namespace

void ResultColumn::appendReal(double v)
{
    noteReal(v);
    push(Real, std::bit_cast<quint64>(v));
}

void ResultColumn::appendText(const char *utf8, qsizetype bytes)
{
    if (bytes > TextBlocks::kLongest) {
        noteText(utf8, bytes);
        m_other.append(QVariant(QString::fromUtf8(utf8, bytes)));
        push(Other, quint64(m_other.size() - 1));
        return;
    }
    if (!m_word.isEmpty() && kindAt(size() - 1) == Text) {
        const quint64 above = m_word.last();
        if (textIs(above, utf8, bytes)) {
            push(Text, above);
            return;
        }
    }
    noteText(utf8, bytes);
    push(Text, (m_text.append(utf8, bytes) << kLengthBits) | quint64(bytes));
}

void ResultColumn::append(const QVariant &v)
{
    if (!v.isValid()) {
        appendNull();
        return;
    }
    if (!v.isNull()) {
        switch (v.typeId()) {
        case QMetaType::LongLong:
            appendInteger(v.toLongLong());
            return;
        case QMetaType::Double:
            appendReal(v.toDouble());
            return;
        case QMetaType::Bool:
            appendBool(v.toBool());
            return;
        case QMetaType::QString: {
            const QByteArray utf8 = v.toString().toUtf8();
            appendText(utf8.constData(), utf8.size());
            return;
        }
        default:
            break;
        }
    }
    noteOther(v);
    m_other.append(v);
    push(Other, quint64(m_other.size() - 1));
}

QVariant ResultColumn::value(qsizetype row) const
{
    if (row < 0 || row >= size())
        return QVariant();
    const quint64 w = m_word.at(row);
    switch (kindAt(row)) {
    case Integer:
        return QVariant(qlonglong(w));
    case Real:
        return QVariant(std::bit_cast<double>(w));
    case Bool:
        return QVariant(w != 0);
    case Text:
        return QVariant(QString::fromUtf8(m_text.at(w >> kLengthBits), qsizetype(w & kMaxLength)));
    case Other:
        return m_other.at(qsizetype(w));
    default:
        return QVariant();
    }
}

bool ResultColumn::isNull(qsizetype row) const
{
    if (row < 0 || row >= size())
        return true;
    switch (kindAt(row)) {
    case Null:
        return true;
    case Other: {
        const QVariant &v = m_other.at(qsizetype(m_word.at(row)));
        return !v.isValid() || v.isNull();
    }
    default:
        return false;
    }
}

void ResultColumn::appendFrom(const ResultColumn &from, qsizetype row)
{
    const quint64 w = from.m_word.at(row);
    switch (from.kindAt(row)) {
    case Integer: appendInteger(qint64(w)); break;
    case Real: appendReal(std::bit_cast<double>(w)); break;
    case Bool: appendBool(w != 0); break;
    case Text: appendText(from.m_text.at(w >> kLengthBits), qsizetype(w & kMaxLength)); break;
    case Other: append(from.m_other.at(qsizetype(w))); break;
    default: appendNull(); break;
    }
}

bool ResultColumn::sameValue(qsizetype row, qsizetype other) const
{
    const Kind kind = kindAt(row);
    const quint64 a = m_word.at(row), b = m_word.at(other);
    if (kind != kindAt(other))
        return false;
    switch (kind) {
    case Null: return true;
    case Text: return a == b || textIs(a, m_text.at(b >> kLengthBits), qsizetype(b & kMaxLength));
    case Other: return m_other.at(qsizetype(a)) == m_other.at(qsizetype(b));
    default: return a == b;
    }
}

bool ResultColumn::textIs(quint64 word, const char *utf8, qsizetype bytes) const
{
    // An empty text lies nowhere: there is nothing to compare.
    return (word & kMaxLength) == quint64(bytes)
           && (bytes == 0 || std::memcmp(m_text.at(word >> kLengthBits), utf8, size_t(bytes)) == 0);
}

bool ResultColumn::number(qsizetype row, double *v) const
{
    if (row < 0 || row >= size())
        return false;
    const quint64 w = m_word.at(row);
    switch (kindAt(row)) {
    case Integer:
        *v = double(qint64(w));
        return true;
    case Real:
        *v = std::bit_cast<double>(w);
        return true;
    case Other:
        if (!isNumberValue(m_other.at(qsizetype(w))) || m_other.at(qsizetype(w)).isNull())
            return false;
        *v = m_other.at(qsizetype(w)).toDouble();
        return true;
    default:
        return false;
    }
}

void ResultColumn::mix(Kind kind)
{
    for (qsizetype row = 0; row < size(); ++row)
        m_kind.append(m_first);
    m_kind.append(kind);
    m_mixed = true;
}

void ResultColumn::squeeze()
{
    m_kind.squeeze();
    m_word.squeeze();
    m_text.squeeze();
    m_other.squeeze();
}

void ResultColumn::noteReal(double v)
{
    // Of numbers as long, the one of most digits is the widest: a sign and a
    // decimal point are narrower than a digit.
    const int weight = 4 * numberTextLength(v) - (v < 0) - (v != std::trunc(v));
    if (weight > m_widestRealWeight) {
        m_widestRealWeight = weight;
        m_widestReal = size();
    }
}

void ResultColumn::noteText(const char *utf8, qsizetype bytes)
{
    // A text lighter than the lightest kept, however heavy its bytes, is
    // passed over unread.
    const bool full = m_heavyCount == kCandidates;
    if (full && bytes * kHeaviestByte <= m_heaviest[m_lightest].weight)
        return;
    qint64 weight = 0;
    for (qsizetype i = 0; i < bytes; ++i)
        weight += kByteWeight[quint8(utf8[i])];
    if (!full) {
        m_heaviest[m_heavyCount++] = Candidate{size(), weight};
    } else if (weight > m_heaviest[m_lightest].weight) {
        m_heaviest[m_lightest] = Candidate{size(), weight};
    } else {
        return;
    }
    if (m_heavyCount < kCandidates)
        return;
    for (int i = 0; i < kCandidates; ++i)
        if (m_heaviest[i].weight < m_heaviest[m_lightest].weight)
            m_lightest = i;
}

void ResultColumn::noteOther(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return;
    if (!isNumberValue(v)) {
        m_otherNumbersOnly = false;
        return;
    }
    const int type = v.typeId();
    if (type == QMetaType::Double || type == QMetaType::Float)
        noteReal(v.toDouble());
    else
        noteInteger(v.toLongLong());
}

bool ResultColumn::holdsNumbers() const
{
    const quint8 numbers = (1u << Integer) | (1u << Real);
    const quint8 others = m_otherNumbersOnly ? (1u << Other) : 0;
    const bool someNumber = (m_kinds & numbers) || m_widestReal >= 0 || m_minInteger <= m_maxInteger;
    return someNumber && (m_kinds & ~(numbers | others | (1u << Null))) == 0;
}

QStringList ResultColumn::widestTexts() const
{
    QStringList texts;
    if (m_minInteger <= m_maxInteger)
        texts << QString::number(m_minInteger) << QString::number(m_maxInteger);
    if (m_widestReal >= 0)
        texts << valueText(value(m_widestReal));
    for (int i = 0; i < m_heavyCount; ++i)
        texts << valueText(value(m_heaviest[i].row));
    if (m_kinds & (1u << Bool))
        texts << valueText(true) << valueText(false);
    return texts;
}
