#include "Widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

QColor colorFromNumber(const QString &number, const QPalette &palette)
{
    bool ok = false;
    const qint64 n = number.trimmed().toLongLong(&ok);
    if (!ok || n < -2147483648LL || n > 0xFFFFFFFFLL)
        return palette.color(QPalette::Base);
    const quint32 v = quint32(n);
    if (v & 0x80000000u) {
        switch (v & 0xFFu) {
        case 0x05: return palette.color(QPalette::Base);
        case 0x18: return palette.color(QPalette::ToolTipBase);
        case 0x0F: return palette.color(QPalette::Button);
        case 0x08: return palette.color(QPalette::Text);
        case 0x0D: return palette.color(QPalette::Highlight);
        case 0x0E: return palette.color(QPalette::HighlightedText);
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

void EnterToTab::install(QObject *owner, std::initializer_list<QWidget *> widgets)
{
    auto *filter = new EnterToTab(owner);
    for (QWidget *w : widgets)
        w->installEventFilter(filter);
}

namespace {

// Enter or Return, the keypad's included, pressed without Shift, Ctrl or Alt.
bool isPlainEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
           && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Enter on the button presses it.
class EnterPresses : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!isPlainEnter(event))
            return false;
        auto *button = static_cast<QPushButton *>(watched);
        if (button->isEnabled())
            button->click();
        return true;
    }
};

} // namespace

bool EnterToTab::eventFilter(QObject *watched, QEvent *event)
{
    if (!isPlainEnter(event))
        return QObject::eventFilter(watched, event);
    if (auto *w = qobject_cast<QWidget *>(watched))
        focusNext(w);
    return true;
}

void pressOnlyWhenFocused(QPushButton *button)
{
    button->setAutoDefault(false);
    button->setDefault(false);
    button->installEventFilter(new EnterPresses(button));
}

void focusNext(QWidget *w)
{
    QWidget *next = w->nextInFocusChain();
    while (next && next != w) {
        if (next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)
            && next->window() == w->window() && !next->focusProxy()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
        next = next->nextInFocusChain();
    }
}

bool focusLeaves(const QWidget *w, const QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const auto reason = static_cast<const QFocusEvent *>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return false;
    const auto *combo = qobject_cast<const QComboBox *>(w);
    return !combo || !combo->view()->isVisible();
}

void showStars(QLineEdit *box)
{
    box->setEchoMode(QLineEdit::Password);
    // The style's own mask character is a dot; a style sheet names another.
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

namespace {

// The whole text selected from its end back to its start.
void selectFromStart(QLineEdit *box)
{
    box->setSelection(int(box->text().size()), -int(box->text().size()));
}

// Does what the box would do on entry, selecting all of its text, before it
// does it: from the end back, so that the cursor and the view are at the start.
class StartOnEntry : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::FocusIn)
            return false;
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason)
            return false;
        QLineEdit *box = qobject_cast<QLineEdit *>(watched);
        if (auto *combo = qobject_cast<QComboBox *>(watched))
            box = combo->lineEdit();
        if (box && !box->hasSelectedText() && box->inputMask().isEmpty())
            selectFromStart(box);
        return false;
    }
};

} // namespace

void showStart(QWidget *w)
{
    QList<QLineEdit *> boxes = w->findChildren<QLineEdit *>();
    if (auto *box = qobject_cast<QLineEdit *>(w))
        boxes.prepend(box);
    for (QLineEdit *box : std::as_const(boxes)) {
        // A box whose text is selected keeps it so.
        if (box->hasSelectedText() && box->selectedText() == box->text())
            selectFromStart(box);
        else
            box->setCursorPosition(0);
    }
}

void showStartOnEntry(QWidget *window)
{
    auto *filter = new StartOnEntry(window);
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        box->installEventFilter(filter);
    for (QComboBox *combo : window->findChildren<QComboBox *>())
        combo->installEventFilter(filter);
}

int boxWidth(const QLineEdit *box, const QString &text)
{
    QStyleOptionFrame opt;
    opt.initFrom(box);
    opt.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box) : 0;
    const QMargins m = box->textMargins();
    // The box's own margin of 2 pixels on either side, and the cursor.
    const int inner = box->fontMetrics().horizontalAdvance(text) + 4 + m.left() + m.right() + 1;
    return box->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, QSize(inner, box->fontMetrics().height()), box).width();
}
