#pragma once

#include <QString>

// Codes compare as the tables compare them: their text columns are
// COLLATE NOCASE, which makes the ASCII letters A-Z and a-z one and leaves
// every other character itself ("Ä" is not "ä", "Ａ" is not "ａ").

// The key under which codes that the tables take for one are one
// ("aBÄ" → "abÄ").
QString codeKey(const QString &code);
// Whether the tables take a and b for one code.
bool sameCode(const QString &a, const QString &b);
