#include "NavigationBar.h"

#include <QListWidget>

NavigationBar::NavigationBar(QWidget *parent) : QToolBox(parent) {}

QListWidget *NavigationBar::list(int group) const
{
    return qobject_cast<QListWidget *>(widget(group - 1));
}

int NavigationBar::addGroup(const QString &caption)
{
    auto *items = new QListWidget(this);
    items->setObjectName(QStringLiteral("group%1").arg(count() + 1));
    items->setViewMode(QListView::ListMode);
    items->setSpacing(3);
    items->setFrameShape(QFrame::NoFrame);
    const int group = QToolBox::addItem(items, caption) + 1;
    connect(items, &QListWidget::itemClicked, this, [this, items, group](QListWidgetItem *item) {
        emit itemClicked(group, items->row(item) + 1);
    });
    return group;
}

void NavigationBar::addItem(int group, const QString &caption)
{
    if (QListWidget *l = list(group)) {
        auto *item = new QListWidgetItem(caption, l);
        item->setTextAlignment(Qt::AlignCenter);
    }
}

int NavigationBar::itemCount(int group) const
{
    QListWidget *l = list(group);
    return l ? l->count() : 0;
}

QString NavigationBar::groupCaption(int group) const
{
    return itemText(group - 1);
}

QString NavigationBar::itemCaption(int group, int item) const
{
    QListWidget *l = list(group);
    return l && l->item(item - 1) ? l->item(item - 1)->text() : QString();
}

void NavigationBar::setCurrentGroup(int group)
{
    setCurrentIndex(group - 1);
}

void NavigationBar::clickItem(int group, int item)
{
    QListWidget *l = list(group);
    if (!l || !l->item(item - 1))
        return;
    setCurrentGroup(group);
    l->setCurrentRow(item - 1);
    emit itemClicked(group, item);
}
