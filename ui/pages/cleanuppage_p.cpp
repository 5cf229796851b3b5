// The helpers cleanuppage_p.h declares for both halves of the Cleanup page.

#include "ui/pages/cleanuppage_p.h"

#include "ui/theme.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QTextDocument>

namespace ui {

namespace cleanup {

QLabel *label(const QString &text, const QString &role, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    if (!role.isEmpty())
        l->setProperty("role", role);
    return l;
}

QString plainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QLabel *eyebrow(const QString &text, QWidget *parent)
{
    auto *l = label(text, QStringLiteral("micro"), parent);
    l->setFont(Theme::eyebrowFont(11));
    return l;
}

void setPixelSize(QLabel *label, int px, const QString &extra)
{
    label->setStyleSheet(QStringLiteral("font-size: %1px;%2").arg(px).arg(extra));
}

QString elideMiddle(const QWidget *widget, const QString &text, int width)
{
    return widget->fontMetrics().elidedText(text, Qt::ElideMiddle, width);
}

void discardChildren(QLayout *layout)
{
    // Rows are replaced from within their own click handlers, so they are
    // taken out of sight at once and deleted when control is back in the
    // event loop.
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *w = item->widget()) {
            w->hide();
            w->setParent(nullptr);
            w->deleteLater();
        } else if (QLayout *inner = item->layout()) {
            discardChildren(inner);
        }
        delete item;
    }
}

QScrollArea *scrollArea(QWidget *parent)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return scroll;
}

} // namespace cleanup

} // namespace ui
