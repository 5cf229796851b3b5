#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace ui {

// A rounded square (corner radius 30 % of its side) holding a line icon
// 54 % as wide as the tile. A coloured tile tints fill, outline and icon
// with its colour (categories bring their own); a neutral tile uses the
// theme's `hover`, `line` and `text2`. An invalid colour also gives a
// neutral tile. Mouse events pass through.
class IconTile final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IconTile)

public:
    IconTile(const QString &iconName, const QColor &color, int size, QWidget *parent = nullptr);

    QString iconName() const { return m_name; }
    void setIconName(const QString &name);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    bool isNeutral() const { return m_neutral || !m_color.isValid(); }
    void setNeutral(bool on);

    // Where the icon is drawn, in widget coordinates.
    QRectF iconRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    QColor m_color;
    bool m_neutral = false;
};

} // namespace ui
