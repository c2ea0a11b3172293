#include "Select.h"

#include "DbError.h"
#include "Decimal.h"

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
