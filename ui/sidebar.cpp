#include "ui/sidebar.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEasingCurve>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSettings>
#include <QVariantAnimation>

#include "app/appstate.h"
#include "app/platform.h"
#include "ui/icons.h"
#include "ui/theme.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"
#include "ui/trtext.h"

namespace ui {

namespace {

const QString kCollapsedKey = QStringLiteral("ui/sidebarCollapsed");

bool macLook()
{
    return Theme::instance()->macLook();
}

} // namespace

// ---- NavButton ---------------------------------------------------------------

NavButton::NavButton(const QString &text, const QString &iconName, QWidget *parent)
    : QAbstractButton(parent), m_icon(iconName)
{
    setText(text);
    setToolTip(text);
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(macLook() ? 34 : 38);
    setProperty("focusRadius", 9);
    // Each entry shows a page: a tab, selected while its page shows.
    a11y::setRole(this, QAccessible::PageTab);
    repaintOnThemeChange(this);
}

void NavButton::setBadge(const QString &badge)
{
    if (badge == m_badge)
        return;
    m_badge = badge;
    update();
}

void NavButton::setCompact(bool compact)
{
    if (compact == m_compact)
        return;
    m_compact = compact;
    updateGeometry();
    update();
}

QSize NavButton::sizeHint() const
{
    return {m_compact ? 40 : 200, macLook() ? 34 : 38};
}

void NavButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void NavButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void NavButton::paintEvent(QPaintEvent *)
{
    const Theme *t = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = rect();
    const bool checked = isChecked();

    if (checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(t->dark() ? t->cardHover() : t->surface());
        p.drawRoundedRect(r, 9, 9);
        const QRectF bar(0, 10, 3, r.height() - 20);
        p.setBrush(Theme::brandGradient(bar));
        p.drawRoundedRect(bar, 1.5, 1.5);
    } else if (m_hovered) {
        p.setPen(Qt::NoPen);
        p.setBrush(t->hover());
        p.drawRoundedRect(r, 9, 9);
    }

    const QColor fg = (checked || m_hovered) ? t->text() : t->text2();
    const qreal iconY = (r.height() - 16) / 2.0;

    if (m_compact) {
        const QRectF iconRect((r.width() - 16) / 2.0, iconY, 16, 16);
        paintIcon(&p, iconRect, m_icon, fg);
        if (!m_badge.isEmpty()) {
            // A dot one pixel outside the icon's top-right corner.
            const QPointF centre = iconRect.topRight() + QPointF(1, -1);
            p.setPen(QPen(t->bg(), 1.5));
            p.setBrush(t->accent());
            p.drawEllipse(centre, 3.5, 3.5);
        }
        return;
    }

    paintIcon(&p, QRectF(12, iconY, 16, 16), m_icon, fg);

    qreal textRight = r.width() - 8;
    if (!m_badge.isEmpty()) {
        const QFont badgeFont = Theme::monoFont(11, 500);
        const qreal w = QFontMetricsF(badgeFont).horizontalAdvance(m_badge) + 14;
        const QRectF pill(r.width() - 8 - w, (r.height() - 20) / 2.0, w, 20);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlphaF(t->accent(), 0.12));
        p.drawRoundedRect(pill, 6, 6);
        p.setFont(badgeFont);
        p.setPen(t->accent());
        p.drawText(pill, Qt::AlignCenter, m_badge);
        textRight = pill.left() - 8;
    }

    const QFont font = t->font(13, 500);
    p.setFont(font);
    p.setPen(fg);
    const qreal available = std::max<qreal>(0, std::min(r.width() - (12 + 16 + 12 + 8), textRight - 40));
    const QString label = QFontMetricsF(font).elidedText(text(), Qt::ElideRight, available);
    p.drawText(QRectF(40, 0, available, r.height()), Qt::AlignLeft | Qt::AlignVCenter, label);
}

// ---- DriveCard -----------------------------------------------------------------

DriveCard::DriveCard(AppState *state, QWidget *parent)
    : QWidget(parent), m_state(state)
{
    setFixedHeight(64);
    a11y::setRole(this, QAccessible::ProgressBar);
    if (m_state)
        connect(m_state, &AppState::volumeChanged, this, &DriveCard::refresh);
    repaintOnThemeChange(this);
    refresh();
}

