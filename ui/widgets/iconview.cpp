#include "ui/widgets/iconview.h"

#include "ui/icons.h"
#include "ui/widgets/kit.h"

#include <QPainter>

namespace ui {

IconView::IconView(const QString &iconName, Tone tone, int size, QWidget *parent)
    : QWidget(parent), m_name(iconName), m_tone(tone)
{
    setFixedSize(size, size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    repaintOnThemeChange(this);
}

void IconView::setIconName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    update();
}

void IconView::setTone(Tone tone)
{
    if (tone == m_tone)
        return;
    m_tone = tone;
    update();
}

void IconView::paintEvent(QPaintEvent *)
{
    if (m_name.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    paintIcon(&p, QRectF(rect()), m_name, m_tone);
}

} // namespace ui
