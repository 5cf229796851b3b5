#include "ui/pages/settingspage.h"

#include "app/appsettings.h"
#include "app/appstate.h"
#include "app/platform.h"
#include "clean/cleanuplog.h"
#include "scan/appguard.h"
#include "scan/pathrules.h"
#include "ui/i18n.h"
#include "ui/pages/cleanuppage.h"
#include "ui/theme.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/button.h"
#include "ui/widgets/card.h"
#include "ui/widgets/divider.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/icontile.h"
#include "ui/widgets/iconview.h"
#include "ui/widgets/note.h"
#include "ui/widgets/pageheader.h"
#include "ui/widgets/select.h"
#include "ui/widgets/switch.h"
#include "ui/trtext.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace ui {

namespace {

// One titled card of rows with hairlines between them.
class Section final
{
public:
    Section(const QString &title, QVBoxLayout *column, QWidget *parent)
    {
        auto *eyebrow = new QLabel(title, parent);
        eyebrow->setProperty("role", QStringLiteral("micro"));
        eyebrow->setFont(Theme::eyebrowFont(11));
        eyebrow->setContentsMargins(2, 0, 0, 10);
        column->addWidget(eyebrow);
        m_card = new Card(parent);
        m_card->setAccessibleName(title);
        m_rows = new QVBoxLayout(m_card);
        m_rows->setContentsMargins(0, 0, 0, 0);
        m_rows->setSpacing(0);
        column->addWidget(m_card);
        column->addSpacing(26);
    }

    QWidget *card() const { return m_card; }

    void add(QWidget *cell)
    {
        if (m_rows->count() > 0)
            m_rows->addWidget(new Divider(m_card));
        cell->setParent(m_card);
        m_rows->addWidget(cell);
    }

private:
    Card *m_card;
    QVBoxLayout *m_rows;
};

// Icon, title, optional extra widget and the control. The description is the
// row's tool tip rather than a label, which keeps the rows one line high.
QWidget *makeRow(const QString &icon, const QString &title, const QString &description, QWidget *control,
                 QWidget *extra = nullptr)
{
    auto *row = new QWidget;
    row->setMinimumHeight(56);
    row->setToolTip(description);
    auto *line = new QHBoxLayout(row);
    line->setContentsMargins(18, 10, 18, 10);
    line->setSpacing(16);
    auto *tile = new IconTile(icon, QColor(), 28, row);
    tile->setNeutral(true);
    line->addWidget(tile);
    auto *label = new QLabel(title, row);
    label->setObjectName(QStringLiteral("rowTitle"));
    label->setStyleSheet(QStringLiteral("font-weight: 500;"));
    line->addWidget(label, 1);
    if (extra) {
        extra->setParent(row);
        line->addWidget(extra);
    }
    if (control) {
        control->setParent(row);
        line->addWidget(control);
    }
    // Switches and selects show no words of their own: the row's title names
    // them and its description describes them, for assistive technology. A
    // button keeps its own words and takes the description.
    for (QWidget *w : {extra, control}) {
        const auto *button = qobject_cast<QAbstractButton *>(w);
        if (!w || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (!button || button->text().isEmpty())
            a11y::setName(w, title);
        a11y::setDescription(w, description);
        // A select reads its value as its name on Linux; the label names it.
        if (w == control)
            label->setBuddy(w);
    }
    return row;
}

QWidget *makeBadge(const QString &icon, const QString &text)
{
    auto *badge = new QWidget;
    auto *line = new QHBoxLayout(badge);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);
    line->addWidget(new IconView(icon, Tone::Ok, 14, badge), 0, Qt::AlignVCenter);
    auto *label = new QLabel(text, badge);
    label->setProperty("role", QStringLiteral("ok"));
    line->addWidget(label);
    return badge;
}

struct Choice
{
    QString text;
    QVariant value;
};

// The current item is the one holding the stored value; a value no item
// holds shows the first item and stays stored until the user picks another.
void selectValue(QComboBox *select, const QVariant &value)
{
    const int index = select->findData(value);
    select->setCurrentIndex(index >= 0 ? index : 0);
}

Select *makeSelect(const char *name, const QList<Choice> &choices, const QVariant &current, int minWidth,
                   QObject *context, std::function<void(const QVariant &)> write)
{
    auto *select = new Select;
    select->setObjectName(QString::fromLatin1(name));
    select->setMinimumWidth(minWidth);
    for (const Choice &choice : choices)
        select->addItem(choice.text, choice.value);
    selectValue(select, current);
    if (write) {
        QObject::connect(select, &QComboBox::activated, context,
                         [select, write = std::move(write)](int index) { write(select->itemData(index)); });
    }
    return select;
}

// Shows a stored value without the write that a user's toggle triggers.
void setQuietly(Switch *toggle, bool on)
{
    const QSignalBlocker block(toggle);
    toggle->setChecked(on);
}

Switch *makeSwitch(const char *name, bool on, QObject *context, std::function<void(bool)> write)
{
    auto *toggle = new Switch;
    toggle->setObjectName(QString::fromLatin1(name));
    toggle->setChecked(on);
    QObject::connect(toggle, &QAbstractButton::toggled, context, std::move(write));
    return toggle;
}

QString systemLanguage()
{
    return detectLanguage({}, QLocale::system().uiLanguages());
}

} // namespace

