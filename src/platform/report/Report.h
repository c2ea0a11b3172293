#pragma once

#include "platform/db/ResultTable.h"

#include <QString>
#include <stdexcept>

// What a report shows: a title over the rows of one result, each column
// captioned by its alias. A bill report also sums the column 金额 under its
// lines. The result is an immutable snapshot, so a report keeps what it was
// built from however the list it came from changes later.
struct Report {
    QString title;
    ResultPtr rows;
    bool billTotal = false;
};

// A report that cannot be laid out, printed or exported; text() says why.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
