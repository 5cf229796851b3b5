#include "ui/widgets/scansteprow.h"

#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/icontile.h"
#include "ui/widgets/kit.h"
#include "ui/widgets/stepbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace ui {

ScanStepRow::ScanStepRow(const CategoryDef &category, QWidget *parent) : QWidget(parent), m_id(category.id)
{
    auto *row = new QHBoxLayout(this);
    row->setSpacing(14);
    row->setContentsMargins(12, 10, 14, 10);

    m_tile = new IconTile(category.icon, QColor(category.color), 30, this);
    row->addWidget(m_tile);

    m_name = new ElidedLabel(category.name, QString(), this);
    m_name->setStyleSheet(QStringLiteral("font-weight: 500;"));
    row->addWidget(m_name, 5);

    m_bar = new StepBar(this);
    m_bar->setMinimumWidth(40);
    m_bar->setMaximumWidth(120);
    row->addWidget(m_bar, 2, Qt::AlignVCenter);

    m_value = new QLabel(QStringLiteral("—"), this);
    m_value->setProperty("role", QStringLiteral("num"));
    m_value->setFixedWidth(78);
    m_value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_value);

    restyle();
    // The inline styles carry token colours, which change with the mode.
    connect(Theme::instance(), &Theme::changed, this, &ScanStepRow::restyle);
    repaintOnThemeChange(this);
}

int ScanStepRow::state() const
{
    return m_bar->state();
}

void ScanStepRow::setState(int state, const QString &text)
{
    const bool wasActive = m_bar->state() == StepBar::Active;
    m_bar->setState(state);
    m_value->setText(text);
    restyle();
    if (wasActive != (state == StepBar::Active))
        update();
}

void ScanStepRow::restyle()
{
    const Theme *theme = Theme::instance();
    const int s = m_bar->state();
    m_value->setStyleSheet(QStringLiteral("color: %1;").arg(Theme::rgba(s == StepBar::Done ? theme->text() : theme->text3())));
    m_name->setStyleSheet(QStringLiteral("font-weight: 500; color: %1;")
                              .arg(Theme::rgba(s == StepBar::Pending ? theme->text2() : theme->text())));
}

void ScanStepRow::paintEvent(QPaintEvent *)
{
    if (m_bar->state() != StepBar::Active)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Theme::instance()->cardHover());
    p.drawRoundedRect(QRectF(rect()), 10, 10);
}

} // namespace ui