SettingsPage::SettingsPage(AppState *state, QWidget *parent)
    : QWidget(parent), m_state(state), m_runningLanguage(currentLanguage())
{
    setObjectName(QStringLiteral("SettingsPage"));
    setHooks({});

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    //: Title of the Settings page
    outer->addWidget(new PageHeader(SettingsText::tr("Settings"), {}, this));

    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll, 1);

    const bool mac = Theme::instance()->macLook();
    auto *content = new QWidget(scroll);
    auto *frame = new QHBoxLayout(content);
    frame->setContentsMargins(mac ? 28 : 32, 4, mac ? 28 : 32, mac ? 28 : 32);
    frame->setSpacing(0);
    auto *columnWidget = new QWidget(content);
    columnWidget->setObjectName(QStringLiteral("settingsColumn"));
    columnWidget->setMaximumWidth(mac ? kMaxColumnWidthMac : kMaxColumnWidth);
    auto *column = new QVBoxLayout(columnWidget);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    frame->addWidget(columnWidget, 1);
    frame->addStretch(0);
    scroll->setWidget(content);

    auto *lockRow = new QWidget(columnWidget);
    auto *lockLayout = new QVBoxLayout(lockRow);
    lockLayout->setContentsMargins(0, 0, 0, 22);
    m_lockNote = new Note(Note::Warning, QStringLiteral("alert"), {}, lockRow);
    m_lockNote->setObjectName(QStringLiteral("settingsNote"));
    //: Button beside a note: read the settings file again
    auto *recheck = new Button(SettingsText::tr("Check again"), QStringLiteral("link"), {}, {}, m_lockNote);
    recheck->setObjectName(QStringLiteral("recheckSettings"));
    connect(recheck, &QPushButton::clicked, this, &SettingsPage::syncLock);
    m_lockNote->body()->addWidget(recheck, 0, Qt::AlignLeft);
    lockLayout->addWidget(m_lockNote);
    lockRow->hide();
    column->addWidget(lockRow);

    buildCleaning(column);
    buildAutomation(column);
    buildAppearance(column);
    buildExclusions(column);
    buildCleanups(column);
    buildAbout(column);
    column->addStretch(1);

    connect(AppSettings::instance(), &AppSettings::changed, this, &SettingsPage::onSettingsChanged);
    // The entries are filled in the `hover` colour of the mode they were built in.
    connect(Theme::instance(), &Theme::changed, this, &SettingsPage::rebuildExclusions);
    syncLock();
}

void SettingsPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    syncLock();
}

void SettingsPage::addStored(QWidget *control, std::function<void()> load)
{
    m_stored.append({control, std::move(load)});
}

void SettingsPage::syncLock()
{
    const bool locked = !m_state->settingsReadable();
    if (locked)
        m_lockNote->setText(
            //: %1: a file's path
            SettingsText::tr("Your settings in %1 cannot be read, so what they hold is unknown. The options kept "
                             "there stay locked until the file can be read again.")
                .arg(QDir::toNativeSeparators(m_state->settingsLocation()).toHtmlEscaped()));
    m_lockNote->parentWidget()->setVisible(locked);
    if (locked == m_locked)
        return;
    m_locked = locked;
    for (const Stored &stored : std::as_const(m_stored)) {
        if (!stored.control)
            continue;
        stored.control->setEnabled(!locked);
        // What they showed while locked was a guess.
        if (!locked && stored.load)
            stored.load();
    }
    rebuildExclusions();
}

