#pragma once

// Driving bill windows as the operator would: type into the cell editor
// key by key, walk the cells with Enter, choose from the lists.
#include "TestSupport.h"

#include "bills/BillWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace billkit {

// Key events carrying their text, as a keyboard or an input method gives them.
inline void type(QWidget *w, const QString &text)
{
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
    }
}

inline void enter(QWidget *w)
{
    QTest::keyClick(w, Qt::Key_Return);
}

inline QLineEdit *box(QWidget &w, const char *name)
{
    return child<QLineEdit>(&w, name);
}

inline QPushButton *button(QWidget &w, const char *name)
{
    return child<QPushButton>(&w, name);
}

// Chooses the item starting with prefix, as a click in the list.
inline bool choose(QComboBox *combo, const QString &prefix)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(prefix)) {
            combo->setCurrentIndex(i);
            emit combo->activated(i);
            return true;
        }
    }
    qWarning("no item %s", qPrintable(prefix));
    return false;
}

// Opens a header box's list with a double click and chooses an item.
inline bool pick(BillWindow &w, const QString &name, const QString &prefix)
{
    QTest::mouseDClick(w.findChild<QLineEdit *>(QStringLiteral("txt_") + name), Qt::LeftButton);
    return choose(w.findChild<QComboBox *>(QStringLiteral("cmb_") + name), prefix);
}

// Fills a line by clicking its code cell and walking its cells with Enter,
// one value per cell of the kind's Enter order: typed into the cell editor
// (replacing what it shows), or for a storage cell the item of the storage
// list that starts with it (empty: the list left as it is).
inline void fillLine(BillWindow &w, int row, const QStringList &values)
{
    w.clickCell(row, w.kind().column(ColRole::Code));
    for (int i = 0; i < values.size() && i < w.kind().enterOrder.size(); ++i) {
        if (w.kind().enterOrder[i] == ColRole::Storage) {
            if (!values[i].isEmpty())
                choose(w.storageEditor(), values[i]);
            enter(w.storageEditor());
            continue;
        }
        w.cellEditor()->selectAll();
        type(w.cellEditor(), values[i]);
        enter(w.cellEditor());
    }
}

} // namespace billkit
