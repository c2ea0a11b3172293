#pragma once

#include <QDialog>

// The about box: no border and no title bar; a click on its background
// hides it. Clicks on its texts do nothing.
class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
