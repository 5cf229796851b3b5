#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QHBoxLayout;
class QLabel;

namespace ui {

// The head of a page: eyebrow line, title with an optional status text after
// it, subtitle, and at the right a row for the page's buttons. The compact
// form is the one-line variant shown inside the title area.
class PageHeader final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageHeader)

public:
    explicit PageHeader(const QString &title, const QString &subtitle = {}, QWidget *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    QString subtitle() const { return m_subtitle; }
    void setSubtitle(const QString &subtitle);
    QString eyebrow() const { return m_eyebrowText; }
    // An empty eyebrow hides the line.
    void setEyebrow(const QString &text);
    // A short status after the title in the given colour; empty text removes it.
    void setStatus(const QString &text, const QColor &color);
    // Pages add their buttons here (spacing 8, bottom-aligned).
    QHBoxLayout *actionRow() const { return m_actions; }

    bool isCompact() const { return m_compact; }
    // The compact form starts `leftMargin` px in, hides eyebrow and subtitle
    // and shows the title at 15 px, vertically centred.
    void setCompact(bool on, int leftMargin = 0);

    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *subtitleLabel() const { return m_subtitleLabel; }
    QLabel *eyebrowLabel() const { return m_eyebrowLabel; }

private:
    void refreshTitle();
    void refreshVisibility();
    void applyMargins();

    QString m_title;
    QString m_subtitle;
    QString m_eyebrowText;
    QString m_status;
    QColor m_statusColor;
    bool m_compact = false;
    int m_compactLeft = 0;
    QHBoxLayout *m_row;
    QHBoxLayout *m_actions;
    QLabel *m_eyebrowLabel;
    QLabel *m_titleLabel;
    QLabel *m_subtitleLabel;
};

} // namespace ui
