#pragma once

#include <QDialog>

struct AppState;
class QKeyEvent;
class QLineEdit;

// "单位名称": the company's full and short name, kept in Setup.ini [title].
// "保存" stores both trimmed and leaves the window open. Escape closes
// nothing: what was typed stays until "关闭".
class FrmComName : public QDialog
{
    Q_OBJECT
public:
    explicit FrmComName(AppState &state, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void loadCompanyNames();
    void saveCompanyNames();

    AppState &m_state;
    QLineEdit *m_fullName;
    QLineEdit *m_shortName;
};
