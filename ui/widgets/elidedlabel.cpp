#include "ui/widgets/elidedlabel.h"

#include "ui/widgets/kit.h"

#include <QPainter>

namespace ui {

ElidedLabel::ElidedLabel(const QString &text, const QString &role, QWidget *parent) : QLabel(parent)
{
    if (!role.isEmpty())
        setProperty("role", role);
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setText(text);
    repaintOnThemeChange(this);
}

void ElidedLabel::setText(const QString &text)
{
    QLabel::setText(text);
    setToolTip(text);
}

QSize ElidedLabel::minimumSizeHint() const
{
    // Any width will do: the text is elided to what is there.
    return QSize(0, QLabel::minimumSizeHint().height());
}

QString ElidedLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, shownText());
}

} // namespace ui
