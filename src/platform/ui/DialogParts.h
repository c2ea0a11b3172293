#pragma once

#include <QDialog>
#include <QPushButton>
#include <QString>

#include "Widgets.h"

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

// A named button that Enter presses only when it has the focus.
inline QPushButton *plainButton(const QString &caption, const char *objectName, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    pressOnlyWhenFocused(b);
    return b;
}
