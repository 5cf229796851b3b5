#include "ui/widgets/pageheader.h"

#include "ui/theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ui {

PageHeader::PageHeader(const QString &title, const QString &subtitle, QWidget *parent)
    : QWidget(parent), m_title(title), m_subtitle(subtitle)
{
    m_row = new QHBoxLayout(this);
    m_row->setSpacing(16);

    auto *column = new QVBoxLayout;
    column->setSpacing(3);
    column->setContentsMargins(0, 0, 0, 0);

    m_eyebrowLabel = new QLabel(this);
    m_eyebrowLabel->setProperty("role", QStringLiteral("micro"));
    m_eyebrowLabel->setFont(Theme::eyebrowFont(11));
    column->addWidget(m_eyebrowLabel);

    m_titleLabel = new QLabel(this);
    m_titleLabel->setProperty("role", QStringLiteral("h1"));
    m_titleLabel->setTextFormat(Qt::RichText);
    // A long translation wraps rather than pushing the actions out of view.
    m_titleLabel->setWordWrap(true);
    column->addWidget(m_titleLabel);

    m_subtitleLabel = new QLabel(subtitle, this);
    m_subtitleLabel->setProperty("role", QStringLiteral("sub"));
    m_subtitleLabel->setWordWrap(true);
    column->addWidget(m_subtitleLabel);

    m_row->addLayout(column, 1);

    m_actions = new QHBoxLayout;
    m_actions->setSpacing(8);
    m_actions->setContentsMargins(0, 0, 0, 0);
    m_row->addLayout(m_actions);
    m_row->setAlignment(m_actions, Qt::AlignBottom);

    applyMargins();
    refreshTitle();
    refreshVisibility();
    // The status colour is a token the page passes in; the look decides the
    // margins. Both may change with the theme.
    connect(Theme::instance(), &Theme::changed, this, &PageHeader::applyMargins);
}

void PageHeader::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    refreshTitle();
}

void PageHeader::setSubtitle(const QString &subtitle)
{
    if (subtitle == m_subtitle)
        return;
    m_subtitle = subtitle;
    m_subtitleLabel->setText(subtitle);
    refreshVisibility();
}

void PageHeader::setEyebrow(const QString &text)
{
    if (text == m_eyebrowText)
        return;
    m_eyebrowText = text;
    m_eyebrowLabel->setText(text);
    refreshVisibility();
}

void PageHeader::setStatus(const QString &text, const QColor &color)
{
    if (text == m_status && color == m_statusColor)
        return;
    m_status = text;
    m_statusColor = color;
    refreshTitle();
}

void PageHeader::setCompact(bool on, int leftMargin)
{
    if (on == m_compact && leftMargin == m_compactLeft)
        return;
    m_compact = on;
    m_compactLeft = leftMargin;
    if (on) {
        m_titleLabel->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: 600;"));
        m_titleLabel->setMinimumHeight(42);
        m_titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        m_titleLabel->setStyleSheet(QString());
        m_titleLabel->setMinimumHeight(0);
        m_titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    applyMargins();
    refreshVisibility();
}

void PageHeader::refreshTitle()
{
    QString html = m_title.toHtmlEscaped();
    if (!m_status.isEmpty()) {
        html += QStringLiteral("&nbsp;&nbsp;<span style=\"color:%1; font-size:12px; font-weight:400;\">%2</span>")
                    .arg(m_statusColor.name(QColor::HexRgb), m_status.toHtmlEscaped());
    }
    m_titleLabel->setText(html);
}

void PageHeader::refreshVisibility()
{
    m_eyebrowLabel->setVisible(!m_compact && !m_eyebrowText.isEmpty());
    m_subtitleLabel->setVisible(!m_compact && !m_subtitle.isEmpty());
}

void PageHeader::applyMargins()
{
    if (m_compact)
        m_row->setContentsMargins(m_compactLeft, 0, 28, 6);
    else if (Theme::instance()->macLook())
        m_row->setContentsMargins(28, 22, 28, 18);
    else
        m_row->setContentsMargins(32, 20, 32, 18);
}

} // namespace ui
