#pragma once

#include <QLayout>
#include <QRect>
#include <QSize>
#include <QVector>

class QComboBox;
class QFont;
class QWidget;

// Every window, frame, box, button and grid column is drawn in twips, for a
// 9-point face whose digits are 6 pixels wide at 96 dots per inch (15 twips
// to the pixel). One factor taken from the application font turns twips into
// pixels everywhere: the width of "0" over 6, never less than 1. A wider face
// enlarges every window in proportion, so nothing moves against anything
// else and what fitted still fits.
//
// A combo box keeps the width of its place whatever its items: give its
// drop-down the width of its longest item instead (keepComboWidth).
namespace geometry {

double scale();
double scale(const QFont &font);
// Twips in pixels at the application font's factor.
int px(int twips);
int px(int twips, double scale);
QSize size(int width, int height);
// The combo's own width no longer follows its items; its drop-down list is
// as wide as the longest of them.
void keepComboWidth(QComboBox *combo);

} // namespace geometry

// A layout that keeps each widget at the place and size its window gives in
// twips, turned into pixels by the font's factor. A widget whose content
// needs more than its place (a box taller than the text line drawn for it, a
// caption wider than its button) grows around its centre, or away from the
// side it is anchored to, and the window grows with it where needed: never
// smaller than its content. The layout's size is the client area. Places
// are taken from the widget's own top left corner, as the twips are drawn,
// also in a frame with a border or a group box with a caption. A button
// grows only when its caption needs it; a combo never grows its place.
class TwipsLayout : public QLayout
{
public:
    // The client area in twips.
    TwipsLayout(QWidget *parent, int widthTwips, int heightTwips);
    ~TwipsLayout() override;

    // Places w at left, top, width, height (twips). anchor: the side that
    // stays put when the widget needs to be wider (AlignLeft, AlignRight
    // or AlignHCenter); heights always grow around the centre.
    void place(QWidget *w, int left, int top, int width, int height, Qt::Alignment anchor = Qt::AlignLeft);
    void place(QWidget *w, const QRect &twips, Qt::Alignment anchor = Qt::AlignLeft)
    {
        place(w, twips.left(), twips.top(), twips.width(), twips.height(), anchor);
    }
    // A caption standing left of a box placed at boxLeft, boxTop, boxHeight:
    // as wide as its text, its right edge gapTwips before the box,
    // centred on the box's line.
    void placeLabel(QWidget *label, int boxLeft, int boxTop, int boxHeight, int gapTwips = 60);
    // The same beside a box already placed, following it where it grows.
    void placeLabel(QWidget *label, const QWidget *box, int gapTwips = 60);
    // A text whose top left corner stands at left, top (twips). Without a
    // width it is as wide as its text; with one, a word-wrapped label breaks
    // its lines there. It is at least heightTwips high and grows downwards
    // as its lines need.
    void placeText(QWidget *label, int left, int top, int widthTwips = 0, int heightTwips = 0);
    // When w needs to be taller than its place, its place grows downwards by
    // the difference, everything placed below it moves down as far and the
    // client area grows with it. Call once the window's widgets are placed.
    void makeRoomBelow(const QWidget *w);
    // The place a widget was given, in twips (null when it has none).
    QRect placeOf(const QWidget *w) const;

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &r) override;
    Qt::Orientations expandingDirections() const override { return {}; }

private:
    struct Entry {
        QLayoutItem *item;
        QRect twips;
        Qt::Alignment anchor;
        bool label = false;
        int gap = 0;
        const QWidget *box = nullptr; // the box a label stands beside
        bool text = false;            // top left anchored, grows downwards
    };
    // The pixel rectangle of an entry: its twips scaled, grown to what the
    // widget needs.
    QRect pixelRect(const Entry &e) const;
    QSize contentSize() const;
    // The layout is its widget's own: places are in the widget's coordinates.
    bool placesInWidget() const;

    QVector<Entry> m_entries;
    QSize m_client;
};