void SettingsPage::setHooks(const Hooks &hooks)
{
    m_hooks.restart = hooks.restart ? hooks.restart : [] {
        return QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    };
    m_hooks.relaunchElevated = hooks.relaunchElevated ? hooks.relaunchElevated
                                                     : [this] { return ::relaunchElevated(window()->winId()); };
    m_hooks.quit = hooks.quit ? hooks.quit : [] { QCoreApplication::quit(); };
    m_hooks.chooseFolder = hooks.chooseFolder ? hooks.chooseFolder : [](QWidget *parent) {
        return QFileDialog::getExistingDirectory(parent, SettingsText::tr("Choose a folder to exclude"),
                                                 QDir::homePath(), QFileDialog::ShowDirsOnly);
    };
    m_hooks.openUrl = hooks.openUrl ? hooks.openUrl : [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}

void SettingsPage::buildCleaning(QVBoxLayout *column)
{
    AppSettings *settings = AppSettings::instance();
    //: Heading of a Settings section
    Section section(SettingsText::tr("Cleaning"), column, this);

    Switch *toTrash = makeSwitch("moveToTrash", settings->moveToTrash(), this,
                                 [settings](bool on) { settings->setMoveToTrash(on); });
    addStored(toTrash, [toTrash, settings] { setQuietly(toTrash, settings->moveToTrash()); });
    section.add(makeRow(QStringLiteral("trash"), onPlatform(SettingsText::tr("Move items to the Recycle Bin"),
                                                                  SettingsText::tr("Move items to the Trash")),
                        SettingsText::tr("Recommended. Turn off to delete files permanently."), toTrash));

    Select *threshold = makeSelect("largeThreshold",
                                   //: Choice of the large-file size
                                   {{SettingsText::tr("100 MB"), 100},
                                    //: Choice of the large-file size
                                    {SettingsText::tr("250 MB"), 250},
                                    //: Choice of the large-file size
                                    {SettingsText::tr("500 MB"), 500},
                                    //: Choice of the large-file size
                                    {SettingsText::tr("1 GB"), 1000}},
                                   settings->largeThresholdMB(), 130, this, [this, settings](const QVariant &v) {
                                       const int before = settings->largeThresholdMB();
                                       settings->setLargeThresholdMB(v.toInt());
                                       // Files already listed were found with the old size.
                                       if (settings->largeThresholdMB() != before && m_state->largeLoaded())
                                           m_state->scanLargeFiles();
                                   });
    addStored(threshold, [threshold, settings] { selectValue(threshold, settings->largeThresholdMB()); });
    //: Setting: from which size a file counts as large
    section.add(makeRow(QStringLiteral("ruler"), SettingsText::tr("Large file size"),
                        SettingsText::tr("Files bigger than this appear in the Space Map."), threshold));

    Select *old = makeSelect("oldMonths",
                             //: Choice: after how long unused a file counts as old
                             {{SettingsText::tr("3 months"), 3},
                              //: Choice: after how long unused a file counts as old
                              {SettingsText::tr("6 months"), 6},
                              //: Choice: after how long unused a file counts as old
                              {SettingsText::tr("12 months"), 12},
                              //: Choice: after how long unused a file counts as old
                              {SettingsText::tr("24 months"), 24}},
                             settings->oldMonths(), 130, this,
                             [settings](const QVariant &v) { settings->setOldMonths(v.toInt()); });
    addStored(old, [old, settings] { selectValue(old, settings->oldMonths()); });
    section.add(makeRow(QStringLiteral("clock"), SettingsText::tr("Consider files old after"),
                        SettingsText::tr("Used by the “Unused” filter."), old));
}

void SettingsPage::buildAutomation(QVBoxLayout *column)
{
    AppSettings *settings = AppSettings::instance();
    const bool mac = Theme::instance()->macLook();
    //: Heading of a Settings section
    Section section(SettingsText::tr("Automation"), column, this);

    Select *schedule =
        makeSelect("schedule",
                   {{SettingsText::tr("Off", "scheduled scan"), 0},
                    {SettingsText::tr("Weekly", "scheduled scan"), 1},
                    {SettingsText::tr("Monthly", "scheduled scan"), 2}},
                   settings->schedule(), 130, this, [settings](const QVariant &v) { settings->setSchedule(v.toInt()); });
    addStored(schedule, [schedule, settings] { selectValue(schedule, settings->schedule()); });
    section.add(makeRow(
        //: Setting: how often Varnholt scans by itself
        QStringLiteral("calendar"), SettingsText::tr("Scheduled scan"),
        SettingsText::tr("Scans when Varnholt starts if the last scan is older than this. Never cleans on its own."),
        schedule));

    Switch *alerts = makeSwitch("lowSpaceAlerts", settings->lowSpaceAlerts(), this,
                                [settings](bool on) { settings->setLowSpaceAlerts(on); });
    addStored(alerts, [alerts, settings] { setQuietly(alerts, settings->lowSpaceAlerts()); });
    //: Setting: notify when the disk is nearly full
    section.add(makeRow(QStringLiteral("bell"), SettingsText::tr("Low space alerts"),
                        //: The % sign is part of "10%", not a placeholder
                        SettingsText::tr("Warn when free space drops below 10%."), alerts));

    Switch *history = makeSwitch("folderHistory", settings->folderHistory(), this,
                                 [settings](bool on) { settings->setFolderHistory(on); });
    addStored(history, [history, settings] { setQuietly(history, settings->folderHistory()); });
    section.add(makeRow(QStringLiteral("history"), SettingsText::tr("Keep a history of folder sizes"),
                        SettingsText::tr("Once a day, Varnholt notes how big your folders are so it can show what "
                                         "grew. Nothing leaves this computer."),
                        history, makeForgetHistory()));

#ifdef Q_OS_WIN
    const QString loginTitle = mac ? SettingsText::tr("Open at login", "setting: start Varnholt at login")
                                   : SettingsText::tr("Start with Windows", "setting: start Varnholt at login");
#else
    const QString loginTitle = mac ? SettingsText::tr("Open at login", "setting: start Varnholt at login")
                                   : SettingsText::tr("Start at login", "setting: start Varnholt at login");
#endif
    section.add(makeRow(QStringLiteral("sparkle"), loginTitle,
                        SettingsText::tr("Starts Varnholt in the background so scheduled scans can run."),
                        makeSwitch("launchAtLogin", settings->launchAtLogin(), this,
                                   [settings](bool on) { settings->setLaunchAtLogin(on); })));

    if (mac) {
        Switch *inTray = makeSwitch("showInTray", settings->showInTray(), this,
                                    [settings](bool on) { settings->setShowInTray(on); });
        addStored(inTray, [inTray, settings] { setQuietly(inTray, settings->showInTray()); });
        section.add(makeRow(
            QStringLiteral("drive"), SettingsText::tr("Show Varnholt in the menu bar"),
            //: Scheduled scans and alerts run when Varnholt starts, not while it waits in the menu bar
            SettingsText::tr("Closing the window keeps Varnholt running there."),
            inTray));
        return;
    }
    m_closeAction = makeSelect("closeAction",
                               //: Choice of what closing the window does
                               {{SettingsText::tr("Ask every time"), 0},
                                {SettingsText::tr("Keep running in the tray"), 1},
                                //: Choice of what closing the window does
                                {SettingsText::tr("Quit Varnholt"), 2}},
                               settings->closeAction(), 200, this,
                               [settings](const QVariant &v) { settings->setCloseAction(v.toInt()); });
    addStored(m_closeAction, [this, settings] { selectValue(m_closeAction, settings->closeAction()); });
    section.add(makeRow(
        QStringLiteral("drive"), SettingsText::tr("When closing the window"),
        //: Scheduled scans and alerts run when Varnholt starts, not while it waits in the tray
        SettingsText::tr("In the tray, Varnholt keeps running until you quit it."),
        m_closeAction));
}

void SettingsPage::buildAppearance(QVBoxLayout *column)
{
    AppSettings *settings = AppSettings::instance();
    //: Heading of a Settings section
    Section section(SettingsText::tr("Appearance"), column, this);

    Select *theme =
        makeSelect("theme",
                   {{SettingsText::tr("System", "theme that follows the system's light or dark mode"), 0},
                    {SettingsText::tr("Light", "theme"), 1},
                    {SettingsText::tr("Dark", "theme"), 2}},
                   settings->theme(), 130, this, [settings](const QVariant &v) { settings->setTheme(v.toInt()); });
    addStored(theme, [theme, settings] { selectValue(theme, settings->theme()); });
    //: Setting: light or dark colours
    section.add(makeRow(QStringLiteral("image"), SettingsText::tr("Theme"),
                        SettingsText::tr("Follow the system, or always use light or dark."), theme));

    QList<Choice> languageChoices{
        //: Choice of the language; %1: the system's language
        {SettingsText::tr("System default (%1)").arg(languageName(systemLanguage())), QString()}};
    for (const Language &language : languages())
        languageChoices.append({language.name, language.code});
    Select *language = makeSelect("language", languageChoices, settings->language(), 200, this, {});
    connect(language, &QComboBox::activated, this, &SettingsPage::onLanguagePicked);
    addStored(language, [language, settings] { selectValue(language, settings->language()); });

    //: Button: restart to show the new language
    m_restartNow = new Button(SettingsText::tr("Restart now"), QStringLiteral("primary"));
    m_restartNow->setObjectName(QStringLiteral("restartNow"));
    m_restartNow->hide();
    connect(m_restartNow, &QPushButton::clicked, this, &SettingsPage::restartNow);
    //: Setting: the language of the interface
    section.add(makeRow(QStringLiteral("globe"), SettingsText::tr("Language"),
                        SettingsText::tr("Varnholt restarts to switch languages."), language, m_restartNow));
}

void SettingsPage::buildExclusions(QVBoxLayout *column)
{
    //: Heading of a Settings section: folders never cleaned
    Section section(SettingsText::tr("Exclusions"), column, this);

    auto *cell = new QWidget;
    auto *stack = new QVBoxLayout(cell);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    //: Button: add a folder to the exclusions
    auto *add = new Button(SettingsText::tr("Add folder"), {}, QStringLiteral("plus"));
    add->setObjectName(QStringLiteral("addFolder"));
    connect(add, &QPushButton::clicked, this, &SettingsPage::chooseExclusion);
    addStored(add, {});
    //: Description of the exclusions
    QWidget *row = makeRow(QStringLiteral("folder"), SettingsText::tr("Never touch these"),
                           SettingsText::tr("Folders and patterns Varnholt always skips."), add);
    row->setParent(cell);
    stack->addWidget(row);
    auto *list = new QWidget(cell);
    list->setObjectName(QStringLiteral("exclusionList"));
    m_exclusionList = new QVBoxLayout(list);
    m_exclusionList->setContentsMargins(62, 0, 18, 14);
    m_exclusionList->setSpacing(6);
    stack->addWidget(list);
    section.add(cell);
    rebuildExclusions();

    //: Row of the exclusions: folders Varnholt never cleans
    section.add(makeRow(QStringLiteral("lock"), SettingsText::tr("Protected system locations"),
                        //: The folder names stay as the system writes them
                        onPlatform(SettingsText::tr("C:\\Windows\\System32, WinSxS, Program Files, drive roots — "
                                                    "always skipped."),
                                   //: The folder names stay as the system writes them
                                   SettingsText::tr("/usr, /etc, /boot, /var/lib, system folders — always skipped.")),
                        makeBadge(QStringLiteral("shield"),
                                  //: Badge beside the protected system locations: they cannot be changed
                                  SettingsText::tr("Locked"))));
    section.add(makeRow(
        //: Row of the exclusions: apps whose data Varnholt never cleans
        QStringLiteral("shield"), SettingsText::tr("Protected apps"),
        guardedAppsText() +
            SettingsText::tr(" — their data is never cleaned. Caches of running apps and open files are skipped too."),
        makeBadge(QStringLiteral("shield"),
                                  //: Badge beside the protected system locations: they cannot be changed
                                  SettingsText::tr("Locked"))));
}

void SettingsPage::buildCleanups(QVBoxLayout *column)
{
    //: Heading of a Settings section
    Section section(SettingsText::tr("Recent cleanups"), column, this);
    auto *list = new QWidget;
    list->setObjectName(QStringLiteral("cleanupList"));
    m_cleanupList = new QVBoxLayout(list);
    m_cleanupList->setContentsMargins(0, 0, 0, 0);
    m_cleanupList->setSpacing(0);
    section.add(list);
    rebuildCleanups();
    // A finished cleanup adds a log; a restore changes what is offered.
    connect(m_state, &AppState::phaseChanged, this, [this] {
        if (m_state->phase() == AppState::Done)
            rebuildCleanups();
    });
    connect(m_state, &AppState::restoreChanged, this, &SettingsPage::rebuildCleanups);
}

void SettingsPage::rebuildCleanups()
{
    // Reading the logs, and looking in the bin for what each one moved,
    // takes a while with long logs: it runs on the thread pool, and the rows
    // change when it is done. A newer request makes an older answer stale.
    const int generation = ++m_cleanupsGeneration;
    auto *watcher = new QFutureWatcher<QList<AppState::PastCleanup>>(this);
    connect(watcher, &QFutureWatcher<QList<AppState::PastCleanup>>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation == m_cleanupsGeneration)
            showCleanups(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [] { return AppState::recentCleanups(); }));
}

