#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>

#include <initializer_list>
#include <type_traits>

// The pieces every small fixed-size window is made of.

// Names the window, gives it its caption and a fixed-size dialog frame with
// a close box.
inline void setUpFixedDialog(QDialog *dialog, const char *objectName, const QString &caption)
{
    dialog->setObjectName(QString::fromLatin1(objectName));
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint
                           | Qt::WindowTitleHint);
}

// The window's body over a row of buttons at its right; the window as large
// as they need and no larger.
template <typename Body>
inline void layOutFixedDialog(QDialog *dialog, Body *body, std::initializer_list<QPushButton *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *b : buttons)
        row->addWidget(b);
    auto *layout = new QVBoxLayout(dialog);
    if constexpr (std::is_base_of_v<QLayout, Body>)
        layout->addLayout(body);
    else
        layout->addWidget(body);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// A named button that Enter never presses on its own.
inline QPushButton *plainButton(const QString &caption, const char *objectName, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}
