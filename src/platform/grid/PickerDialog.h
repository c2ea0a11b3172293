#pragma once

#include "TextGrid.h"

#include <QDialog>
#include <QVector>

class QPushButton;
class TwipsLayout;

// A picker window: a list whose fixed first column holds the marks ("√"),
// with "确定" and "退出" below it. A click on a row (or its mark cell) goes
// to rowClicked(); "确定" to confirmed() and then closes; "退出" and the close
// box close with nothing chosen. A fixed size: the client area and the grid
// as given in twips, "确定" and "退出" under the grid's right end. Every
// column shows: the columns of text give way to the codes and numbers.
class PickerDialog : public QDialog
{
    Q_OBJECT
public:
    static const QString Mark;

    TextGrid *grid() const { return m_grid; }

protected:
    // widths: of the grid's columns 0 onwards, twips; fits: of its columns
    // 1 onwards.
    PickerDialog(const QString &name, const QString &caption, const QString &gridName, const QSize &clientTwips,
                 const QRect &gridTwips, const QVector<int> &widths, const QVector<ColFit> &fits, QWidget *parent);

    QPushButton *okButton() const { return m_ok; }
    QPushButton *exitButton() const { return m_exit; }
    // Further controls are placed here, in twips.
    TwipsLayout *places() const { return m_places; }

    virtual void rowClicked(int row) = 0;
    virtual void confirmed() = 0;

    bool isMarked(int row) const;
    void setMarked(int row, bool marked);
    // The trimmed codes (column 1) of the marked rows, in list order.
    QStringList markedCodes() const;
    // Centred columns and captions, the widths and fits, and the corner text; run
    // after every change of the selection, as the list may have been bound anew.
    void formatGrid();
    void setCornerText(const QString &text) { m_corner = text; }

private:
    TextGrid *m_grid;
    QPushButton *m_ok;
    QPushButton *m_exit;
    TwipsLayout *m_places;
    QVector<int> m_widths;
    QVector<ColFit> m_fits;
    QString m_corner;
};
