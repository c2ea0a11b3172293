#include "Select.h"

#include "DbError.h"
#include "Decimal.h"

#include <QRegularExpression>

namespace {

// Operator.Flage, the account's "停用" mark: the one such column.
const QLatin1String kYesNoColumn("Flage");

} // namespace

bool isYesNoColumn(const QString &column)
{
    return column.compare(kYesNoColumn, Qt::CaseInsensitive) == 0;
}

namespace {

// The items of a select list, split at the commas outside brackets.
QStringList selectItems(const QString &sql)
{
    static const QRegularExpression head(QStringLiteral("^\\s*select\\s+"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = head.match(sql);
    if (!m.hasMatch())
        return {};
    const auto fromAt = [&sql](qsizetype i) {
        return sql.at(i).isSpace() && sql.mid(i + 1, 4).compare(QLatin1String("from"), Qt::CaseInsensitive) == 0
               && (i + 5 == sql.size() || sql.at(i + 5).isSpace());
    };
    QStringList items;
    int depth = 0;
    qsizetype start = m.capturedEnd();
    for (qsizetype i = start; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        const bool end = depth == 0 && fromAt(i);
        if (end || (depth == 0 && c == QLatin1Char(','))) {
            items << sql.mid(start, i - start).trimmed();
            start = i + 1;
        }
        if (end)
            return items;
    }
    items << sql.mid(start).trimmed();
    return items;
}

} // namespace

QStringList yesNoAliases(const QString &sql)
{
    // Most queries name no such column: they are not parsed.
    if (!sql.contains(kYesNoColumn, Qt::CaseInsensitive))
        return {};
    // "[A.]Column [as Alias]": a plain column, named in the result by its
    // alias or else by its own name.
    static const QRegularExpression item(QStringLiteral("^(?:\\w+\\.)?(\\w+)(?:\\s+as\\s+(\\S+))?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList aliases;
    for (const QString &i : selectItems(sql)) {
        const QRegularExpressionMatch m = item.match(i);
        if (m.hasMatch() && isYesNoColumn(m.captured(1)))
            aliases << (m.hasCaptured(2) ? m.captured(2) : m.captured(1));
    }
    return aliases;
}

Derivation::Derivation(const Select &select, const QStringList &columns)
    : m_derived(columns.size(), false), m_operands(columns.size())
{
    const auto at = [&](const QString &alias) {
        const int c = int(columns.indexOf(alias));
        if (c < 0)
            throw DbError(QStringLiteral("查询结果中没有列“%1”").arg(alias), select.text);
        return c;
    };
    for (const DerivedColumn &d : select.derived) {
        const int c = at(d.alias);
        m_derived[c] = true;
        m_columns.push_back(c);
        m_operands[c] = Operands{at(d.left), at(d.right), d.op};
    }
    for (const QString &key : select.grouping.keys)
        m_keys.push_back(at(key));
    for (const SumColumn &s : select.grouping.sums)
        m_sums.push_back(Summed{at(s.alias), at(s.of.isEmpty() ? s.alias : s.of), s.less.isEmpty() ? -1 : at(s.less)});
}

bool Derivation::append(std::vector<ResultColumn> &data, int col) const
{
    const Operands &o = m_operands[col];
    double a = 0, b = 0;
    if (!data[o.left].lastNumber(&a) || !data[o.right].lastNumber(&b))
        return false;
    data[col].appendReal(o.op == DerivedColumn::Product ? decimal::product(a, b) : decimal::difference(a, b));
    return true;
}

bool Derivation::sameKeys(const std::vector<ResultColumn> &data, qsizetype row, qsizetype above) const
{
    for (const int k : m_keys) {
        if (!data[k].sameValue(row, above))
            return false;
    }
    return true;
}

void Derivation::finish(std::vector<ResultColumn> &data) const
{
    if (m_keys.empty())
        return;
    std::vector<bool> summed(data.size(), false);
    for (const Summed &s : m_sums)
        summed[s.column] = true;
    std::vector<ResultColumn> folded(data.size());
    std::vector<decimal::Sum> sums(m_sums.size());
    std::vector<bool> any(m_sums.size(), false);
    const auto close = [&] {
        for (size_t i = 0; i < m_sums.size(); ++i) {
            if (any[i])
                folded[m_sums[i].column].appendReal(sums[i].value());
            else
                folded[m_sums[i].column].appendNull();
            sums[i] = decimal::Sum();
            any[i] = false;
        }
    };
    const qsizetype rows = data.empty() ? 0 : data.front().size();
    for (qsizetype r = 0; r < rows; ++r) {
        if (r == 0 || !sameKeys(data, r, r - 1)) {
            if (r > 0)
                close();
            for (size_t c = 0; c < data.size(); ++c) {
                if (!summed[c])
                    folded[c].appendFrom(data[c], r);
            }
        }
        for (size_t i = 0; i < m_sums.size(); ++i) {
            double v = 0;
            if (data[m_sums[i].of].number(r, &v)) {
                sums[i].add(v);
                any[i] = true;
            }
            if (m_sums[i].less >= 0 && data[m_sums[i].less].number(r, &v)) {
                sums[i].add(-v);
                any[i] = true;
            }
        }
    }
    if (rows > 0)
        close();
    data = std::move(folded);
}
