#pragma once

#include <QWidget>

#include "scan/category.h"

class QLabel;

namespace ui {

class ElidedLabel;
class IconTile;
class StepBar;

// One row of the scan step list: the category's icon tile and name, a step
// bar showing whether it is pending, being measured or done, and a
// right-hand figure. The active row is raised on a `cardHover` panel.
class ScanStepRow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScanStepRow)

public:
    explicit ScanStepRow(const CategoryDef &category, QWidget *parent = nullptr);

    QString categoryId() const { return m_id; }
    int state() const;
    // 0 pending, 1 active, 2 done; `text` goes to the right-hand label.
    void setState(int state, const QString &text);

    StepBar *stepBar() const { return m_bar; }
    QLabel *valueLabel() const { return m_value; }
    ElidedLabel *nameLabel() const { return m_name; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void restyle();

    QString m_id;
    IconTile *m_tile;
    ElidedLabel *m_name;
    StepBar *m_bar;
    QLabel *m_value;
};

} // namespace ui
