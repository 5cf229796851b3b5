#include "ui/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QMetaMethod>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "app/appstate.h"
#include "app/tray.h"
#include "app/trayduties.h"
#include "clean/cleanuplog.h"
#include "ui/appmenu.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/confirmcleandialog.h"
#include "ui/dialogs/overlay.h"
#include "ui/dialogs/toast.h"
#include "ui/dialogs/updatedialog.h"
#include "ui/icons.h"
#include "ui/pages/cleanuppage.h"
#include "ui/pages/largefilespage.h"
#include "ui/pages/overviewpage.h"
#include "ui/pages/settingspage.h"
#include "ui/sidebar.h"
#include "ui/theme.h"
#include "ui/titlebar.h"
#include "ui/widgets/accessible.h"
#include "ui/widgets/pagestack.h"
#include "ui/windowagent.h"
#include "ui/trtext.h"

namespace ui {

namespace {

const QString kGeometryKey = QStringLiteral("ui/windowGeometry");

QBoxLayout *bareLayout(QBoxLayout *layout)
{
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QString noAppCouldOpen(const QUrl &url)
{
    const QString target = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toDisplayString();
    //: %1: a file or folder
    return CleanupText::tr("No app could open %1").arg(target);
}

QString logFolderMissingText()
{
    //: %1: a folder
    return MenuBarText::tr("The log folder %1 could not be created.")
        .arg(QDir::toNativeSeparators(CleanupLog::folder()));
}

} // namespace

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : MainWindow(state, Options(), parent)
{
}

MainWindow::MainWindow(AppState *state, const Options &options, QWidget *parent)
    : QWidget(parent), m_state(state), m_quit([] { QCoreApplication::quit(); })
{
    setWindowTitle(QStringLiteral("Varnholt"));
    setWindowIcon(appIcon());
    setMinimumSize(kMinimumSize);
    resize(kInitialSize);

    auto *column = bareLayout(new QVBoxLayout(this));
    m_titleBar = new TitleBar(this, this);
    column->addWidget(m_titleBar);
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("body"));
    column->addWidget(m_body, 1);

    auto *row = bareLayout(new QHBoxLayout(m_body));
    m_sidebar = new Sidebar(state, m_body);
    row->addWidget(m_sidebar);
    m_container = new QWidget(m_body);
    row->addWidget(m_container, 1);
    auto *containerColumn = bareLayout(new QVBoxLayout(m_container));
    m_contentLayer = new QWidget(m_container);
    m_contentLayer->setObjectName(QStringLiteral("ContentLayer"));
    containerColumn->addWidget(m_contentLayer);
    auto *layerColumn = bareLayout(new QVBoxLayout(m_contentLayer));
    m_stack = new PageStack(m_contentLayer);
    layerColumn->addWidget(m_stack);

    // The first page is made now; the others hold a place in the stack and
    // are made after the window's first paint, or when asked for first.
    m_factory = options.pageFactory ? options.pageFactory : PageFactory(&MainWindow::createPage);
    for (int i = 0; i < PageCount; ++i)
        m_stack->addWidget(new QWidget(m_stack));
    ensurePage(PageOverview);

    m_toast = new Toast(m_body);
    m_tray = new Tray(this, state, [](QWidget *menuParent) -> QMenu * { return new AppMenu(menuParent); });
    connect(m_tray, &Tray::showPageRequested, this, &MainWindow::showPage);
    connect(m_tray, &Tray::checkForUpdatesRequested, this, &MainWindow::checkForUpdates);

    // The quit event reaches the application before any window is asked to
    // close, which is what lets the close event tell quitting from closing.
    qApp->installEventFilter(this);
    // The close rules quit when there is no tray to live in (app/trayduties.h).
    QGuiApplication::setQuitOnLastWindowClosed(false);

    m_updater = new Updater(this, options.manifestUrl, options.trustedDomain);
    if (options.autoUpdateDelayMs >= 0) {
        QTimer::singleShot(options.autoUpdateDelayMs, this, [this] {
            m_autoUpdateCheck = true;
            m_updater->check();
        });
    }

