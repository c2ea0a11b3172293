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

// A column the reader sums over each group of rows: the exact decimal sum
// of the values of column of (the column itself when empty), less that of
// column less when named, rounded once (decimal::Sum). A group without a
// number sums to null, as in SQL. The query keeps the row's own expression
// (A.MustPay-A.HavePay as 未付金额) for what it means.
struct SumColumn {
    QString alias;
    QString of = QString(), less = QString();
};

// Rows the reader folds into one per group, in place of the database's
// binary sums: the query lists every row ordered by its keys, and each run
// of rows with equal keys becomes one row, with the values of its first row
// and its sums.
struct Grouping {
    QStringList keys;
    QVector<SumColumn> sums;
};

// A query, the columns of its result that the reader computes, those it
// reads as yes/no values, and the rows it folds into groups.
struct Select {
    Select() = default;
    Select(QString sql, QVector<DerivedColumn> derivedColumns = {}, Grouping groupRows = {})
        : text(std::move(sql)), derived(std::move(derivedColumns)), yesNo(yesNoAliases(text)), grouping(std::move(groupRows))
    {
    }
    bool isYesNo(const QString &column) const { return yesNo.contains(column, Qt::CaseInsensitive); }

    QString text;
    QVector<DerivedColumn> derived;
    QStringList yesNo;
    Grouping grouping;
};

// The columns of one result that the reader computes, by position: derived
// columns as each row is read, then the groups folded.
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

    // Once every row is read: each group of rows folded into one.
    void finish(std::vector<ResultColumn> &data) const;

private:
    bool append(std::vector<ResultColumn> &data, int col) const;
    bool sameKeys(const std::vector<ResultColumn> &data, qsizetype row, qsizetype above) const;

    struct Operands {
        int left = -1, right = -1;
        DerivedColumn::Op op = DerivedColumn::Product;
    };
    std::vector<bool> m_derived;
    std::vector<int> m_columns;
    std::vector<Operands> m_operands; // by column

    struct Summed {
        int column = -1, of = -1, less = -1;
    };
    std::vector<int> m_keys;
    std::vector<Summed> m_sums;
};