void SettingsPage::showCleanups(const QList<AppState::PastCleanup> &cleanups)
{
    // Rows go at the next turn of the event loop: a Restore button of one
    // of them may be delivering the click that led here.
    while (QLayoutItem *item = m_cleanupList->takeAt(0)) {
        if (QWidget *old = item->widget()) {
            old->hide();
            old->deleteLater();
        }
        delete item;
    }
    QWidget *list = m_cleanupList->parentWidget();
    if (cleanups.isEmpty()) {
        //: In place of the list of recent cleanups
        QWidget *row = makeRow(QStringLiteral("clock"), SettingsText::tr("No cleanups yet"),
                               SettingsText::tr("Every cleanup writes a log you can review."), nullptr);
        row->setParent(list);
        m_cleanupList->addWidget(row);
        row->show();
        return;
    }
    const bool busy = m_state->restoreRunning();
    const QLocale locale;
    for (const AppState::PastCleanup &c : cleanups) {
        if (m_cleanupList->count() > 0) {
            auto *line = new Divider(list);
            m_cleanupList->addWidget(line);
            line->show();
        }
        const QString when = locale.toString(c.started, QLocale::ShortFormat);
        // Named by what the run did, with its summary's total.
        QString what;
        if (c.moved && c.deleted)
            what = (c.emptied ? onPlatform(SettingsText::tr("%1 in all: the Recycle Bin emptied, items deleted "
                                                            "permanently or moved to it", "%1: a size"),
                                           SettingsText::tr("%1 in all: the Trash emptied, items deleted permanently "
                                                            "or moved to it", "%1: a size"))
                              : onPlatform(SettingsText::tr("%1 moved to the Recycle Bin or deleted permanently",
                                                            "%1: a size"),
                                           SettingsText::tr("%1 moved to the Trash or deleted permanently",
                                                            "%1: a size")))
                       .arg(c.freedText);
        else if (c.moved)
            what = (c.emptied ? onPlatform(SettingsText::tr("%1 in all: the Recycle Bin emptied, then items moved to it",
                                                            "%1: a size"),
                                           SettingsText::tr("%1 in all: the Trash emptied, then items moved to it",
                                                            "%1: a size"))
                              : onPlatform(SettingsText::tr("%1 moved to the Recycle Bin", "%1: a size"),
                                           SettingsText::tr("%1 moved to the Trash", "%1: a size")))
                       .arg(c.freedText);
        else if (c.deleted)
            what = (c.emptied ? onPlatform(SettingsText::tr("%1 freed: items deleted permanently and the Recycle Bin "
                                                            "emptied", "%1: a size"),
                                           SettingsText::tr("%1 freed: items deleted permanently and the Trash emptied",
                                                            "%1: a size"))
                              : SettingsText::tr("%1 deleted permanently", "%1: a size"))
                       .arg(c.freedText);
        else if (c.emptied)
            what = onPlatform(SettingsText::tr("The Recycle Bin was emptied: %1 freed", "%1: a size"),
                              SettingsText::tr("The Trash was emptied: %1 freed", "%1: a size"))
                       .arg(c.freedText);
        else
            //: What a past cleanup did
            what = SettingsText::tr("Nothing was cleaned");
        auto *detail = new QLabel(what);
        detail->setProperty("role", QStringLiteral("sub"));
        Button *restore = nullptr;
        if (c.restorable) {
            //: Button beside a past cleanup: put back what it moved to the bin
            restore = new Button(SettingsText::tr("Restore"), {}, QStringLiteral("refresh"));
            restore->setObjectName(QStringLiteral("restoreCleanup"));
            restore->setProperty("logPath", c.logPath);
            restore->setEnabled(!busy);
            const QString log = c.logPath;
            connect(restore, &QPushButton::clicked, this, [this, log] { m_state->restoreCleanup(log); });
        }
        QWidget *row = makeRow(c.toTrash ? QStringLiteral("trash") : QStringLiteral("file"), when,
                               c.restorable ? onPlatform(SettingsText::tr("Put back what this cleanup moved to the "
                                                                          "Recycle Bin. Nothing that is in its place "
                                                                          "now is replaced."),
                                                         SettingsText::tr("Put back what this cleanup moved to the "
                                                                          "Trash. Nothing that is in its place now is "
                                                                          "replaced."))
                                            : QString(),
                               restore, detail);
        row->setObjectName(QStringLiteral("pastCleanup"));
        row->setParent(list);
        m_cleanupList->addWidget(row);
        row->show();
    }
}

