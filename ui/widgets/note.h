#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QVBoxLayout;

namespace ui {

class IconView;

// A short explanatory block: an icon at the left and word-wrapped rich text.
// Kind 0 is a plain bordered card, 1 an accent tint, 2 a warning tint.
// Further widgets (a link button, say) can be added below the text through
// body().
class Note final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Note)

public:
    enum Kind { Plain = 0, Accent = 1, Warning = 2 };

    Note(int kind, const QString &iconName, const QString &richText, QWidget *parent = nullptr);

    int kind() const { return m_kind; }
    void setKind(int kind);
    QString text() const;
    void setText(const QString &richText);
    QLabel *label() const { return m_label; }
    // The column holding the text; add more rows to it.
    QVBoxLayout *body() const { return m_body; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_kind;
    IconView *m_icon;
    QLabel *m_label;
    QVBoxLayout *m_body;
};

} // namespace ui
