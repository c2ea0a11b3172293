#pragma once

// Driving record editors as the operator would: open one the way the main
// window does, type into its boxes, press its buttons.
#include "TestSupport.h"

#include "core/WindowRegistry.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The editor registered for a navigation code, made for add (id empty) or
// modify (id = the key) and loaded. *loaded tells whether it may be shown;
// a loaded editor is shown.
inline std::unique_ptr<QDialog> openEditor(TestApp &app, int code, const QString &id = QString(),
                                           bool *loaded = nullptr)
{
    const WindowRegistry::Editor *e = WindowRegistry::standard().editor(code);
    if (!e) {
        qWarning("no editor for %d", code);
        return nullptr;
    }
    app.state().editMode = id.isNull() ? 1 : 2;
    std::unique_ptr<QDialog> dlg(e->make(app.state(), id, nullptr));
    auto *l = dynamic_cast<LoadableWindow *>(dlg.get());
    const bool ok = !l || l->load();
    if (loaded)
        *loaded = ok;
    if (ok)
        dlg->show();
    return dlg;
}

// Types text into a box (or an editable combo) key by key, after emptying it.
inline void typeInto(QWidget *w, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->clear();
    else if (auto *c = qobject_cast<QComboBox *>(w))
        c->setEditText(QString());
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

inline void typeInto(QObject *window, const char *name, const QString &text)
{
    QWidget *w = window->findChild<QWidget *>(QString::fromLatin1(name));
    if (!w)
        qWarning("no input %s", name);
    else
        typeInto(w, text);
}

inline QString textOf(QObject *window, const char *name)
{
    QWidget *w = window->findChild<QWidget *>(QString::fromLatin1(name));
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    qWarning("no input %s", name);
    return QString();
}

inline void press(QObject *window, const char *button)
{
    QPushButton *b = child<QPushButton>(window, button);
    if (b)
        QTest::mouseClick(b, Qt::LeftButton);
}

// Chooses the item of a code combo whose code is given, as a pick from its list.
inline void choose(QObject *window, const char *combo, const QString &code)
{
    QComboBox *c = child<QComboBox>(window, combo);
    if (!c)
        return;
    c->setCurrentIndex(c->findData(code));
    emit c->activated(c->currentIndex());
}

// Chooses the first item of a combo whose text starts with prefix, as a
// click in its list does.
inline void chooseText(QObject *window, const char *combo, const QString &prefix)
{
    QComboBox *c = child<QComboBox>(window, combo);
    if (!c)
        return;
    for (int i = 0; i < c->count(); ++i) {
        if (c->itemText(i).startsWith(prefix)) {
            c->setCurrentIndex(i);
            emit c->activated(i);
            return;
        }
    }
    qWarning("no item %s in %s", qPrintable(prefix), combo);
}
