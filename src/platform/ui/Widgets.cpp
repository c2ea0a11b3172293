#include "Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
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

bool EnterToTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && key->modifiers() == Qt::NoModifier) {
            if (auto *w = qobject_cast<QWidget *>(watched))
                focusNext(w);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
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

void showStars(QLineEdit *box)
{
    box->setEchoMode(QLineEdit::Password);
    // The style's own mask character is a dot; a style sheet names another.
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

void showStart(QWidget *w)
{
    QList<QLineEdit *> boxes = w->findChildren<QLineEdit *>();
    if (auto *box = qobject_cast<QLineEdit *>(w))
        boxes.prepend(box);
    for (QLineEdit *box : std::as_const(boxes))
        box->setCursorPosition(0);
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
