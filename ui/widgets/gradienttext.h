#pragma once

#include <QGradientStops>
#include <QString>
#include <QWidget>

namespace ui {

// A line of text filled with the brand gradient, or with its own stops when
// it has any; centred in the widget. Used for large figures.
class GradientText final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GradientText)

public:
    GradientText(const QFont &font, const QString &text = {}, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    QGradientStops stops() const { return m_stops; }
    // An empty list restores the brand gradient.
    void setStops(const QGradientStops &stops);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QGradientStops m_stops;
};

} // namespace ui
