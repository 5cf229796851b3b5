#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

namespace ui {

// The drive gauge of the Overview page (280 x 280): a ring whose arcs show
// the used share split into what stays and what can be reclaimed, ticks, and
// a glowing disc with the figure, a caption and an action pill. The disc is
// a button: a left click inside it emits clicked(), and so do Space, Return
// and Enter while it has the focus (shown as a ring round the disc).
// Assistive technology sees a button named by the figure and its caption
// ("76.8 GB free of 252 GB"), described by the action.
class DiskOrb final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DiskOrb)

public:
    static constexpr qreal kGapDegrees = 1.34287;
    static constexpr qreal kDiscRadius = 88;

    // One arc on the ring: degrees clockwise from 12 o'clock, its colour (for
    // a gradient arc: the colour at its start), and its glow.
    struct Arc
    {
        qreal startDegrees = 0;
        qreal sweepDegrees = 0;
        QColor color;
        QColor endColor;  // invalid for single-colour arcs
        QColor glow;
    };

    explicit DiskOrb(QWidget *parent = nullptr);

    // total is raised to at least 1, used clamped to 0..total, reclaim to
    // 0..used.
    void setValues(qint64 total, qint64 used, qint64 reclaim);
    qint64 total() const { return m_total; }
    qint64 used() const { return m_used; }
    qint64 reclaim() const { return m_reclaim; }
    // "123 GB": split at the first space into figure and unit.
    void setTexts(const QString &big, const QString &sub, const QString &action);

    // The arcs as they are painted now, colours from the current theme.
    QList<Arc> arcs() const;
    bool isHovered() const { return m_hover; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Where the two arcs lie; kept from setValues so painting only draws.
    // Colours are resolved at paint time because they follow the theme.
    struct Span
    {
        qreal start = 0;
        qreal sweep = 0;  // 0: not drawn
    };
    void relayout();
    bool inDisc(const QPointF &pos) const;
    void setHover(bool hover);
    void paintDisc(QPainter &p) const;
    void paintTexts(QPainter &p) const;

    qint64 m_total = 1;
    qint64 m_used = 0;
    qint64 m_reclaim = 0;
    QString m_number;
    QString m_unit;
    QString m_sub;
    QString m_action;
    bool m_hover = false;
    Span m_usedSpan;
    Span m_reclaimSpan;
    bool m_usedIsBad = false;
};

} // namespace ui
