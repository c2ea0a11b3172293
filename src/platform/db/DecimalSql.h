#pragma once

#include <QString>
#include <QVariant>

// Figures the database adds to (stock, received and delivered quantities),
// kept exact to ComputedPlaces decimals as whole millionths in integer
// arithmetic; one spelling for every database kind.
namespace decimalsql {

// "column=(round(column*1000000,0)+?)/1000000.0": adds the bound value
// (millionths()) to the column.
QString addTo(const QString &column);
// The value to bind to addTo: the value rounded, in whole millionths.
QVariant millionths(double value);

} // namespace decimalsql
