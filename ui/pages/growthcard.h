#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QVariantList>
#include <QWidget>

#include "scan/category.h"

class AppState;
class QLabel;
class QVBoxLayout;

namespace ui {

class Card;

// The Overview's card of the folders that grew most in the last week, from
// the history of folder sizes: each with its growth and a bar against the
// largest, a shortcut into the Space Map's "Grew" view and, for a folder
// that a cleanup category holds, into that category. Until two readings lie
// a week apart it says when it will have something to show; it is hidden
// while the history is off.
class GrowthCard final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GrowthCard)

public:
    static constexpr int kMaxFolders = 4;

    explicit GrowthCard(AppState *state, QWidget *parent = nullptr);

    // Reads the history again; `catalogue` names the categories.
    void refresh(const QList<CategoryDef> &catalogue);
    // The folders listed, largest growth first.
    QStringList folders() const { return m_folders; }

signals:
    void openFolder(const QString &path);
    void openCategory(const QString &id);

private:
    AppState *m_state;
    Card *m_card = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    QVBoxLayout *m_rowSlot = nullptr;
    QPointer<QWidget> m_rows;
    QStringList m_folders;
    // What the card was built from: a refresh with the same readings,
    // exclusions and catalogue keeps it as it is (and the keyboard where it is).
    QVariantList m_shownFrom;
};

} // namespace ui
