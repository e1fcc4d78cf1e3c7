// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "AboutBox.h"
#include "Artwork.h"
#include "Categories.h"
#include "ClipboardCopy.h"
#include "ConfirmationTimer.h"
#include "Controls.h"
#include "Desktop.h"
#include "GeneralPanel.h"
#include "LinkOpener.h"
#include "MainMenu.h"
#include "MakerAddresses.h"
#include "MenuShortcutsFirst.h"
#include "MessengerLayouts.h"
#include "MessengerPanel.h"
#include "OwnListPanel.h"
#include "SettingsFile.h"
#include "ToolStrip.h"
#include "Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <optional>

namespace {

using Panel = MainWindow::Panel;

struct PanelRow {
    Panel panel;
    const char* frameName;
    Command shownBy;
    const MessengerLayout* messenger = nullptr;
};

const PanelRow Panels[] = {
    {Panel::Browse, "fraGeneral", Command::ShowBrowsePanel},
    {Panel::OwnList, "fraConfig", Command::ShowOwnListPanel},
    {Panel::AOL, "fraAOL", Command::ShowAOLPanel, &MessengerLayouts::AOL},
    {Panel::MSN, "fraMSN", Command::ShowMSNPanel, &MessengerLayouts::MSN},
    {Panel::Yahoo, "fraYahoo", Command::ShowYahooPanel, &MessengerLayouts::Yahoo},
};

std::optional<Panel> panelShownBy(Command command)
{
    const auto row = std::ranges::find(Panels, command, &PanelRow::shownBy);
    return row == std::end(Panels) ? std::nullopt : std::optional(row->panel);
}

const QRect FramePlace = Twips::rect(0, 360, 7215, 5175);
const QRect BoxPlace = Twips::rect(120, 240, 6975, 4815);
const QSize ClientArea = Twips::size(7215, 5520);

} // namespace

MainWindow::MainWindow(const QString& programFolder, Desktop& desktop, QWidget* parent)
    : MainWindow(programFolder, programFolder, desktop, parent)
{
}