void DriveCard::setCompact(bool compact)
{
    if (compact == m_compact)
        return;
    m_compact = compact;
    update();
}

double DriveCard::usedFraction(qint64 totalBytes, qint64 freeBytes)
{
    if (totalBytes <= 0)
        return 0;
    const qint64 free = std::clamp<qint64>(freeBytes, 0, totalBytes);
    return double(totalBytes - free) / double(totalBytes);
}

DriveCard::RingColor DriveCard::ringColor(double usedFraction)
{
    if (usedFraction > 0.9)
        return RingColor::Bad;
    if (usedFraction > 0.85)
        return RingColor::Warn;
    return RingColor::Gradient;
}

void DriveCard::refresh()
{
    if (m_state) {
        const VolumeInfo &v = m_state->volume();
        setToolTip(SidebarText::tr("%1 available of %2").arg(formatSize(v.availableBytes), formatSize(v.totalBytes)));
        // A fill gauge: the volume's name, how much is free, how full it is.
        a11y::setName(this, v.displayName);
        a11y::setDescription(this, toolTip());
        a11y::setValue(this, 100 * usedFraction(v.totalBytes, v.availableBytes));
    }
    update();
}

void DriveCard::paintEvent(QPaintEvent *)
{
    const Theme *t = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);

    VolumeInfo volume;
    if (m_state)
        volume = m_state->volume();
    const double f = usedFraction(volume.totalBytes, volume.availableBytes);

    const auto paintRing = [&](const QRectF &ring, qreal penWidth) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(t->track(), penWidth));
        p.drawEllipse(ring);
        if (f <= 0)
            return;
        QPen pen(Qt::black, penWidth, Qt::SolidLine, Qt::RoundCap);
        switch (ringColor(f)) {
        case RingColor::Bad:
            pen.setColor(t->bad());
            break;
        case RingColor::Warn:
            pen.setColor(t->warn());
            break;
        case RingColor::Gradient:
            pen.setBrush(Theme::brandGradient(ring));
            break;
        }
        p.setPen(pen);
        // From 12 o'clock, clockwise (negative angles in Qt's convention).
        p.drawArc(ring, 90 * 16, -int(std::lround(f * 360 * 16)));
    };

    if (m_compact) {
        paintRing(QRectF((width() - 26) / 2.0, (height() - 26) / 2.0, 26, 26), 3);
        return;
    }

    const QRectF card = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(t->line(), 1));
    p.setBrush(t->card());
    p.drawRoundedRect(card, 12, 12);

    const QRectF ring(14, (height() - 36) / 2.0, 36, 36);
    paintRing(ring, 4);

    const qreal textX = ring.right() + 12;
    const qreal textW = std::max<qreal>(0, width() - 10 - textX);
    const qreal top = height() / 2.0 - 18;
    const QFont nameFont = t->font(12, 600);
    p.setFont(nameFont);
    p.setPen(t->text());
    p.drawText(QRectF(textX, top, textW, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(nameFont).elidedText(volume.displayName, Qt::ElideRight, textW));
    const QFont freeFont = Theme::monoFont(11);
    p.setFont(freeFont);
    p.setPen(t->text3());
    p.drawText(QRectF(textX, top + 18, textW, 18), Qt::AlignLeft | Qt::AlignVCenter,
               //: The collapsed sidebar's drive line; %1: a size
               QFontMetricsF(freeFont).elidedText(SidebarText::tr("%1 free").arg(formatSize(volume.availableBytes)),
                                                  Qt::ElideRight, textW));
}

// ---- SidebarToggle -------------------------------------------------------------

SidebarToggle::SidebarToggle(QWidget *parent)
    : QAbstractButton(parent)
{
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setProperty("focusRadius", 10);
    repaintOnThemeChange(this);
}

QSize SidebarToggle::sizeHint() const
{
    return macLook() ? QSize(30, 26) : QSize(36, 36);
}

