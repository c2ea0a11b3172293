#include "ReportText.h"

#include <array>

namespace report {
namespace {

const double kSafety = 1.02; // measured widths leave room for kerning

// What a character is to line breaking, one byte of bits per UTF-16 unit.
enum : quint8 { Blank = 1, Chinese = 2, Opening = 4, Closing = 8, Trailing = 16, InWord = 32 };

const std::array<quint8, 0x10000> &classes()
{
    static const std::array<quint8, 0x10000> table = [] {
        std::array<quint8, 0x10000> t{};
        for (int u = 0; u < 0x10000; ++u) {
            const QChar c{char16_t(u)};
            t[u] = quint8((c.isSpace() ? Blank : 0) | (u >= 0x2E80 ? Chinese : 0) | (c.isLowSurrogate() ? Trailing : 0));
        }
        for (const QChar c : QStringLiteral("（《「『【〔〈〖［｛“‘([{"))
            t[c.unicode()] |= Opening;
        for (const QChar c : QStringLiteral("，。、；：？！）》」』】〕〉〗］｝”’…),.;:?!]}"))
            t[c.unicode()] |= Closing;
        for (const QChar c : QStringLiteral("-/\\_×·.,:;+|~&"))
            t[c.unicode()] |= InWord;
        return t;
    }();
    return table;
}

// Whether a line may break between two characters of a text.
bool breaksBetween(quint8 before, quint8 after)
{
    if ((after & (Blank | Closing | Trailing)) || (before & Opening))
        return false;
    return (before & Blank) || ((before | after) & Chinese);
}

// Whether a word too wide for a line may break between two of its
// characters: after its punctuation.
bool breaksInWord(quint8 before, quint8 after)
{
    return (before & InWord) && !(after & (Blank | Closing | Trailing));
}

} // namespace

Measure::Measure(const QFont &f) : m_fm(f), m_advance(0x10000, -1.0f) {}

double Measure::width(const QString &text)
{
    double w = 0;
    for (const QChar c : text)
        w += advance(c);
    return w;
}

double Measure::advance(QChar c)
{
    float &a = m_advance[c.unicode()];
    if (a < 0)
        a = float(kSafety * (c.isSurrogate() ? m_fm.horizontalAdvance(QChar(0x4E2D)) : m_fm.horizontalAdvance(c)));
    return a;
}

Measure &measure(FontRole role)
{
    static Measure title(font(FontRole::Title)), caption(font(FontRole::Caption)), cell(font(FontRole::Cell)),
        footer(font(FontRole::Footer));
    switch (role) {
    case FontRole::Title: return title;
    case FontRole::Caption: return caption;
    case FontRole::Cell: return cell;
    case FontRole::Footer: break;
    }
    return footer;
}

TextWidth textWidth(Measure &m, const QString &text)
{
    const auto &kind = classes();
    TextWidth w;
    double word = 0, piece = 0;
    quint8 before = Blank;
    for (const QChar c : text) {
        const quint8 k = kind[c.unicode()];
        if (breaksBetween(before, k))
            word = piece = 0;
        else if (breaksInWord(before, k))
            piece = 0;
        const double a = m.advance(c);
        w.whole += a;
        if (!(k & Blank)) { // a blank at a line's end takes no room that counts
            w.widestWord = std::max(w.widestWord, word += a);
            w.widestPiece = std::max(w.widestPiece, piece += a);
        }
        before = k;
    }
    return w;
}

QStringList wrapLines(const QString &text, double width)
{
    Measure &m = measure(FontRole::Cell);
    const auto &kind = classes();
    QStringList lines;
    // The line's start; the last places on it where it may break, and where
    // a word may; the width from the start to here and to those places.
    qsizetype start = 0, breakAt = -1, pieceAt = -1;
    double w = 0, wBeforeBreak = 0, wBeforePiece = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const quint8 k = kind[text[i].unicode()];
        if (i > start && breaksBetween(kind[text[i - 1].unicode()], k)) {
            breakAt = i;
            wBeforeBreak = w;
        } else if (i > start && breaksInWord(kind[text[i - 1].unicode()], k)) {
            pieceAt = i;
            wBeforePiece = w;
        }
        const double a = m.advance(text[i]);
        // Blanks may hang past the edge: the line breaks after them. A word
        // breaks inside only when the line holds nothing else.
        if (w + a > width && i > start && !(k & (Trailing | Blank))) {
            qsizetype end = i;
            double taken = w;
            if (breakAt > start) {
                end = breakAt;
                taken = wBeforeBreak;
            } else if (pieceAt > start) {
                end = pieceAt;
                taken = wBeforePiece;
            }
            lines << text.mid(start, end - start);
            w -= taken;
            wBeforePiece -= taken;
            start = end;
            breakAt = -1;
            if (pieceAt <= start) // else it lies in the word carried over
                pieceAt = -1;
        }
        w += a;
    }
    lines << text.mid(start);
    return lines;
}

} // namespace report
