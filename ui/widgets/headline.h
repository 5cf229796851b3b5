#pragma once

#include <QList>
#include <QString>
#include <QWidget>

namespace ui {

// A large heading in which one argument is set in the brand gradient, e.g.
// "You can free %1" with the size highlighted (in the theme's text gradient).
// The text wraps where the Unicode line-breaking rules allow: after spaces,
// and between the characters of Chinese and Japanese text; the widget
// reports its height for a given width.
class Headline final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Headline)

public:
    explicit Headline(int pixelSize, QWidget *parent = nullptr);

    // `templateText` contains "%1"; it is split at the first occurrence and
    // `argument` goes in between. Without "%1" the argument is not shown.
    void setText(const QString &templateText, const QString &argument);
    QString plainText() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // A piece of one line: text, whether it is the argument, and its x.
    struct Fragment
    {
        QString text;
        bool highlighted = false;
        qreal x = 0;
        qreal width = 0;
    };
    using Line = QList<Fragment>;
    // The lines of the text broken for `width`.
    QList<Line> layoutFor(qreal width) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QFont displayFont() const;
    void relayout();

    int m_px;
    QString m_before;
    QString m_argument;
    QString m_after;
    QList<Line> m_lines;
};

} // namespace ui
