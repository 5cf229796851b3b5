#include "ui/titlebar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "ui/icons.h"
#include "ui/theme.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"

namespace ui {

CaptionButton::CaptionButton(Kind kind, QWidget *window, QWidget *parent)
    : QAbstractButton(parent), m_kind(kind), m_window(window)
{
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    repaintOnThemeChange(this);
}

QString CaptionButton::glyphFamily()
{
    static const QString family = [] {
        for (const QString &name : {QStringLiteral("Segoe Fluent Icons"), QStringLiteral("Segoe MDL2 Assets")})
            if (QFontDatabase::hasFamily(name))
                return name;
        return QString();
    }();
    return family;
}

QChar CaptionButton::glyph(Kind kind, bool maximized)
{
    switch (kind) {
    case Menu:
        return QChar(0xE700);
    case Minimize:
        return QChar(0xE921);
    case Maximize:
        return QChar(maximized ? 0xE923 : 0xE922);
    case Close:
        return QChar(0xE8BB);
    }
    return {};
}

void CaptionButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CaptionButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    const Theme *t = Theme::instance();
    QPainter p(this);
    const bool pressed = isDown();
    const bool active = m_hovered || pressed;

    QColor fill;
    QColor glyphColor = active ? t->text() : t->text2();
    if (m_kind == Close) {
        if (pressed)
            fill = QColor(QStringLiteral("#a62a1d"));
        else if (m_hovered)
            fill = QColor(QStringLiteral("#c42b1c"));
        if (active)
            glyphColor = Qt::white;
    } else if (pressed) {
        fill = t->press();
    } else if (m_hovered) {
        fill = t->hover();
    }
    if (fill.isValid())
        p.fillRect(rect(), fill);

    const bool maximized = m_window && m_window->isMaximized();
    const QString family = glyphFamily();
    if (!family.isEmpty()) {
        QFont f(family);
        f.setPixelSize(10);
        p.setFont(f);
        p.setPen(glyphColor);
        p.drawText(rect(), Qt::AlignCenter, QString(glyph(m_kind, maximized)));
        return;
    }
    paintStrokes(p, glyphColor, maximized);
}

void CaptionButton::paintStrokes(QPainter &p, const QColor &color, bool maximized) const
{
    // A 10 x 10 glyph box centred in the button, strokes on pixel centres so
    // that one-pixel lines stay crisp at scale 1.
    const qreal x0 = std::floor((width() - 10) / 2.0) + 0.5;
    const qreal y0 = std::floor((height() - 10) / 2.0) + 0.5;
    QPen pen(color, 1.0);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (m_kind) {
    case Menu:
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(x0, y0 + 1 + 4 * i), QPointF(x0 + 10, y0 + 1 + 4 * i));
        break;
    case Minimize:
        p.drawLine(QPointF(x0, y0 + 5), QPointF(x0 + 10, y0 + 5));
        break;
    case Maximize:
        p.setRenderHint(QPainter::Antialiasing, true);
        if (maximized) {
            p.drawRoundedRect(QRectF(x0, y0 + 2, 8, 8), 1, 1);
            QPainterPath back;
            back.moveTo(x0 + 2, y0 + 2);
            back.lineTo(x0 + 2, y0);
            back.lineTo(x0 + 10, y0);
            back.lineTo(x0 + 10, y0 + 8);
            back.lineTo(x0 + 8, y0 + 8);
            p.drawPath(back);
        } else {
            p.drawRoundedRect(QRectF(x0, y0, 10, 10), 1, 1);
        }
        break;
    case Close:
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawLine(QPointF(x0, y0), QPointF(x0 + 10, y0 + 10));
        p.drawLine(QPointF(x0 + 10, y0), QPointF(x0, y0 + 10));
        break;
    }
}

TitleBar::TitleBar(QWidget *window, QWidget *parent)
    : QWidget(parent), m_window(window)
{
    setFixedHeight(kHeight);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(14, 0, 0, 0);
    row->setSpacing(0);
    // Room for the logo, which is painted rather than laid out.
    row->addSpacing(32);
    m_caption = new QLabel(QStringLiteral("Varnholt"), this);
    m_caption->setProperty("role", QStringLiteral("caption"));
    row->addWidget(m_caption);
    row->addStretch(1);

    m_menu = new CaptionButton(CaptionButton::Menu, window, this);
    m_minimize = new CaptionButton(CaptionButton::Minimize, window, this);
    m_maximize = new CaptionButton(CaptionButton::Maximize, window, this);
    m_close = new CaptionButton(CaptionButton::Close, window, this);
    for (CaptionButton *b : {m_menu, m_minimize, m_maximize, m_close})
        row->addWidget(b);
    retranslate();

    connect(m_menu, &QAbstractButton::clicked, this,
            [this] { emit menuRequested(m_menu->mapToGlobal(m_menu->rect().bottomLeft())); });
    connect(m_minimize, &QAbstractButton::clicked, this, [this] {
        if (m_window)
            m_window->showMinimized();
    });
    connect(m_maximize, &QAbstractButton::clicked, this, [this] {
        if (!m_window)
            return;
        if (m_window->isMaximized())
            m_window->showNormal();
        else
            m_window->showMaximized();
    });
    connect(m_close, &QAbstractButton::clicked, this, [this] {
        if (m_window)
            m_window->close();
    });

    // Maximising by any means (button, keyboard, snap, double click) has to
    // switch the glyph.
    if (window)
        window->installEventFilter(this);
    repaintOnThemeChange(this);
}

void TitleBar::retranslate()
{
    //: Tooltip of the title bar's button that opens the app menu
    m_menu->setToolTip(QCoreApplication::translate("TitleBar", "Menu"));
    // The glyphs say nothing to assistive technology: each button is named.
    a11y::setName(m_menu, QCoreApplication::translate("TitleBar", "Menu"));
    //: Tooltip of a window button
    a11y::setName(m_minimize, QCoreApplication::translate("TitleBar", "Minimize"));
    a11y::setName(m_maximize, m_window && m_window->isMaximized()
                                  ? QCoreApplication::translate("TitleBar", "Restore", "window button: unmaximize")
                                  : QCoreApplication::translate("TitleBar", "Maximize", "window button"));
    //: Tooltip of a window button
    a11y::setName(m_close, QCoreApplication::translate("TitleBar", "Close"));
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::WindowStateChange) {
        m_maximize->update();
        retranslate();
    }
    return QWidget::eventFilter(watched, event);
}

void TitleBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintLogo(&p, QRectF(12, (height() - 22) / 2.0, 22, 22));
}

} // namespace ui
