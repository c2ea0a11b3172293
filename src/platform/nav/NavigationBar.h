#pragma once

#include <QToolBox>

class QListWidget;

// The vertical navigation bar: groups, one open at a time, each with its
// items. A click on an item gives the group and item numbers, both counted
// from 1.
class NavigationBar : public QToolBox
{
    Q_OBJECT
public:
    explicit NavigationBar(QWidget *parent = nullptr);

    // Returns the new group's number.
    int addGroup(const QString &caption);
    void addItem(int group, const QString &caption);
    int groupCount() const { return count(); }
    int itemCount(int group) const;
    QString groupCaption(int group) const;
    QString itemCaption(int group, int item) const;
    // Opens the group (the others close).
    void setCurrentGroup(int group);
    // Opens the group and clicks the item, as the operator would.
    void clickItem(int group, int item);

signals:
    void itemClicked(int group, int item);

private:
    QListWidget *list(int group) const;
};
