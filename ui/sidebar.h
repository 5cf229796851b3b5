#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

class AppState;
class QBoxLayout;
class QButtonGroup;
class QLabel;
class QVBoxLayout;
class QVariantAnimation;

namespace ui {

// A checkable navigation entry: icon, label and an optional badge, reduced
// to the icon (and a dot for the badge) while the sidebar is collapsed.
class NavButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NavButton)

public:
    NavButton(const QString &text, const QString &iconName, QWidget *parent = nullptr);

    QString iconName() const { return m_icon; }
    QString badge() const { return m_badge; }
    void setBadge(const QString &badge);
    bool isCompact() const { return m_compact; }
    void setCompact(bool compact);
    bool isHovered() const { return m_hovered; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QString m_icon;
    QString m_badge;
    bool m_hovered = false;
    bool m_compact = false;
};

// The home drive's fill level as a ring, with name and free space beside it
// while the sidebar is expanded.
class DriveCard final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DriveCard)

public:
    enum class RingColor { Gradient, Warn, Bad };

    explicit DriveCard(AppState *state, QWidget *parent = nullptr);

    bool isCompact() const { return m_compact; }
    void setCompact(bool compact);

    // (total - free) / total; 0 for an unreadable drive.
    static double usedFraction(qint64 totalBytes, qint64 freeBytes);
    // Gradient up to 85 % used, `warn` above, `bad` above 90 %.
    static RingColor ringColor(double usedFraction);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();

    AppState *m_state;
    bool m_compact = false;
};

// The square button that collapses and expands the sidebar.
class SidebarToggle final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SidebarToggle)

public:
    explicit SidebarToggle(QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_hovered = false;
};

// The navigation column: "Smart Scan", "Cleanup", "Space Map" and, at the
// bottom, "Settings", with the drive card and the collapse toggle. Button ids
// equal the page indices of the main window's stack. The collapsed state is
// stored under "ui/sidebarCollapsed" and restored without animation.
class Sidebar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Sidebar)

public:
    static constexpr int kCollapsedWidth = 56;
    static constexpr int kMinExpandedWidth = 236;
    static constexpr int kMaxExpandedWidth = 300;
    static constexpr int kAnimationMs = 170;
    static constexpr int kPageCount = 4;

    explicit Sidebar(AppState *state, QWidget *parent = nullptr);

    bool isCollapsed() const { return m_collapsed; }
    void setCollapsed(bool collapsed, bool animate);
    int expandedWidth() const { return m_expandedWidth; }
    // The widest label's advance plus 100, kept within 236..300.
    static int expandedWidthFor(const QStringList &labels, const QFont &font);

    // Checks the page's button without emitting `navigate`.
    void setCurrentPage(int page);
    int currentPage() const;

    NavButton *navButton(int page) const;
    DriveCard *driveCard() const { return m_drive; }
    SidebarToggle *toggle() const { return m_toggle; }
    QLabel *sectionLabel() const { return m_section; }
    bool isAnimating() const;

signals:
    void navigate(int page);
    void collapsedChanged(bool collapsed);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void arrange(bool collapsed);
    void updateBadge();

    AppState *m_state;
    QVBoxLayout *m_layout = nullptr;
    QButtonGroup *m_group = nullptr;
    QLabel *m_section = nullptr;
    QList<NavButton *> m_buttons;
    DriveCard *m_drive = nullptr;
    SidebarToggle *m_toggle = nullptr;
    QBoxLayout *m_bottomRow = nullptr;
    bool m_collapsed = false;
    int m_expandedWidth = kMinExpandedWidth;
    QPointer<QVariantAnimation> m_animation;
};

} // namespace ui