void SidebarToggle::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SidebarToggle::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void SidebarToggle::paintEvent(QPaintEvent *)
{
    const Theme *t = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const bool active = m_hovered || isDown();
    if (active) {
        p.setPen(Qt::NoPen);
        p.setBrush(isDown() ? t->press() : t->hover());
        p.drawRoundedRect(QRectF(rect()), 10, 10);
    }
    const QRectF glyph((width() - 13) / 2.0, (height() - 13) / 2.0, 13, 13);
    p.setPen(QPen(active ? t->text() : t->text2(), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(glyph, 2.6, 2.6);
    p.drawLine(QPointF(glyph.left() + 5.2, glyph.top()), QPointF(glyph.left() + 5.2, glyph.bottom()));
}

// ---- Sidebar -----------------------------------------------------------------------

Sidebar::Sidebar(AppState *state, QWidget *parent)
    : QWidget(parent), m_state(state)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setSpacing(0);

    //: Heading over the sidebar's pages (a section title, not a command)
    m_section = new QLabel(SidebarText::tr("Clean"), this);
    m_section->setProperty("role", QStringLiteral("micro"));
    m_section->setFont(Theme::eyebrowFont(11));
    m_section->setContentsMargins(12, 8, 0, 6);
    m_layout->addWidget(m_section);

    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    const struct { const char *text; const char *icon; } entries[kPageCount] = {
        //: Sidebar entry: the Overview page with its scan of every cleanup category
        {QT_TRANSLATE_NOOP("Sidebar", "Smart Scan"), "sparkle"},
        //: Sidebar entry: the page of the scan's results and the cleanup
        {QT_TRANSLATE_NOOP("Sidebar", "Cleanup"), "trash"},
        //: Sidebar entry: the page that maps where disk space goes (not a geographic map)
        {QT_TRANSLATE_NOOP("Sidebar", "Space Map"), "layers"},
        //: Sidebar entry
        {QT_TRANSLATE_NOOP("Sidebar", "Settings"), "menu-settings"},
    };
    QStringList labels;
    for (int i = 0; i < kPageCount; ++i) {
        auto *button = new NavButton(SidebarText::tr(entries[i].text), QString::fromLatin1(entries[i].icon), this);
        m_group->addButton(button, i);
        m_buttons.append(button);
        labels.append(button->text());
    }
    for (int i = 0; i < 3; ++i)
        m_layout->addWidget(m_buttons[i]);
    m_layout->addStretch(1);
    m_layout->addSpacing(8);
    m_drive = new DriveCard(state, this);
    m_layout->addWidget(m_drive);
    m_layout->addSpacing(6);

    m_bottomRow = new QBoxLayout(QBoxLayout::LeftToRight);
    m_bottomRow->setSpacing(2);
    m_toggle = new SidebarToggle(this);
    m_bottomRow->addWidget(m_buttons[3], 1);
    m_bottomRow->addWidget(m_toggle, 0, Qt::AlignVCenter);
    m_layout->addLayout(m_bottomRow);

    m_buttons[0]->setChecked(true);
    m_expandedWidth = expandedWidthFor(labels, Theme::instance()->font(13, 600));

    connect(m_group, &QButtonGroup::idClicked, this, &Sidebar::navigate);
    connect(m_toggle, &QAbstractButton::clicked, this, [this] { setCollapsed(!m_collapsed, true); });
    if (m_state)
        connect(m_state, &AppState::resultsChanged, this, &Sidebar::updateBadge);
    repaintOnThemeChange(this);
    updateBadge();

    const bool collapsed = QSettings().value(kCollapsedKey, false).toBool();
    m_collapsed = collapsed;
    m_toggle->setToolTip(collapsed ? SidebarText::tr("Expand sidebar", "tooltip: widen the sidebar")
                                   : SidebarText::tr("Collapse sidebar", "tooltip: narrow the sidebar to icons"));
    a11y::setName(m_toggle, m_toggle->toolTip());
    const int width = collapsed ? (macLook() ? 0 : kCollapsedWidth) : m_expandedWidth;
    setFixedWidth(width);
    arrange(collapsed);
}

int Sidebar::expandedWidthFor(const QStringList &labels, const QFont &font)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString &label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    return std::clamp(int(std::ceil(widest)) + 100, kMinExpandedWidth, kMaxExpandedWidth);
}

