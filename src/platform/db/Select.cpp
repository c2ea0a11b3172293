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
