#pragma once

#include "ResultColumn.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

// A column whose figures the reader computes from two other columns of the
// same row on their decimal values (decimal::product, decimal::difference),
// in place of what the database computed in binary: the query keeps the
// plain expression (A.ReceiveNumber*A.UnitPrice as 金额) for what it means
// and for a row whose operands are not both numbers.
struct DerivedColumn {
    enum Op { Product, Difference };
    QString alias; // the column computed
    QString left, right; // the aliases of its operands
    Op op = Product;
};

// Whether a column of the database holds a yes/no value: shown as 是/否 on
// every database kind, whatever type the driver reports for it.
bool isYesNoColumn(const QString &column);

// The columns of a select list that show a yes/no column of the database
// (OperatorID,Flage as 是否停用 gives 是否停用), by their names in the result.
QStringList yesNoAliases(const QString &sql);

// A query, the columns of its result that the reader computes and those it
// reads as yes/no values.
struct Select {
    Select() = default;
    Select(QString sql, QVector<DerivedColumn> derivedColumns = {})
        : text(std::move(sql)), derived(std::move(derivedColumns)), yesNo(yesNoAliases(text))
    {
    }
    bool isYesNo(const QString &column) const { return yesNo.contains(column, Qt::CaseInsensitive); }

    QString text;
    QVector<DerivedColumn> derived;
    QStringList yesNo;
};

// The derived columns of one result, by position.
class Derivation
{
public:
    // Throws DbError when an alias is not a column of the result.
    Derivation(const Select &select, const QStringList &columns);

    // Appends one row: each column as read (read(c) appends column c's
    // value to data[c]), then each derived column's figure computed from
    // its operands, or as read where they are not both numbers.
    template <typename Read> void appendRow(std::vector<ResultColumn> &data, Read read) const
    {
        for (int c = 0; c < int(data.size()); ++c) {
            if (!m_derived[c])
                read(c);
        }
        for (const int c : m_columns) {
            if (!append(data, c))
                read(c);
        }
    }

private:
    bool append(std::vector<ResultColumn> &data, int col) const;

    struct Operands {
        int left = -1, right = -1;
        DerivedColumn::Op op = DerivedColumn::Product;
    };
    std::vector<bool> m_derived;
    std::vector<int> m_columns;
    std::vector<Operands> m_operands; // by column
};
