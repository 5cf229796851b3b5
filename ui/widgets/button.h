#pragma once

#include <QPushButton>
#include <QString>

namespace ui {

// A push button with a kind and a size. The kind is the dynamic property
// "kind" that the application style sheet selects on. The size cannot be a
// property called "size": QWidget already has one (its QSize), so writing
// "lg" into it fails and style-sheet selectors on it never match. The button
// keeps it as a member and gives large and painted buttons their metrics
// through a small style sheet of their own.
//
// Kinds "primary" (brand gradient, drop shadow) and "danger" (`bad`) are
// painted here and size themselves; "link", "ghost" and the default kind are
// ordinary push buttons drawn by the style sheet. Size "lg" is the large
// form. The icon is a named line icon, re-tinted on every theme change in the
// colour of the kind's text. Keyboard focus shows as the kit's ring around
// the button (ui/widgets/focusring.h), never after a click.
class Button final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Button)

public:
    explicit Button(const QString &text, const QString &kind = {}, const QString &iconName = {},
                    const QString &size = {}, QWidget *parent = nullptr);

    QString kind() const;
    // Changes the kind after construction and restyles the button.
    void setKind(const QString &kind);
    // "lg" or empty.
    QString sizeName() const { return m_size; }
    bool isLarge() const { return m_size == u"lg"; }
    QString iconName() const { return m_iconName; }
    // An empty name clears the icon.
    void setIconName(const QString &name);

    // True for the kinds this class paints itself.
    bool isPainted() const;
    // Whether the drop shadow is currently in force.
    bool hasShadow() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Return and Enter press the focused button, as Space does (outside a
    // QDialog a push button only answers Space).
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QFont paintedFont() const;
    void refreshIcon();
    void refreshShadow();
    void refreshMetrics();
    void onThemeChanged();

    QString m_iconName;
    QString m_size;
};

} // namespace ui
