#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <functional>

#include "app/appstate.h"
class QVBoxLayout;

namespace ui {

class Button;
class Note;
class Select;

// Where every preference is changed. Controls are set from AppSettings while
// the page is built and write their setting the moment they change; there is
// no apply step. Only the close-action select and the exclusion list follow
// changes made elsewhere (the close dialog's "Remember my choice", another
// instance editing the list).
//
// The page also offers the restarts (language, administrator), opens the
// cleanup log folder and asks the window for an update check through
// checkForUpdates().
class SettingsPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsPage)

public:
    static constexpr int kMaxColumnWidth = 824;
    static constexpr int kMaxColumnWidthMac = 820;

    // What the page does to the outside world. Tests replace them; an empty
    // member keeps the default.
    struct Hooks
    {
        // Starts this program again, detached and without arguments; true
        // when the new process was started. Default: QProcess::startDetached.
        std::function<bool()> restart;
        // Default: relaunchElevated() of the platform layer.
        std::function<bool()> relaunchElevated;
        // Default: QCoreApplication::quit.
        std::function<void()> quit;
        // The folder chooser; an empty result means cancelled.
        std::function<QString(QWidget *parent)> chooseFolder;
        // Default: QDesktopServices::openUrl; false when nothing could open it.
        std::function<bool(const QUrl &)> openUrl;
    };

    explicit SettingsPage(AppState *state, QWidget *parent = nullptr);

    void setHooks(const Hooks &hooks);

    // The "Add folder" flow after the chooser: appends the folder (with
    // native separators) unless exactly that text is stored already.
    void addExclusion(const QString &folder);
    // Removes every stored item equal to `item`.
    void removeExclusion(const QString &item);
    // The exclusions the list now shows, in order.
    QStringList shownExclusions() const { return m_shown; }

    // The language of this run, fixed when the page was built; "Restart now"
    // appears while the picked language differs from it.
    QString runningLanguage() const { return m_runningLanguage; }
    bool restartOffered() const;

    // While the settings cannot be read, a warning says so above the
    // sections and every control that writes to them is disabled: what they
    // would show is a guess, and AppSettings keeps the store as it is. The
    // store is asked again when the page is shown, when a setting changed and
    // from the warning's "Check again"; once it reads, the controls show its
    // values again.
    bool settingsLocked() const { return m_locked; }

signals:
    void checkForUpdates();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildCleaning(QVBoxLayout *column);
    void buildAutomation(QVBoxLayout *column);
    void buildAppearance(QVBoxLayout *column);
    void buildExclusions(QVBoxLayout *column);
    void buildAbout(QVBoxLayout *column);
    void buildCleanups(QVBoxLayout *column);
    // The recent cleanups as their logs tell them, with "Restore" for the
    // trash-mode runs that moved something.
    void rebuildCleanups();
    void showCleanups(const QList<AppState::PastCleanup> &cleanups);
    void rebuildExclusions();
    void onSettingsChanged();
    void onLanguagePicked(int index);
    void restartNow();
    void restartAsAdmin();
    void openLogs();
    // "Forget history", enabled while readings of folder sizes are kept
    // (settingspage_history.cpp).
    Button *makeForgetHistory();
    void forgetHistory();
    void chooseExclusion();
    void syncLock();
    // Registers a control that shows and writes a stored value; `load` puts
    // the stored value into it without writing it back.
    void addStored(QWidget *control, std::function<void()> load);

    struct Stored
    {
        QPointer<QWidget> control;
        std::function<void()> load;
    };

    AppState *m_state;
    Hooks m_hooks;
    QString m_runningLanguage;
    Select *m_closeAction = nullptr;
    Button *m_restartNow = nullptr;
    QVBoxLayout *m_exclusionList = nullptr;
    QVBoxLayout *m_cleanupList = nullptr;
    int m_cleanupsGeneration = 0;
    QStringList m_shown;
    Note *m_lockNote = nullptr;
    QList<Stored> m_stored;
    bool m_locked = false;
};

} // namespace ui