NavButton *Sidebar::navButton(int page) const
{
    return m_buttons.value(page);
}

void Sidebar::setCurrentPage(int page)
{
    if (QAbstractButton *button = m_group->button(page))
        button->setChecked(true);
}

int Sidebar::currentPage() const
{
    return m_group->checkedId();
}

bool Sidebar::isAnimating() const
{
    return m_animation && m_animation->state() == QAbstractAnimation::Running;
}

void Sidebar::updateBadge()
{
    const qint64 total = m_state ? m_state->totalBytes() : 0;
    m_buttons[1]->setBadge(total >= 1 ? formatSize(total) : QString());
}

void Sidebar::setCollapsed(bool collapsed, bool animate)
{
    m_collapsed = collapsed;
    // A store that cannot be read would be rewritten with only what Qt
    // understood of it, losing the exclusions: it is left alone.
    if (!m_state || m_state->settingsReadable())
        QSettings().setValue(kCollapsedKey, collapsed);
    emit collapsedChanged(collapsed);
    m_toggle->setToolTip(collapsed ? SidebarText::tr("Expand sidebar", "tooltip: widen the sidebar")
                                   : SidebarText::tr("Collapse sidebar", "tooltip: narrow the sidebar to icons"));
    a11y::setName(m_toggle, m_toggle->toolTip());

    const bool mac = macLook();
    const int target = collapsed ? (mac ? 0 : kCollapsedWidth) : m_expandedWidth;
    if (!collapsed) {
        arrange(false);
        if (mac)
            show();
    }

    if (m_animation)
        m_animation->stop();
    if (animate && isVisible()) {
        auto *animation = new QVariantAnimation(this);
        animation->setStartValue(width());
        animation->setEndValue(target);
        animation->setDuration(kAnimationMs);
        animation->setEasingCurve(QEasingCurve::OutCubic);
        connect(animation, &QVariantAnimation::valueChanged, this,
                [this](const QVariant &value) { setFixedWidth(value.toInt()); });
        connect(animation, &QVariantAnimation::finished, this, [this] { arrange(m_collapsed); });
        m_animation = animation;
        animation->start(QAbstractAnimation::DeleteWhenStopped);
    } else {
        setFixedWidth(target);
        arrange(collapsed);
    }
}

void Sidebar::arrange(bool collapsed)
{
    const bool mac = macLook();
    m_section->setVisible(!collapsed);
    m_drive->setCompact(collapsed);
    m_drive->setFixedHeight(collapsed ? 44 : 64);
    for (NavButton *button : m_buttons) {
        button->setCompact(collapsed);
        button->setSizePolicy(collapsed ? QSizePolicy::Fixed : QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    for (int i = 0; i < 3; ++i)
        m_layout->setAlignment(m_buttons[i], collapsed ? Qt::AlignHCenter : Qt::Alignment());
    if (mac)
        m_layout->setContentsMargins(12, 0, 12, 14);
    else if (collapsed)
        m_layout->setContentsMargins(8, 6, 8, 14);
    else
        m_layout->setContentsMargins(12, 6, 12, 14);

    if (collapsed) {
        m_bottomRow->setDirection(QBoxLayout::TopToBottom);
        m_bottomRow->setStretchFactor(m_buttons[3], 0);
        m_bottomRow->setAlignment(m_buttons[3], Qt::AlignHCenter);
        m_bottomRow->setAlignment(m_toggle, Qt::AlignHCenter);
    } else {
        m_bottomRow->setDirection(QBoxLayout::LeftToRight);
        m_bottomRow->setStretchFactor(m_buttons[3], 1);
        m_bottomRow->setAlignment(m_buttons[3], Qt::Alignment());
        m_bottomRow->setAlignment(m_toggle, Qt::AlignVCenter);
    }
    // The compact look folds the sidebar away completely.
    if (mac && collapsed)
        hide();
}

void Sidebar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(QRect(width() - 1, 0, 1, height()), Theme::instance()->line());
}

} // namespace ui
