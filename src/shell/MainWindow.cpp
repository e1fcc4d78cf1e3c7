// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"

#include "AboutBox.h"
#include "Artwork.h"
#include "CategorySelector.h"
#include "ClipboardCopy.h"
#include "ConfirmationTimer.h"
#include "Controls.h"
#include "Desktop.h"
#include "GeneralPanel.h"
#include "MakerAddresses.h"
#include "MenuShortcutsFirst.h"
#include "MessengerLayouts.h"
#include "MessengerPanel.h"
#include "OpenProgram.h"
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

namespace {

using Panel = MainWindow::Panel;

struct FrameRow {
    Panel panel;
    const char* frameName;
    const MessengerLayout* messenger = nullptr;
};

const FrameRow Frames[] = {
    {Panel::General, "fraGeneral"},
    {Panel::Config, "fraConfig"},
    {Panel::AOL, "fraAOL", &MessengerLayouts::AOL},
    {Panel::MSN, "fraMSN", &MessengerLayouts::MSN},
    {Panel::Yahoo, "fraYahoo", &MessengerLayouts::Yahoo},
};

// Menu entries that show a panel.
const std::pair<const char*, Panel> PanelEntries[] = {
    {"mnuGeneral", Panel::General}, {"mnuAOL", Panel::AOL},       {"mnuMSN", Panel::MSN},
    {"mnuYahoo", Panel::Yahoo},     {"mnuConfig", Panel::Config},
};

// Menu entries that open a page of the maker's site.
const std::pair<const char*, QStringView> SiteEntries[] = {
    {"mnuQuillaneHomePage", MakerAddresses::Site},
    {"mnuFAQ", MakerAddresses::Faq},
    {"mnuNews", MakerAddresses::News},
    {"mnuSuggestions", MakerAddresses::Suggestions},
    {"mnuSupport", MakerAddresses::Support},
};

const QRect FramePlace = Twips::rect(0, 360, 7215, 5175);
const QRect BoxPlace = Twips::rect(120, 240, 6975, 4815);
const QSize ClientArea = Twips::size(7215, 5520);

} // namespace

MainWindow::MainWindow(const QString& dataFolder, Desktop& desktop, QWidget* parent)
    : MainWindow(dataFolder, dataFolder, desktop, parent)
{
}

