#include "Faces.h"

#include <QApplication>
#include <QFont>

namespace faces {

void setUp()
{
    // Read by fontconfig when it first matches a face.
    qputenv("FC_LANG", "zh-cn");
    // A compact CJK face, close to the 9-point 宋体 the layouts were drawn for.
    QFont font(QStringLiteral("Noto Sans CJK SC"), 9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

} // namespace faces
