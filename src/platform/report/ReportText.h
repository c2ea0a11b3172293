#pragma once

#include "ReportLayout.h"

#include <QFontMetricsF>
#include <QStringList>

#include <vector>

// How the report layout measures and breaks the texts of its cells.
namespace report {

// Text widths by summing each character's advance: exact enough to size
// columns over a hundred thousand rows without shaping every text.
class Measure
{
public:
    explicit Measure(const QFont &f);

    double width(const QString &text);
    double advance(QChar c);
    const QFontMetricsF &metrics() const { return m_fm; }

private:
    QFontMetricsF m_fm;
    std::vector<float> m_advance;
};

// The measure of each report font, made once.
Measure &measure(FontRole role);

// A text's width, the width of its widest word and of its widest piece of a
// word. A line breaks after a blank and before or after a Chinese
// character, never before closing punctuation ("，", "。", "）") nor after
// opening punctuation ("（", "《"), so a run of characters without a blank
// and without a Chinese character (a code, a bill number, a number, a word)
// stays on one line. Only a word wider than the whole line breaks inside:
// after its punctuation ("M12×150mm-GB/T5783-2016-A2-70" after "×", "-",
// "/"; see breaksInWord in ReportText.cpp), into pieces.
struct TextWidth {
    double whole = 0, widestWord = 0, widestPiece = 0;
};
TextWidth textWidth(Measure &m, const QString &text);

// The lines of a cell's text at that width: each as long as fits, broken
// where a line may break, its blanks at the end hanging past the edge; a
// word wider than the whole width breaks after its punctuation, and a piece
// still wider is cut where it reaches the edge. The lines together are the
// text.
QStringList wrapLines(const QString &text, double width);

} // namespace report
