#include "ui/dialogs/toast.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "ui/icons.h"
#include "ui/theme.h"
#include "ui/widgets/footerbar.h"

namespace ui {

Toast::Toast(QWidget *host) : QWidget(host)
{
    setAttribute(Qt::WA_TranslucentBackground);
    hide();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 8, 8, 8);
    layout->setSpacing(12);
    m_icon = new QWidget(this);
    m_icon->setFixedSize(16, 16);
    m_icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(m_icon);
    m_label = new QLabel(this);
    m_label->setTextFormat(Qt::PlainText);
    layout->addWidget(m_label);
    //: Button in a notification: take the last action back
    m_undoButton = new QPushButton(QCoreApplication::translate("Overlay", "Undo"), this);
    m_undoButton->setCursor(Qt::PointingHandCursor);
    m_undoButton->hide();
    layout->addWidget(m_undoButton);

    m_timer.setSingleShot(true);
    m_timer.setInterval(kTimeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
    connect(m_undoButton, &QPushButton::clicked, this, [this] {
        m_timer.stop();
        hide();
        emit undo();
    });
    connect(Theme::instance(), &Theme::changed, this, &Toast::restyle);
    restyle();
    if (host)
        host->installEventFilter(this);
}

void Toast::showMessage(const QString &text, bool undoable, Kind kind)
{
    m_undoable = undoable;
    m_kind = kind;
    m_label->setText(text);
    m_undoButton->setVisible(undoable);
    restyle();
    adjustSize();
    place();
    show();
    raise();
    m_timer.start();
}

QString Toast::text() const
{
    return m_label->text();
}

QString Toast::iconName() const
{
    return m_kind == Warning ? QStringLiteral("alert") : QStringLiteral("check");
}

bool Toast::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        place();
    return QWidget::eventFilter(watched, event);
}

void Toast::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const Theme *theme = Theme::instance();
    p.setBrush(theme->inverse());
    p.drawRoundedRect(QRectF(rect()), 14, 14);
    // The state colours are made for the page's background; on the inverse
    // fill (light in dark mode) they are darkened or lightened until they
    // stand out from it.
    const QColor tone = theme->color(m_kind == Warning ? Tone::Warn : Tone::Ok);
    paintIcon(&p, QRectF(m_icon->geometry()), iconName(), Theme::readableOn(tone, theme->inverse(), 3.0));
}

void Toast::place()
{
    const QWidget *host = parentWidget();
    if (!host)
        return;
    // The footer of the page underneath holds the figures the message is
    // about; the toast stays clear of it.
    int bottom = host->height() - kBottomGap;
    const QRect own((host->width() - width()) / 2, 0, width(), host->height());
    for (const FooterBar *footer : host->findChildren<FooterBar *>()) {
        if (!footer->isVisibleTo(host))
            continue;
        const QRect panel = footer->panelRect().toAlignedRect().translated(footer->mapTo(host, QPoint(0, 0)));
        if (panel.intersects(own))
            bottom = std::min(bottom, panel.top() - 12);
    }
    move(own.left(), std::max(0, bottom - height()));
}

void Toast::restyle()
{
    const QColor on = Theme::instance()->onInverse();
    QColor border = on;
    border.setAlpha(80);
    m_label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(on.name(QColor::HexArgb)));
    m_undoButton->setStyleSheet(
        QStringLiteral("QPushButton { background: transparent; color: %1; border: 1px solid %2; "
                       "min-height: 26px; max-height: 26px; padding: 0 12px; }")
            .arg(on.name(QColor::HexArgb), border.name(QColor::HexArgb)));
    update();
}

} // namespace ui
