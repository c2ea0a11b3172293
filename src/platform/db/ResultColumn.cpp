#include "ResultColumn.h"

#include <bit>
#include <cstring>

void ResultColumn::appendReal(double v)
{
    push(Real, std::bit_cast<quint64>(v));
}

void ResultColumn::appendText(const char *utf8, qsizetype bytes)
{
    if (quint64(bytes) > kMaxLength) {
        m_other.append(QVariant(QString::fromUtf8(utf8, bytes)));
        push(Other, quint64(m_other.size() - 1));
        return;
    }
    if (!m_kind.isEmpty() && m_kind.constLast() == Text) {
        const quint64 above = m_word.constLast();
        if ((above & kMaxLength) == quint64(bytes)
            && std::memcmp(m_text.constData() + (above >> kLengthBits), utf8, size_t(bytes)) == 0) {
            push(Text, above);
            return;
        }
    }
    const quint64 offset = quint64(m_text.size());
    m_text.append(utf8, bytes);
    push(Text, (offset << kLengthBits) | quint64(bytes));
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
    m_other.append(v);
    push(Other, quint64(m_other.size() - 1));
}

QVariant ResultColumn::value(qsizetype row) const
{
    if (row < 0 || row >= size())
        return QVariant();
    const quint64 w = m_word.at(row);
    switch (m_kind.at(row)) {
    case Integer:
        return QVariant(qlonglong(w));
    case Real:
        return QVariant(std::bit_cast<double>(w));
    case Bool:
        return QVariant(w != 0);
    case Text:
        return QVariant(QString::fromUtf8(m_text.constData() + (w >> kLengthBits), qsizetype(w & kMaxLength)));
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
    switch (m_kind.at(row)) {
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

void ResultColumn::squeeze()
{
    m_kind.squeeze();
    m_word.squeeze();
    m_text.squeeze();
    m_other.squeeze();
}
