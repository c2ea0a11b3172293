#pragma once

#include <QDialog>

struct AppState;
class QRadioButton;

// "单据背景色设置": chooses one of the two background colours of the bill
// windows. Bill windows opened afterwards paint themselves in it.
class FrmBillBColor : public QDialog
{
    Q_OBJECT
public:
    explicit FrmBillBColor(AppState &state, QWidget *parent = nullptr);

private:
    void saveBillColor();

    AppState &m_state;
    QRadioButton *m_color1;
    QRadioButton *m_color2;
};