MainWindow::MainWindow(const QString& programFolder, const QString& userFilesFolder,
                       Desktop& desktop, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_store(programFolder, userFilesFolder)
    , m_desktop(desktop)
    , m_menu(new MainMenu(menuBar()))
{
    // The window opens on the whole catalogue: read it while the window is built.
    m_store.readAhead(m_store.sourceOf(*categoryWithEntry(WholeCatalogueEntry)));
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ApplicationTitle.toString());
    // The small picture of the toolbar set stands in for the program icon at 16 pixels; the
    // icon itself comes at the sizes the build renders it.
    QIcon icon(Artwork::pixmap(u"toolbar-program", QSize(16, 16)));
    for (const int side : {32, 64})
        icon.addPixmap(Artwork::pixmap(u"program-icon", QSize(side, side)));
    setWindowIcon(icon);

    auto* clientArea = new QWidget(this);
    clientArea->setFixedSize(ClientArea);
    Controls::setBackground(clientArea, QColor(64, 64, 64));
    setCentralWidget(clientArea);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto* toolStrip = new ToolStrip(clientArea);
    connect(toolStrip, &ToolStrip::clicked, this, &MainWindow::toolbarButtonClicked);
    connect(m_menu, &MainMenu::chosen, this, &MainWindow::run);
    connect(alwaysOnTop(), &QAction::toggled, this, &MainWindow::keepOnTop);
    // Shortcuts work while the menus are closed, too.
    addActions(m_menu->entriesWithShortcuts());
    new MenuShortcutsFirst(this);

    m_confirmationTimer = new ConfirmationTimer(this);
    buildPanels(clientArea);
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load()
{
    // The data folder came with the store.
    const SettingsFile::Choice saved = SettingsFile(m_store).readAlwaysOnTop();
    if (saved.failure)
        m_desktop.showError(this, saved.failure->message());
    alwaysOnTop()->setChecked(saved.alwaysOnTop);
    content<GeneralPanel>(Panel::Browse)->startUp();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void MainWindow::Form_Unload()
{
    // The window closes whatever happens to the file.
    if (const auto failure = SettingsFile(m_store).writeAlwaysOnTop(alwaysOnTop()->isChecked()))
        m_desktop.showError(this, failure->message());
}

void MainWindow::buildPanels(QWidget* clientArea)
{
    for (const PanelRow& row : Panels) {
        auto* panelFrame = new QFrame(clientArea);
        panelFrame->setObjectName(QString::fromLatin1(row.frameName));
        panelFrame->setGeometry(FramePlace);
        panelFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        const bool shownAtStart = row.panel == Panel::Browse;
        panelFrame->setVisible(shownAtStart);
        m_panels.push_back({row.panel, panelFrame});
        if (shownAtStart)
            m_panels.back().content = buildPanel(row.panel, panelFrame);
    }

    // The panels the window opens without come right after its first frame, so that it shows
    // sooner; anything that needs one sooner builds them at once.
    clientArea->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &MainWindow::buildHiddenPanels);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::buildHiddenPanels()
{
    for (PanelSlot& slot : m_panels) {
        if (slot.content)
            continue;
        slot.content = buildPanel(slot.panel, slot.frame);
        slot.content->show();
    }
}

QWidget* MainWindow::buildPanel(Panel panel, QFrame* frame)
{
    QWidget* built = nullptr;
    if (panel == Panel::Browse) {
        built = new GeneralPanel(m_store, m_desktop, *m_confirmationTimer, frame);
    } else if (panel == Panel::OwnList) {
        built = new OwnListPanel(m_store, m_desktop, *m_confirmationTimer, frame);
    } else {
        const MessengerLayout& layout =
            *std::ranges::find(Panels, panel, &PanelRow::panel)->messenger;
        auto* messenger = new MessengerPanel(layout, *m_confirmationTimer, frame);
        connect(messenger, &MessengerPanel::codeClicked, this, &MainWindow::copyMessengerCode);
        built = messenger;
    }
    built->setGeometry(BoxPlace);
    return built;
}

void MainWindow::run(Command command)
{
    switch (command) {
    case Command::ShowBrowsePanel:
    case Command::ShowOwnListPanel:
    case Command::ShowAOLPanel:
    case Command::ShowMSNPanel:
    case Command::ShowYahooPanel:
        return showPanel(panelShownBy(command).value());
    case Command::OpenHelp:
        return openLink(helpPage());
    case Command::OpenMakerSite:
        return openLink(MakerAddresses::Site.toString());
    case Command::OpenFaq:
        return openLink(MakerAddresses::Faq.toString());
    case Command::OpenNews:
        return openLink(MakerAddresses::News.toString());
    case Command::OpenSuggestions:
        return openLink(MakerAddresses::Suggestions.toString());
    case Command::OpenSupport:
        return openLink(MakerAddresses::Support.toString());
    case Command::ToggleAlwaysOnTop:
        return mnuAlwaysOnTop_Click();
    case Command::ShowAbout:
        return mnuAbout_Click();
    case Command::Exit:
        close();
        return;
    }
}

void MainWindow::toolbarButtonClicked(Command command)
{
    run(command);
    // The panel buttons also read the own list again, and its own button readies the editor
    // first; the link buttons leave the panels as they are.
    if (!panelShownBy(command))
        return;
    auto* ownList = content<OwnListPanel>(Panel::OwnList);
    if (command == Command::ShowOwnListPanel)
        ownList->prepare();
    ownList->refreshOwnList();
}

void MainWindow::hideAllPanels()
{
    for (const PanelSlot& slot : m_panels)
        slot.frame->setVisible(false);
}

void MainWindow::showPanel(Panel panel)
{
    buildHiddenPanels();
    hideAllPanels();
    slotOf(panel).frame->setVisible(true);
}

void MainWindow::copyMessengerCode(const QString& code)
{
    ClipboardCopy(m_desktop, *m_confirmationTimer).copy(code);
    // Every messenger panel confirms: whichever the user switches to before the tick still
    // shows it.
    for (const PanelSlot& slot : m_panels) {
        if (auto* messenger = qobject_cast<MessengerPanel*>(slot.content))
            messenger->showCopied();
    }
}

const MainWindow::PanelSlot& MainWindow::slotOf(Panel panel) const
{
    return *std::ranges::find(m_panels, panel, &PanelSlot::panel);
}

void MainWindow::mnuAlwaysOnTop_Click()
{
    alwaysOnTop()->toggle();
}

QAction* MainWindow::alwaysOnTop() const
{
    return m_menu->entry(Command::ToggleAlwaysOnTop);
}

void MainWindow::keepOnTop(bool on)
{
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
    if (QWindow* shown = windowHandle()) {
        // A window that exists changes its layer in place: the window system is asked (on X11
        // through _NET_WM_STATE), where QWidget::setWindowFlags would re-create the window,
        // which flashes it off the screen and takes the keyboard focus away.
        overrideWindowFlags(flags);
        shown->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

void MainWindow::mnuAbout_Click()
{
    if (m_about) {
        m_about->raise();
        m_about->activateWindow();
        return;
    }
    m_about = new AboutBox(linkOpener(), this);
}

LinkOpener& MainWindow::linkOpener()
{
    if (!m_linkOpener)
        m_linkOpener = std::make_unique<LinkOpener>(m_desktop);
    return *m_linkOpener;
}

void MainWindow::openLink(const QString& address)
{
    linkOpener().open(address);
}

QString MainWindow::helpPage() const
{
    return m_store.programFolder() + QStringLiteral("help") + QDir::separator() +
           QStringLiteral("index-bra.html");
}
