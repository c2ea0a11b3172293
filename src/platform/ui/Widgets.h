#pragma once

#include "Geometry.h"

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

// Window sizes and positions are given in twips; geometry::px turns them
// into pixels at the application font's factor (Geometry.h).
inline int twips(int t)
{
    return geometry::px(t);
}

// A colour number as kept in Setup.ini: with the top bit set, a system colour
// by the index in its low byte (…05 window background, …18 tooltip
// background); otherwise RGB with red in the low byte. Text that is not a
// number gives the window background.
QColor colorFromNumber(const QString &number, const QPalette &palette);

// Enter moves the focus to the next control in tab order and goes no further
// (so it never presses a default button). Install on each box that wants it.
class EnterToTab : public QObject
{
    Q_OBJECT
public:
    explicit EnterToTab(QObject *parent = nullptr) : QObject(parent) {}
    // Installs one filter, owned by owner, on every widget given.
    static void install(QObject *owner, std::initializer_list<QWidget *> widgets);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// A button that Enter in a box never presses (no default button comes of
// it), while Enter with the focus on the button itself presses it, as Space
// does.
void pressOnlyWhenFocused(QPushButton *button);

// Moves the focus from w to the next control in its window's tab order.
void focusNext(QWidget *w);

// Whether event is the focus leaving w for good: not for a popup or another
// window, and not while w's own drop-down list is open (a combo opening its
// list loses the focus to it twice, with different reasons).
bool focusLeaves(const QWidget *w, const QEvent *event);

// A password box that shows "*" for every typed character.
void showStars(QLineEdit *box);

// Boxes the program fills (on loading a record, on a choice from a list)
// show the start of their text, the code before its name, also when they
// are disabled and cannot be scrolled: w's own box, an editable combo's, or
// every box inside w. The operator's own typing scrolls as usual.
void showStart(QWidget *w);
// Entering a box by Tab, Enter or a window's opening selects its whole text
// as ever, but with the cursor at its start, so the start stays in view:
// installed on every box and editable combo of window.
void showStartOnEntry(QWidget *window);

// The width a box needs to show text whole.
int boxWidth(const QLineEdit *box, const QString &text);
