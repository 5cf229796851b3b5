#pragma once

#include <QGradientStops>
#include <QString>
#include <QWidget>

namespace ui {

// A line of text filled with the brand gradient, or with its own stops when
// it has any; centred in the widget. Used for large figures. In light mode
// the text takes darker stops, as the bright hues would not stand out from a
// light background: the theme's text gradient, or the own stops darkened
// (same hue) until they reach 4.5:1 against the window background.
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
    // The stops the text is painted with in the current mode.
    QGradientStops shownStops() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QGradientStops m_stops;
};

} // namespace ui