MainWindow::MainWindow(const QString& dataFolder, const QString& userFilesFolder, Desktop& desktop,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_store(dataFolder, userFilesFolder)
    , m_desktop(desktop)
    , m_menu(menuBar())
{
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
    connect(toolStrip, &ToolStrip::buttonClicked, this, [this](int toolbar, int index) {
        if (toolbar == 1)
            Toolbar1_ButtonClick(index);
        else if (toolbar == 2)
            Toolbar2_ButtonClick(index);
        else
            Toolbar3_ButtonClick(index);
    });

    m_confirmationTimer = new ConfirmationTimer(this);
    buildPanels(clientArea);
    connectMenu();
    new MenuShortcutsFirst(this);
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load()
{
    // The data folder and the file channel came with the store.
    setAlwaysOnTop(SettingsFile(m_store).readAlwaysOnTop());
    m_general->preview()->startUp();
    m_general->categories()->choose(WholeCatalogueEntry);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QMainWindow::closeEvent(event);
}

void MainWindow::Form_Unload()
{
    m_store.channel().close();
    // The window closes whatever happens to the file.
    if (const auto failure = SettingsFile(m_store).writeAlwaysOnTop(AlwaysOnTopSetting))
        m_desktop.showError(this, failure->message());
}

void MainWindow::buildPanels(QWidget* clientArea)
{
    for (const FrameRow& row : Frames) {
        auto* panelFrame = new QFrame(clientArea);
        panelFrame->setObjectName(QString::fromLatin1(row.frameName));
        panelFrame->setGeometry(FramePlace);
        panelFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        panelFrame->setVisible(row.panel == Panel::General);
        m_frames[static_cast<std::size_t>(row.panel)] = panelFrame;
    }
    m_general = new GeneralPanel(m_store, m_desktop, *m_confirmationTimer, frame(Panel::General));
    m_general->setGeometry(BoxPlace);

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
    if (m_ownList)
        return;
    for (const FrameRow& row : Frames) {
        if (row.panel == Panel::General)
            continue;
        QWidget* box = nullptr;
        if (row.panel == Panel::Config) {
            box = m_ownList =
                new OwnListPanel(m_store, m_desktop, *m_confirmationTimer, frame(row.panel));
        } else {
            auto* messenger =
                new MessengerPanel(*row.messenger, *m_confirmationTimer, frame(row.panel));
            connect(messenger, &MessengerPanel::codeClicked, this, &MainWindow::cmdMessenger_Click);
            box = m_messengers[row.panel] = messenger;
        }
        box->setGeometry(BoxPlace);
        box->show();
    }
}

void MainWindow::connectMenu()
{
    const auto entry = [this](const char* name) { return m_menu.entry(QString::fromLatin1(name)); };
    for (const auto& [entryName, panel] : PanelEntries)
        connect(entry(entryName), &QAction::triggered, this, [this, panel] { showPanel(panel); });
    for (const auto& [entryName, address] : SiteEntries) {
        connect(entry(entryName), &QAction::triggered, this,
                [this, address] { openLink(address.toString()); });
    }
    connect(entry("mnuContents"), &QAction::triggered, this, [this] { openLink(helpPage()); });
    QAction* alwaysOnTop = entry("mnuAlwaysOnTop");
    alwaysOnTop->setCheckable(true);
    connect(alwaysOnTop, &QAction::triggered, this, &MainWindow::mnuAlwaysOnTop_Click);
    connect(entry("mnuAbout"), &QAction::triggered, this, &MainWindow::mnuAbout_Click);
    connect(entry("mnuExit"), &QAction::triggered, this, &MainWindow::close);

    // Shortcuts work while the menus are closed, too.
    for (QAction* action : m_menu.entries()) {
        if (!action->shortcut().isEmpty())
            addAction(action);
    }
}

void MainWindow::VisibleFalse()
{
    for (const Panel panel : {Panel::General, Panel::MSN, Panel::AOL, Panel::Yahoo, Panel::Config})
        frame(panel)->setVisible(false);
}

void MainWindow::showPanel(Panel panel)
{
    buildHiddenPanels();
    VisibleFalse();
    frame(panel)->setVisible(true);
}

void MainWindow::Toolbar1_ButtonClick(int index)
{
    buildHiddenPanels();
    VisibleFalse();
    if (index == 1) {
        frame(Panel::General)->setVisible(true);
    } else if (index == 2) {
        frame(Panel::Config)->setVisible(true);
        m_ownList->prepare();
    }
    m_ownList->CustomListUpdate();
}

void MainWindow::Toolbar2_ButtonClick(int index)
{
    buildHiddenPanels();
    static constexpr std::array Messengers = {Panel::AOL, Panel::MSN, Panel::Yahoo};
    VisibleFalse();
    if (index >= 1 && index <= int(Messengers.size()))
        frame(Messengers[index - 1])->setVisible(true);
    m_ownList->CustomListUpdate();
}

void MainWindow::cmdMessenger_Click(const QString& code)
{
    CurrentEmoticon = code;
    CopyEmoticon();
}

void MainWindow::CopyEmoticon()
{
    buildHiddenPanels();
    // All three messenger panels confirm: whichever the user switches to before the tick
    // still shows it.
    const MessengerPanel* yahoo = m_messengers.at(Panel::Yahoo);
    const MessengerPanel* aol = m_messengers.at(Panel::AOL);
    const MessengerPanel* msn = m_messengers.at(Panel::MSN);
    ClipboardCopy(m_desktop, *m_confirmationTimer)
        .copy(CurrentEmoticon, {yahoo->copiedIcon(), yahoo->copiedCaption(), aol->copiedIcon(),
                                aol->copiedCaption(), msn->copiedIcon(), msn->copiedCaption()});
}

void MainWindow::Toolbar3_ButtonClick(int index)
{
    if (index == 1)
        openLink(MakerAddresses::Site.toString());
    else if (index == 2)
        openLink(helpPage());
}

void MainWindow::mnuAlwaysOnTop_Click()
{
    // The entry has already changed its check mark; the window and the setting follow it.
    setAlwaysOnTop(m_menu.entry(QStringLiteral("mnuAlwaysOnTop"))->isChecked());
}

void MainWindow::setAlwaysOnTop(bool on)
{
    m_menu.entry(QStringLiteral("mnuAlwaysOnTop"))->setChecked(on);
    AlwaysOnTopSetting = (on ? SettingsFile::On : SettingsFile::Off).toString();
    // Changing the flag hides a shown window; it comes back where it was.
    const bool shown = isVisible();
    const QPoint place = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) {
        move(place);
        show();
    }
}

void MainWindow::mnuAbout_Click()
{
    if (m_about) {
        m_about->raise();
        m_about->activateWindow();
    } else {
        m_about = new AboutBox(OpenProgram(), this);
    }
}

clsOpenProgram& MainWindow::OpenProgram()
{
    if (!m_openProgram)
        m_openProgram = std::make_unique<clsOpenProgram>(m_desktop);
    return *m_openProgram;
}

void MainWindow::openLink(const QString& address)
{
    OpenProgram().ShellExecute(address);
}

QString MainWindow::helpPage() const
{
    return m_store.DataFolder() + QStringLiteral("help") + QDir::separator() +
           QStringLiteral("index-bra.html");
}
