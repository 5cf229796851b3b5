#include "ui/widgets/headline.h"

#include "ui/widgets/accessible.h"
#include "ui/widgets/kit.h"

#include <QPainter>
#include <QTextBoundaryFinder>

#include <cmath>

namespace ui {

namespace {

// The pieces between line-break opportunities, each with its trailing
// spaces, so that joining them gives the text back. Latin text breaks after
// spaces; Chinese and Japanese break between characters, as the Unicode line
// breaking rules say (never before a closing mark, say).
QStringList words(const QString &text)
{
    QStringList out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() > 0) {
        const qsizetype end = finder.position();
        if (end > start)
            out.append(text.mid(start, end - start));
        start = end;
    }
    if (start < text.size())
        out.append(text.mid(start));
    return out;
}

} // namespace

Headline::Headline(int pixelSize, QWidget *parent) : QWidget(parent), m_px(pixelSize)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    repaintOnThemeChange(this);
    a11y::setRole(this, QAccessible::StaticText);
    connect(Theme::instance(), &Theme::changed, this, [this] {
        relayout();
        updateGeometry();
    });
}

QFont Headline::displayFont() const
{
    return Theme::instance()->font(m_px, 600, true);
}

void Headline::setText(const QString &templateText, const QString &argument)
{
    const qsizetype at = templateText.indexOf(QLatin1String("%1"));
    if (at < 0) {
        m_before = templateText;
        m_argument.clear();
        m_after.clear();
    } else {
        m_before = templateText.left(at);
        m_argument = argument;
        m_after = templateText.mid(at + 2);
    }
    a11y::setName(this, plainText());
    relayout();
    updateGeometry();
    update();
}

QString Headline::plainText() const
{
    return m_before + m_argument + m_after;
}

QList<Headline::Line> Headline::layoutFor(qreal width) const
{
    const QFontMetricsF fm(displayFont());
    QList<Line> lines;
    Line line;
    qreal x = 0;
    const auto place = [&](const QString &piece, bool highlighted) {
        const qreal w = fm.horizontalAdvance(piece);
        const qreal inked = fm.horizontalAdvance(piece.trimmed());
        if (x > 0 && x + inked > width) {
            lines.append(line);
            line.clear();
            x = 0;
        }
        // Neighbouring words of the same kind share one fragment, so the
        // highlighted argument gets one gradient across its words.
        if (!line.isEmpty() && line.last().highlighted == highlighted) {
            line.last().text += piece;
            line.last().width += w;
        } else {
            line.append({piece, highlighted, x, w});
        }
        x += w;
    };
    for (const QString &w : words(m_before))
        place(w, false);
    for (const QString &w : words(m_argument))
        place(w, true);
    for (const QString &w : words(m_after))
        place(w, false);
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

void Headline::relayout()
{
    m_lines = layoutFor(width());
}

void Headline::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

int Headline::heightForWidth(int width) const
{
    const QFontMetricsF fm(displayFont());
    const qsizetype n = qMax<qsizetype>(1, layoutFor(width).size());
    return int(std::ceil(n * fm.lineSpacing()));
}

QSize Headline::sizeHint() const
{
    const QFontMetricsF fm(displayFont());
    return QSize(int(std::ceil(fm.horizontalAdvance(plainText()))) + 1, int(std::ceil(fm.lineSpacing())));
}

QSize Headline::minimumSizeHint() const
{
    const QFontMetricsF fm(displayFont());
    return QSize(int(fm.height()) * 2, int(std::ceil(fm.lineSpacing())));
}

void Headline::paintEvent(QPaintEvent *)
{
    const Theme *theme = Theme::instance();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont f = displayFont();
    p.setFont(f);
    const QFontMetricsF fm(f);
    qreal y = 0;
    for (const Line &line : std::as_const(m_lines)) {
        for (const Fragment &frag : line) {
            const QRectF r(frag.x, y, frag.width, fm.lineSpacing());
            if (frag.highlighted) {
                const QRectF inked(r.left(), r.top(), fm.horizontalAdvance(frag.text.trimmed()), r.height());
                p.setPen(QPen(QBrush(theme->textGradient(inked)), 1));
            } else {
                p.setPen(theme->text());
            }
            p.drawText(QPointF(frag.x, y + fm.ascent()), frag.text);
        }
        y += fm.lineSpacing();
    }
}

} // namespace ui
