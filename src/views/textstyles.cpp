#include "views/textstyles.h"

#include <QLabel>

namespace Brindlewick {

void makeSecondary(QWidget *widget)
{
    QPalette p = widget->palette();
    QColor c = p.color(QPalette::WindowText);
    c.setAlphaF(0.65);
    p.setColor(QPalette::WindowText, c);
    widget->setPalette(p);
}

QLabel *wrappingLabel(QWidget *parent, double scale)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * scale);
    label->setFont(f);
    return label;
}

QLabel *secondaryLabel(QWidget *parent, double scale)
{
    QLabel *label = wrappingLabel(parent, scale);
    makeSecondary(label);
    return label;
}

} // namespace Brindlewick