void SettingsPage::buildAbout(QVBoxLayout *column)
{
    //: Heading of a Settings section
    Section section(SettingsText::tr("Permissions & about"), column, this);

    if (Theme::instance()->macLook()) {
        // The macOS privacy permission has no counterpart on this platform.
        //: A macOS permission
        section.add(makeRow(QStringLiteral("lock"), SettingsText::tr("Full Disk Access"), {}, nullptr));
    } else if (isElevated()) {
#ifdef Q_OS_WIN
        const QString tip =
            SettingsText::tr("Varnholt is running as administrator and can clean Windows Update files.");
#else
        const QString tip = SettingsText::tr("Varnholt is running as administrator and can clean the package cache.");
#endif
        //: Row: whether Varnholt runs with administrator rights
        section.add(makeRow(QStringLiteral("lock"), SettingsText::tr("Administrator access"), tip,
                            //: Badge: administrator rights are held
                            makeBadge(QStringLiteral("check"), SettingsText::tr("Granted"))));
    } else {
#ifdef Q_OS_WIN
        const QString tip = SettingsText::tr("Only needed to clean Windows Update leftovers.");
#else
        const QString tip = SettingsText::tr("Only needed to clean the package cache.");
#endif
        // What administrator rights add here belongs to the system.
        Button *elevate = nullptr;
        if (elevationHelps(true)) {
            //: Button: restart Varnholt with administrator rights
            elevate = new Button(SettingsText::tr("Restart as admin"));
            elevate->setObjectName(QStringLiteral("restartAsAdmin"));
            connect(elevate, &QPushButton::clicked, this, &SettingsPage::restartAsAdmin);
        }
        section.add(makeRow(QStringLiteral("lock"), SettingsText::tr("Administrator access"), tip, elevate));
    }

    //: Button
    auto *check = new Button(SettingsText::tr("Check for updates"), {}, QStringLiteral("refresh"));
    check->setObjectName(QStringLiteral("checkForUpdates"));
    connect(check, &QPushButton::clicked, this, &SettingsPage::checkForUpdates);
    //: Button: open the folder of the cleanup logs
    auto *logs = new Button(SettingsText::tr("Open logs"), {}, QStringLiteral("file"));
    logs->setObjectName(QStringLiteral("openLogs"));
    connect(logs, &QPushButton::clicked, this, &SettingsPage::openLogs);
    section.add(makeRow(
        QStringLiteral("info"), QStringLiteral("Varnholt " VARNHOLT_VERSION),
        SettingsText::tr("Every cleanup writes a log you can review. Varnholt checks for updates when it starts."),
        logs, check));
}

