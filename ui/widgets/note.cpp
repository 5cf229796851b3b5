#include "ui/widgets/note.h"

#include "ui/widgets/iconview.h"
#include "ui/widgets/kit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace ui {

namespace {

Tone toneFor(int kind)
{
    switch (kind) {
    case Note::Accent: return Tone::Accent;
    case Note::Warning: return Tone::Warn;
    default: return Tone::Text3;
    }
}

} // namespace

Note::Note(int kind, const QString &iconName, const QString &richText, QWidget *parent)
    : QFrame(parent), m_kind(kind)
{
    auto *row = new QHBoxLayout(this);
    row->setSpacing(12);
    row->setContentsMargins(14, 12, 14, 12);

    auto *iconColumn = new QVBoxLayout;
    iconColumn->setContentsMargins(0, 1, 0, 0);
    iconColumn->setSpacing(0);
    m_icon = new IconView(iconName, toneFor(kind), 16, this);
    iconColumn->addWidget(m_icon);
    iconColumn->addStretch(1);
    row->addLayout(iconColumn);

    m_body = new QVBoxLayout;
    m_body->setSpacing(10);
    m_body->setContentsMargins(0, 0, 0, 0);
    m_label = new QLabel(richText, this);
    m_label->setProperty("role", QStringLiteral("sub"));
    m_label->setTextFormat(Qt::RichText);
    m_label->setWordWrap(true);
    m_label->setOpenExternalLinks(false);
    m_body->addWidget(m_label);
    row->addLayout(m_body, 1);

    repaintOnThemeChange(this);
}

void Note::setKind(int kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    m_icon->setTone(toneFor(kind));
    update();
}

QString Note::text() const
{
    return m_label->text();
}

void Note::setText(const QString &richText)
{
    m_label->setText(richText);
}

void Note::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (m_kind) {
    case Accent:
        p.setPen(Qt::NoPen);
        p.setBrush(theme->accentSoft());
        break;
    case Warning:
        p.setPen(Qt::NoPen);
        p.setBrush(theme->warnSoft());
        break;
    default:
        p.setPen(QPen(theme->line(), 1));
        p.setBrush(theme->card());
        break;
    }
    p.drawRoundedRect(shape, 12, 12);
}

} // namespace ui
