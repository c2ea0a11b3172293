#pragma once

#include <QString>

// Reads and writes one key of a profile file ("[Section]" lines and
// "Key=Value" lines). Section and key names match without regard to case;
// values come back trimmed. A write changes or adds the one line it needs
// and keeps every other line of the file as it was. The file is UTF-8.
namespace ini {

// The key's value, trimmed, or fallback when the file, the section or the
// key is missing.
QString read(const QString &file, const QString &section, const QString &key,
             const QString &fallback = QString());

// Stores value (carriage returns and line feeds written as blanks), creating
// the file, the section or the key as needed. False when the file cannot be
// written; the old file is then left as it was.
bool write(const QString &file, const QString &section, const QString &key, const QString &value);

} // namespace ini
