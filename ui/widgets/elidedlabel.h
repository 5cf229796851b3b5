#pragma once

#include <QLabel>

namespace ui {

// A label that elides its text instead of growing; the full text is its tool
// tip. One line by default; with more lines allowed it wraps at word
// boundaries first (a word wider than the label breaks anywhere), elides
// only what its last line cannot hold, and fixes its height to the lines its
// width needs each time that width changes. (A height-for-width answer
// instead would be cached by the layouts of rows that are rebuilt while
// hidden, and go stale.) Style it by "role" like any label.
class ElidedLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ElidedLabel)

public:
    enum Elide {
        ElideEnd,  // "Temporary fi…"
        // For names that share their beginning with their neighbours and
        // differ at the end ("Chromium · Default · Code Cache" beside
        // "… · GPUCache"): the part after the last " · " stays whole and the
        // part before it is cut ("Chromium · Def… · Code Cache"); a name
        // without that separator, or whose last part alone does not fit,
        // loses its middle ("Thumbnails_…_Startup.bin").
        KeepTail,
    };

    explicit ElidedLabel(const QString &text = {}, const QString &role = {}, QWidget *parent = nullptr);

    // Hides QLabel::setText so that the tool tip follows the text.
    void setText(const QString &text);

    Elide elide() const { return m_elide; }
    void setElide(Elide elide);
    int maximumLines() const { return m_maxLines; }
    void setMaximumLines(int lines);

    QSize minimumSizeHint() const override;
    // The height the label takes at `width`.
    int heightForWidth(int width) const override;
    // The text as it is drawn at the present width, its lines run together.
    QString shownText() const;
    // `text` elided as KeepTail describes to fit `width`.
    static QString elideKeepingTail(const QFontMetrics &metrics, const QString &text, int width);

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitHeight();
    // The lines drawn at `width`, the last one elided when the text needs more.
    QStringList lines(int width) const;
    QString elided(const QString &text, int width) const;

    Elide m_elide = ElideEnd;
    int m_maxLines = 1;
};

} // namespace ui
