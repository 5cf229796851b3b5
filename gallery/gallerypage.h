#pragma once

#include <QWidget>

namespace ui {
class Select;
}

// Every widget and chart of the kit in representative states, laid out as a
// board of cards over the window backdrop.
class GalleryPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GalleryPage)

public:
    explicit GalleryPage(QWidget *parent = nullptr);

    // Opens the demo select's list, photographs it and shows the picture
    // beside the select, so a still image shows the open list without
    // covering other widgets.
    void snapshotPopup();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *buttonsCard();
    QWidget *controlsCard();
    QWidget *textCard();
    QWidget *iconsCard();
    QWidget *notesCard();
    QWidget *chartsCard();
    QWidget *progressCard();
    QWidget *stepsCard();

    ui::Select *m_select = nullptr;
    class QLabel *m_popupShot = nullptr;
};
