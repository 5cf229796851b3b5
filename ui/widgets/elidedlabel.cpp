#include "ui/widgets/elidedlabel.h"

#include "ui/widgets/kit.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

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
    fitHeight();
}

void ElidedLabel::setElide(Elide elide)
{
    if (elide == m_elide)
        return;
    m_elide = elide;
    update();
}

void ElidedLabel::setMaximumLines(int lines)
{
    lines = std::max(1, lines);
    if (lines == m_maxLines)
        return;
    m_maxLines = lines;
    fitHeight();
    update();
}

void ElidedLabel::fitHeight()
{
    if (m_maxLines <= 1)
        return;
    const int wanted = heightForWidth(width());
    if (wanted != minimumHeight() || wanted != maximumHeight())
        setFixedHeight(wanted);
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fitHeight();
}

void ElidedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitHeight();
}

QSize ElidedLabel::minimumSizeHint() const
{
    // Any width will do: the text is elided to what is there.
    return QSize(0, QLabel::minimumSizeHint().height());
}

int ElidedLabel::heightForWidth(int width) const
{
    const QMargins m = contentsMargins();
    const int count = int(lines(width - m.left() - m.right()).size());
    return count * fontMetrics().lineSpacing() + m.top() + m.bottom();
}

QString ElidedLabel::elided(const QString &text, int width) const
{
    if (m_elide == KeepTail)
        return elideKeepingTail(fontMetrics(), text, width);
    return fontMetrics().elidedText(text, Qt::ElideRight, width);
}

QStringList ElidedLabel::lines(int width) const
{
    const QString all = text();
    if (m_maxLines <= 1 || width <= 0 || fontMetrics().horizontalAdvance(all) <= width)
        return {elided(all, width)};
    QTextLayout layout(all, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList out;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (out.size() == m_maxLines - 1) {
            out << elided(all.mid(line.textStart()), width);
            break;
        }
        out << all.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return out;
}

QString ElidedLabel::shownText() const
{
    return lines(contentsRect().width()).join(QString());
}

QString ElidedLabel::elideKeepingTail(const QFontMetrics &metrics, const QString &text, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString separator = QStringLiteral(" · ");
    const qsizetype cut = text.lastIndexOf(separator);
    if (cut > 0) {
        const QString tail = text.mid(cut);
        // The head keeps at least a character and its ellipsis, or it would
        // not say whose tail this is.
        QString head = metrics.elidedText(text.left(cut), Qt::ElideRight, width - metrics.horizontalAdvance(tail));
        // "Chromium…", not "Chromium …": the cut is at a word's end.
        const QChar ellipsis(0x2026);
        if (head.endsWith(ellipsis)) {
            head.chop(1);
            while (!head.isEmpty() && head.back().isSpace())
                head.chop(1);
            head += ellipsis;
        }
        if (head.size() >= 2)
            return head + tail;
    }
    return metrics.elidedText(text, Qt::ElideMiddle, width);
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const QStringList shown = lines(area.width());
    if (shown.size() == 1) {
        p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown.first());
        return;
    }
    const int step = fontMetrics().lineSpacing();
    QRect line(area.left(), area.top() + (area.height() - step * int(shown.size())) / 2, area.width(), step);
    for (const QString &text : shown) {
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text.trimmed());
        line.translate(0, step);
    }
}

} // namespace ui