void SettingsPage::rebuildExclusions()
{
    // Entries go at the next turn of the event loop: the Remove button that
    // started this rebuild is still delivering its click.
    while (QLayoutItem *item = m_exclusionList->takeAt(0)) {
        if (QWidget *old = item->widget()) {
            old->hide();
            old->deleteLater();
        }
        delete item;
    }
    m_shown = AppSettings::instance()->exclusions();
    QWidget *list = m_exclusionList->parentWidget();
    for (const QString &text : std::as_const(m_shown)) {
        auto *entry = new Card(list);
        entry->setObjectName(QStringLiteral("exclusion"));
        entry->setProperty("exclusion", text);
        entry->setFill(Theme::instance()->hover());
        auto *line = new QHBoxLayout(entry);
        line->setContentsMargins(10, 3, 4, 3);
        line->setSpacing(6);
        auto *label = new ElidedLabel(text, QStringLiteral("mono"), entry);
        Theme::showAsWritten(label);
        label->setStyleSheet(QStringLiteral("color: palette(text); font-size: 12px;"));
        line->addWidget(label, 1);
        auto *remove = new Button({}, QStringLiteral("ghost"), QStringLiteral("x"));
        remove->setParent(entry);
        remove->setObjectName(QStringLiteral("removeExclusion"));
        remove->setFixedSize(24, 24);
        remove->setStyleSheet(QStringLiteral("padding: 0; min-height: 24px; max-height: 24px;"));
        //: Button beside an excluded folder: take it off the list
        remove->setToolTip(SettingsText::tr("Remove"));
        remove->setEnabled(!m_locked);
        a11y::setName(remove, remove->toolTip());
        a11y::setDescription(remove, text);
        entry->setAccessibleName(text);
        connect(remove, &QPushButton::clicked, this, [this, text] { removeExclusion(text); });
        line->addWidget(remove);
        m_exclusionList->addWidget(entry);
        entry->show();
    }
}

