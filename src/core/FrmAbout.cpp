#include "FrmAbout.h"

#include "platform/ui/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {

QLabel *label(const QString &text, const char *name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// Bold blue type, as the product's name is shown everywhere.
void emphasise(QLabel *l, int pointSize)
{
    QFont f = l->font();
    f.setBold(true);
    f.setPointSize(pointSize);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 160));
    l->setPalette(p);
}

} // namespace

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    QLabel *title = label(QStringLiteral("恒远进销存系统"), "lblTitle", this);
    emphasise(title, 18);
    QLabel *version = label(QStringLiteral("版本：1.0.0"), "lblVersion", this);
    emphasise(version, 10);
    QLabel *description = label(QStringLiteral("For Win98/2000/NT/XP"), "lblDescription", this);
    emphasise(description, 10);
    QLabel *support = label(QStringLiteral("技术支持：恒远软件工作室（使用中遇到问题，请与本工作室联系）"),
                            "lblSupport", this);
    support->setWordWrap(true);
    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    QLabel *maker = label(QStringLiteral("恒远软件工作室 设计制作　版权所有，未经许可不得复制或传播本软件。"),
                          "lblMaker", this);
    maker->setWordWrap(true);
    QFont small = maker->font();
    small.setPointSize(8);
    maker->setFont(small);

    // The notices wrap inside the window's margins; the etched rule runs
    // across the whole window.
    auto *layout = new TwipsLayout(this, 4380, 3120);
    layout->placeText(title, 960, 75);
    layout->placeText(version, 960, 615);
    layout->placeText(description, 960, 960);
    layout->placeText(support, 240, 1740, 3900);
    layout->place(line, 0, 2280, 4380, 30);
    layout->placeText(maker, 240, 2640, 3900);
}

void FrmAbout::mouseReleaseEvent(QMouseEvent *event)
{
    // A click on a text reaches the window too; only the background counts.
    if (event->button() == Qt::LeftButton && !qobject_cast<QLabel *>(childAt(event->position().toPoint())))
        hide();
    QDialog::mouseReleaseEvent(event);
}
