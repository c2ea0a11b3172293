#pragma once

#include <QString>
#include <QVariant>

// Figures the database sums or adds to, kept exact to ComputedPlaces
// decimals as whole millionths in integer arithmetic; one spelling for every
// database kind.
namespace decimalsql {

// "column=(round(column*1000000,0)+?)/1000000.0": adds the bound value
// (millionths()) to the column.
QString addTo(const QString &column);
// The value to bind to addTo: the value rounded, in whole millionths.
QVariant millionths(double value);
// The exact sum of an expression over a group:
// "cast(Sum(cast(round(expr*1000000,0) as bigint)) as float)/1000000".
QString sum(const QString &expression);
// The exact difference of two such sums.
QString sumDifference(const QString &left, const QString &right);

} // namespace decimalsql
