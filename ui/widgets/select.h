#pragma once

#include <QComboBox>
#include <QPointer>

#include "ui/widgets/selectpopup.h"

namespace ui {

// A combo box drawn by the kit, with its own popup list (SelectPopup) that
// opens with the current item lying over the field, fades in and marks the
// current item with a check. `activated` fires only when the user picks an
// item other than the current one. A select without items opens nothing.
// The mouse wheel never changes a closed select: it scrolls what lies
// beneath, so scrolling a page past a select cannot change a setting.
class Select final : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Select)

public:
    explicit Select(QWidget *parent = nullptr);

    // The open popup, or null.
    SelectPopup *popup() const { return m_popup; }

    void showPopup() override;
    // Closes the kit popup too, so closing from code behaves like Escape.
    void hidePopup() override;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    friend class SelectPopup;
    // Called by the popup when the user picks an item.
    void pick(int index);

    QPointer<SelectPopup> m_popup;
};

} // namespace ui