void SettingsPage::onSettingsChanged()
{
    syncLock();
    AppSettings *settings = AppSettings::instance();
    if (m_closeAction && m_closeAction->currentData().toInt() != settings->closeAction())
        selectValue(m_closeAction, settings->closeAction());
    if (settings->exclusions() != m_shown)
        rebuildExclusions();
}

void SettingsPage::addExclusion(const QString &folder)
{
    if (folder.isEmpty())
        return;
    const QString text = QDir::toNativeSeparators(folder);
    AppSettings *settings = AppSettings::instance();
    QStringList list = settings->exclusions();
    if (list.contains(text))
        return;
    list.append(text);
    settings->setExclusions(list);
    if (settings->exclusions() != m_shown)
        rebuildExclusions();
}

void SettingsPage::removeExclusion(const QString &item)
{
    AppSettings *settings = AppSettings::instance();
    QStringList list = settings->exclusions();
    if (list.removeAll(item) == 0)
        return;
    settings->setExclusions(list);
    if (settings->exclusions() != m_shown)
        rebuildExclusions();
}

void SettingsPage::chooseExclusion()
{
    addExclusion(m_hooks.chooseFolder(this));
}

void SettingsPage::onLanguagePicked(int index)
{
    auto *select = qobject_cast<QComboBox *>(sender());
    if (!select)
        return;
    const QString code = select->itemData(index).toString();
    AppSettings::instance()->setLanguage(code);
    const QString effective = code.isEmpty() ? systemLanguage() : code;
    m_restartNow->setVisible(effective != m_runningLanguage);
}

bool SettingsPage::restartOffered() const
{
    return !m_restartNow->isHidden();
}

void SettingsPage::restartNow()
{
    if (m_hooks.restart())
        m_hooks.quit();
    else
        m_state->notify(SettingsText::tr("Varnholt could not start again. Close it and open it yourself to switch "
                                         "languages."));
}

void SettingsPage::restartAsAdmin()
{
    if (m_hooks.relaunchElevated())
        m_hooks.quit();
    else
        m_state->notify(CleanupPage::elevationRefusedText());
}

void SettingsPage::openLogs()
{
    const QString folder = QDir::toNativeSeparators(CleanupLog::folder());
    // The log folder is made before it is opened, so the file manager has
    // something to show on a first start.
    if (!CleanupLog::ensureFolder())
        m_state->notify(MenuBarText::tr("The log folder %1 could not be created.").arg(folder));
    else if (!m_hooks.openUrl(QUrl::fromLocalFile(CleanupLog::folder())))
        m_state->notify(CleanupText::tr("No app could open %1").arg(folder));
}

} // namespace ui
