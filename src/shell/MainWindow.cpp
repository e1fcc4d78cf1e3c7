#include "MainWindow.h"

#include "Artwork.h"
#include "CategorySelector.h"
#include "ClipboardCopy.h"
#include "ConfirmationTimer.h"
#include "Controls.h"
#include "Desktop.h"
#include "GeneralPanel.h"
#include "MenuShortcutsFirst.h"
#include "MessengerLayouts.h"
#include "MessengerPanel.h"
#include "OwnListPanel.h"
#include "ToolStrip.h"
#include "Twips.h"

#include <QAction>
#include <QFrame>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>

namespace {

using Panel = MainWindow::Panel;

struct FrameSpec {
    Panel panel;
    const char* frameName;
    const MessengerLayout* messenger = nullptr;
};

const FrameSpec Frames[] = {
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

const QRect FramePlace = Twips::rect(0, 360, 7215, 5175);
const QRect BoxPlace = Twips::rect(120, 240, 6975, 4815);
const QSize ClientArea = Twips::size(7215, 5520);

} // namespace

MainWindow::MainWindow(const QString& dataFolder, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_store(dataFolder)
    , m_desktop(desktop)
    , m_menu(menuBar())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ApplicationTitle.toString());
    // The small picture of the toolbar set stands in for the program icon at 16 pixels.
    QIcon icon(Artwork::pixmap(u"toolbar-program", QSize(16, 16)));
    for (const int side : {32, 48})
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
    });

    m_confirmationTimer = new ConfirmationTimer(this);
    buildPanels(clientArea);
    connectMenu();
    new MenuShortcutsFirst(this);

    m_general->preview()->startUp();
    m_general->categories()->choose(WholeCatalogueEntry);
}

void MainWindow::buildPanels(QWidget* clientArea)
{
    for (const FrameSpec& row : Frames) {
        auto* panelFrame = new QFrame(clientArea);
        panelFrame->setObjectName(QString::fromLatin1(row.frameName));
        panelFrame->setGeometry(FramePlace);
        panelFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        panelFrame->setVisible(row.panel == Panel::General);
        m_frames[static_cast<std::size_t>(row.panel)] = panelFrame;

        QWidget* box = nullptr;
        if (row.panel == Panel::General) {
            box = m_general =
                new GeneralPanel(m_store, m_desktop, *m_confirmationTimer, panelFrame);
        } else if (row.panel == Panel::Config) {
            box = m_ownList =
                new OwnListPanel(m_store, m_desktop, *m_confirmationTimer, panelFrame);
        } else {
            auto* messenger = new MessengerPanel(*row.messenger, *m_confirmationTimer, panelFrame);
            connect(messenger, &MessengerPanel::codeClicked, this, &MainWindow::cmdMessenger_Click);
            box = m_messengers[row.panel] = messenger;
        }
        box->setGeometry(BoxPlace);
    }
}

void MainWindow::connectMenu()
{
    for (const auto& [entryName, panel] : PanelEntries) {
        QAction* entry = m_menu.entry(QString::fromLatin1(entryName));
        // Shortcuts work while the menus are closed, too.
        addAction(entry);
        connect(entry, &QAction::triggered, this, [this, panel = panel] { showPanel(panel); });
    }
    connect(m_menu.entry(QStringLiteral("mnuExit")), &QAction::triggered, this, &MainWindow::close);
}

void MainWindow::VisibleFalse()
{
    for (const Panel panel : {Panel::General, Panel::MSN, Panel::AOL, Panel::Yahoo, Panel::Config})
        frame(panel)->setVisible(false);
}

void MainWindow::showPanel(Panel panel)
{
    VisibleFalse();
    frame(panel)->setVisible(true);
}

void MainWindow::Toolbar1_ButtonClick(int index)
{
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
    // All three messenger panels confirm: whichever the user switches to before the tick
    // still shows it.
    const MessengerPanel* yahoo = m_messengers.at(Panel::Yahoo);
    const MessengerPanel* aol = m_messengers.at(Panel::AOL);
    const MessengerPanel* msn = m_messengers.at(Panel::MSN);
    ClipboardCopy(m_desktop, *m_confirmationTimer)
        .copy(CurrentEmoticon, {yahoo->copiedIcon(), yahoo->copiedCaption(), aol->copiedIcon(),
                                aol->copiedCaption(), msn->copiedIcon(), msn->copiedCaption()});
}
