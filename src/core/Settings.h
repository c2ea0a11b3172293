#pragma once

#include <QString>

// The [UserSet] values the main window reads at load, with the fall-backs
// for values that are missing or not numbers.
inline constexpr const char *DefaultBillColor = "-2147483643";
inline constexpr int DefaultIdByte = 8;

// BillBColor: a decimal colour number, else the window background.
QString billColorSetting(const QString &iniValue);
// IDByte: a whole number from 1 to 18, else 8.
int idByteSetting(const QString &iniValue);
