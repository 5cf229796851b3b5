#pragma once

#include <QLabel>

namespace ui {

// A one-line label that elides its text at the right instead of growing;
// the full text is its tool tip. Style it by "role" like any label.
class ElidedLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ElidedLabel)

public:
    explicit ElidedLabel(const QString &text = {}, const QString &role = {}, QWidget *parent = nullptr);

    // Hides QLabel::setText so that the tool tip follows the text.
    void setText(const QString &text);

    QSize minimumSizeHint() const override;
    // The text as it is drawn at the present width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