    m_agent = new WindowAgent(this);
    m_agent->setup(this);
    m_agent->setTitleBar(m_titleBar);
    m_agent->setHitTestVisible(m_titleBar->menuButton(), true);
    m_agent->setSystemButton(WindowAgent::Minimize, m_titleBar->minimizeButton());
    m_agent->setSystemButton(WindowAgent::Maximize, m_titleBar->maximizeButton());
    m_agent->setSystemButton(WindowAgent::Close, m_titleBar->closeButton());

    // The wiring of the shell.
    connect(m_sidebar, &Sidebar::navigate, this, &MainWindow::showPage);
    connect(m_titleBar, &TitleBar::menuRequested, this, &MainWindow::openAppMenu);
    // The caption buttons take no focus: F10 opens the application menu from
    // the keyboard, as it opens a menu bar.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, m_titleBar->menuButton(),
            &QAbstractButton::click);
    connect(m_toast, &Toast::undo, this, [this] {
        if (m_state)
            m_state->undoLastMove();
    });
    if (m_state) {
        connect(m_state, &AppState::phaseChanged, this, [this] {
            if (m_state->phase() == AppState::Scanning)
                showPage(PageCleanup);
        });
        connect(m_state, &AppState::toast, this, [this](const QString &text, bool undoable, bool warning) {
            m_toast->showMessage(text, undoable, warning ? Toast::Warning : Toast::Success);
        });
    }
    connect(m_updater, &Updater::stateChanged, this, &MainWindow::onUpdaterStateChanged);
    connect(m_updater, &Updater::quitForUpdate, this, &MainWindow::quitApplication);
    connect(Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

QWidget *MainWindow::createPage(int index, AppState *state, QWidget *parent)
{
    switch (index) {
    case PageOverview:
        return new ui::OverviewPage(state, parent);
    case PageCleanup:
        return new ui::CleanupPage(state, parent);
    case PageSpaceMap:
        return new ui::LargeFilesPage(state, parent);
    case PageSettings:
        return new ui::SettingsPage(state, parent);
    default:
        return new QWidget(parent);
    }
}

bool MainWindow::connectPageSignal(QWidget *page, const char *signal, const char *slot)
{
    if (!page)
        return false;
    const QMetaObject *pageMeta = page->metaObject();
    const int signalIndex = pageMeta->indexOfSignal(QMetaObject::normalizedSignature(signal).constData());
    if (signalIndex < 0)
        return false;
    const int slotIndex = metaObject()->indexOfSlot(QMetaObject::normalizedSignature(slot).constData());
    Q_ASSERT(slotIndex >= 0);
    return bool(connect(page, pageMeta->method(signalIndex), this, metaObject()->method(slotIndex)));
}

QWidget *MainWindow::ensurePage(int index) const
{
    if (index < 0 || index >= PageCount)
        return nullptr;
    if (m_built[size_t(index)])
        return m_stack->widget(index);
    m_built[size_t(index)] = true;
    auto *self = const_cast<MainWindow *>(this);
    QWidget *made = m_factory(index, m_state, m_stack);
    if (!made)
        made = new QWidget(m_stack);
    // Assistive technology names each page as its navigation entry.
    a11y::setRole(made, QAccessible::Pane);
    if (NavButton *entry = m_sidebar->navButton(index))
        a11y::setName(made, entry->text());
    // Taking out the current widget would make its neighbour current.
    QWidget *placeholder = m_stack->widget(index);
    const bool current = m_stack->currentWidget() == placeholder;
    m_stack->insertWidget(index, made);
    if (current)
        m_stack->setCurrentWidget(made);
    m_stack->removeWidget(placeholder);
    delete placeholder;
    switch (index) {
    case PageOverview:
        self->connectPageSignal(made, "openCleanup(QString)", "openCleanupFor(QString)");
        self->connectPageSignal(made, "openSpaceMap(QString)", "openSpaceMapAt(QString)");
        break;
    case PageCleanup:
        self->connectPageSignal(made, "confirmRequested()", "confirmClean()");
        self->connectPageSignal(made, "goHome()", "goHome()");
        break;
    case PageSettings:
        self->connectPageSignal(made, "checkForUpdates()", "checkForUpdatesFromPage()");
        break;
    default:
        break;
    }
    return made;
}

void MainWindow::makeRemainingPages()
{
    // One page a turn of the event loop, so input and repaints come between.
    for (int i = 0; i < PageCount; ++i) {
        if (!m_built[size_t(i)]) {
            ensurePage(i);
            QTimer::singleShot(0, this, &MainWindow::makeRemainingPages);
            return;
        }
    }
}

void MainWindow::openCleanupFor(const QString &focusCategoryId)
{
    showPage(PageCleanup);
    QWidget *cleanup = page(PageCleanup);
    if (cleanup && cleanup->metaObject()->indexOfMethod("focusCategory(QString)") >= 0)
        QMetaObject::invokeMethod(cleanup, "focusCategory", Q_ARG(QString, focusCategoryId));
}

void MainWindow::openSpaceMapAt(const QString &folder)
{
    showPage(PageSpaceMap);
    QWidget *map = page(PageSpaceMap);
    if (map && map->metaObject()->indexOfMethod("showGrowth(QString)") >= 0)
        QMetaObject::invokeMethod(map, "showGrowth", Q_ARG(QString, folder));
}

void MainWindow::confirmClean()
{
    auto *dialog = new ConfirmCleanDialog(m_state, overlayHost());
    connect(dialog, &ConfirmCleanDialog::accepted, this, [this, dialog] {
        if (m_state)
            m_state->startClean(dialog->deleteWithoutTrash());
    });
    dialog->open();
}

void MainWindow::goHome()
{
    showPage(PageOverview);
}

void MainWindow::checkForUpdatesFromPage()
{
    checkForUpdates();
}

QWidget *MainWindow::page(int index) const
{
    return ensurePage(index);
}

void MainWindow::showPage(int index)
{
    if (!ensurePage(index))
        return;
    m_stack->setCurrentIndex(index);
    m_sidebar->setCurrentPage(index);
}

int MainWindow::currentPage() const
{
    return m_stack->currentIndex();
}

QRect MainWindow::defaultGeometry(const QSize &size, const QRect &available)
{
    if (available.isEmpty())
        return QRect(QPoint(0, 0), size);
    const QSize bounded = size.boundedTo(available.size());
    QRect r(QPoint(0, 0), bounded);
    r.moveCenter(available.center());
    return r;
}

void MainWindow::restoreWindowGeometry()
{
    const QByteArray saved = QSettings().value(kGeometryKey).toByteArray();
    if (!saved.isEmpty() && restoreGeometry(saved))
        return;
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect available = s ? s->availableGeometry() : QRect();
    // restoreGeometry may have half-applied a corrupt value; start from the
    // size the window would have had.
    resize(defaultGeometry(size().isValid() ? size() : kInitialSize, available).size());
    // The minimum size may still exceed a small screen; then the top-left
    // corner stays on it so that the title bar can be reached.
    QRect r(QPoint(0, 0), size());
    r.moveCenter(available.center());
    move(std::max(r.left(), available.left()), std::max(r.top(), available.top()));
}

void MainWindow::saveWindowGeometry()
{
    // Writing to a store that cannot be read would replace it with the part
    // the settings library understood, dropping the user's exclusions.
    if (m_state && !m_state->settingsReadable())
        return;
    QSettings().setValue(kGeometryKey, saveGeometry());
}

void MainWindow::notify(const QString &text)
{
    ui::notify(this, m_toast, m_tray, text);
}

void MainWindow::hideToTray()
{
    ui::hideToTray(this, m_tray);
}

void MainWindow::showAndRaise()
{
    ui::showAndRaise(this);
}

void MainWindow::checkForUpdates()
{
    m_autoUpdateCheck = false;
    openUpdateDialog();
    const int state = m_updater->state();
    if (state != Updater::Available && state != Updater::Downloading && state != Updater::Installing)
        m_updater->check();
}

void MainWindow::showAbout()
{
    (new AboutDialog(overlayHost()))->open();
}

MainWindow::AutoCheckStep MainWindow::autoCheckFollowUp(bool pending, int updaterState, bool windowShowing,
                                                        bool overlayOpen)
{
    if (!pending || updaterState == Updater::Checking)
        return {pending, false};
    return {false, updaterState == Updater::Available && windowShowing && !overlayOpen};
}

void MainWindow::onUpdaterStateChanged()
{
    const bool showing = isVisible() && !isMinimized();
    const AutoCheckStep step = autoCheckFollowUp(m_autoUpdateCheck, m_updater->state(), showing,
                                                 !Overlay::openIn(overlayHost()).isEmpty());
    m_autoUpdateCheck = step.stillPending;
    if (step.openDialog)
        openUpdateDialog();
}

void MainWindow::openUpdateDialog()
{
    auto *dialog = new UpdateDialog(m_updater, overlayHost());
    connect(dialog, &UpdateDialog::warning, this,
            [this](const QString &text) { m_toast->showMessage(text, false, Toast::Warning); });
    dialog->open();
}

void MainWindow::setQuitFunction(QuitFunction quit)
{
    m_quit = quit ? std::move(quit) : QuitFunction([] { QCoreApplication::quit(); });
}

void MainWindow::quitApplication()
{
    m_quit();
}

AppMenu *MainWindow::buildAppMenu()
{
    auto *menu = new AppMenu(this);
    const auto named = [](const char *name) { return icon(QString::fromLatin1(name), Tone::Text2, 18); };

    //: Entry of the app menu: open the Settings page
    connect(menu->addAction(named("menu-settings"), MenuBarText::tr("Settings")), &QAction::triggered, this,
            [this] { showPage(PageSettings); });
    menu->addSeparator();
    //: Entry of the app menu
    connect(menu->addAction(named("menu-update"), MenuBarText::tr("Check for Updates")), &QAction::triggered, this,
            &MainWindow::checkForUpdates);

    //: Submenu of the app menu
    AppMenu *help = menu->addAppMenu(named("menu-help"), MenuBarText::tr("Help"));
    //: Entry of the Help menu: the user guide on the website
    connect(help->addAction(MenuBarText::tr("Guide")), &QAction::triggered, this,
            [this] { openUrl(AboutDialog::websiteUrl().resolved(QUrl(QStringLiteral("guide")))); });
    //: Entry of the Help menu: frequently asked questions
    connect(help->addAction(MenuBarText::tr("FAQ")), &QAction::triggered, this,
            [this] { openUrl(AboutDialog::websiteUrl().resolved(QUrl(QStringLiteral("support")))); });
    //: Entry of the app menu
    connect(help->addAction(MenuBarText::tr("Open Log Folder")), &QAction::triggered, this, [this] {
        if (CleanupLog::ensureFolder())
            openUrl(QUrl::fromLocalFile(CleanupLog::folder()));
        else
            m_toast->showMessage(logFolderMissingText(), false, Toast::Warning);
    });

    //: Entry of the app menu
    QAction *about = menu->addAction(named("menu-info"), MenuBarText::tr("About Varnholt"));
    about->setProperty(AppMenu::kTrailingProperty, QStringLiteral(VARNHOLT_VERSION));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    menu->addSeparator();
    // Queued: the menu finishes hiding before the windows are asked to close.
    //: Entry of the app menu
    connect(menu->addAction(named("menu-power"), MenuBarText::tr("Quit Varnholt")), &QAction::triggered, this,
            &MainWindow::quitApplication, Qt::QueuedConnection);
    return menu;
}

void MainWindow::openUrl(const QUrl &url)
{
    if (!QDesktopServices::openUrl(url))
        m_toast->showMessage(noAppCouldOpen(url), false, Toast::Warning);
}

void MainWindow::openAppMenu(const QPoint &globalPos)
{
    AppMenu *menu = buildAppMenu();
    menu->keepInside(this);
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popup(globalPos);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::Quit)
        m_quitting = true;
    // Free space is read again whenever the user comes back to the window:
    // the disk may have filled meanwhile.
    if (watched == this && event->type() == QEvent::WindowActivate && m_state)
        m_state->refreshVolume();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveWindowGeometry();
    event->setAccepted(handleCloseRequest(this, overlayHost(), m_tray, m_quitting,
                                          [this] { quitApplication(); }));
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    Theme::instance()->paintBackdrop(&p, rect());
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, &MainWindow::makeRemainingPages);
    }
}

} // namespace ui
