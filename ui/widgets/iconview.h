#pragma once

#include <QString>
#include <QWidget>

#include "ui/theme.h"

namespace ui {

// A named line icon drawn over the whole widget in the colour of a Tone.
// Mouse events pass through to whatever lies below (rows, buttons, cards).
class IconView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IconView)

public:
    IconView(const QString &iconName, Tone tone, int size, QWidget *parent = nullptr);

    QString iconName() const { return m_name; }
    void setIconName(const QString &name);
    Tone tone() const { return m_tone; }
    void setTone(Tone tone);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    Tone m_tone;
};

} // namespace ui
