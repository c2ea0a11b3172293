#pragma once

#include <QByteArray>

// The defining query of the list of a navigation code, as the list is
// defined (empty for a code without one): the floor a list is measured by.
QByteArray definingQuery(int code);
