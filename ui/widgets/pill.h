#pragma once

#include <QWidget>

namespace ui {

// The risk level of a category as a small tinted pill with a dot: Safe in
// `ok`, Review in `warn`, Permanent in `bad`.
class Pill final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Pill)

public:
    explicit Pill(int risk, QWidget *parent = nullptr);

    int risk() const { return m_risk; }
    void setRisk(int risk);
    QString text() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_risk;
};

} // namespace ui
