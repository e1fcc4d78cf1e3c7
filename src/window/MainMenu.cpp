// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainMenu.h"

#include "Controls.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <optional>
#include <span>

namespace {

struct MenuEntry {
    int level; // 1: a menu of the bar; deeper entries belong to the last entry one level up
    const char* objectName;
    QStringView caption;                           // "-" makes a separator
    std::optional<Command> command = std::nullopt; // none for a menu and a separator
    QKeyCombination shortcut = {};
};

// Captions carry no access-key marker, so no letter is underlined.
const MenuEntry Entries[] = {
    {1, "mnuFile", u"Arquivo"},
    {2, "mnuGeneral", u"Emoticons", Command::ShowBrowsePanel, Qt::CTRL | Qt::Key_G},
    {2, "mnuMessengers", u"Messengers"},
    {3, "mnuAOL", u"AOL Instant Messenger", Command::ShowAOLPanel, Qt::CTRL | Qt::Key_A},
    {3, "mnuMSN", u"MSN Messenger Service", Command::ShowMSNPanel, Qt::CTRL | Qt::Key_M},
    {3, "mnuYahoo", u"Yahoo! Messenger", Command::ShowYahooPanel, Qt::CTRL | Qt::Key_Y},
    {2, "mnuSeta5", u"-"},
    {2, "mnuExit", u"Sair", Command::Exit},
    {1, "mnuOptions", u"Opções"},
    {2, "mnuConfig", u"Configurar Sua Própria Lista", Command::ShowOwnListPanel,
     Qt::CTRL | Qt::Key_O},
    {2, "mnuSeta4", u"-"},
    {2, "mnuAlwaysOnTop", u"Sempre Visível", Command::ToggleAlwaysOnTop},
    {1, "mnuHelp", u"Ajuda"},
    {2, "mnuContents", u"Conteúdo", Command::OpenHelp, Qt::CTRL | Qt::Key_F1},
    {2, "mnuFAQ", u"Perguntas Mais Freqüentes", Command::OpenFaq},
    {2, "mnuSeta3", u"-"},
    {2, "mnuNews", u"Notícias", Command::OpenNews},
    {2, "mnuSuggestions", u"Sugestões", Command::OpenSuggestions},
    {2, "mnuSupport", u"Suporte", Command::OpenSupport},
    {2, "mnuSeta2", u"-"},
    {2, "mnuQuillaneHomePage", u"Quillane Home Page", Command::OpenMakerSite},
    {2, "mnuSeta1", u"-"},
    {2, "mnuAbout", u"Sobre Quillane Emoticon...", Command::ShowAbout},
};

} // namespace

MainMenu::MainMenu(QMenuBar* bar)
    : QObject(bar)
{
    // The bar wears the face of the tool strip beneath it.
    Controls::setBackground(bar, Colours::Face);
    // The menu that entries of each level go into; level 1 entries go into the bar.
    QList<QMenu*> openMenus;
    const std::span<const MenuEntry> entries(Entries);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& entry = entries[i];
        const QString name = QString::fromLatin1(entry.objectName);
        openMenus.resize(entry.level - 1);
        const bool hasSubmenu = i + 1 < entries.size() && entries[i + 1].level > entry.level;

        QAction* action = nullptr;
        if (hasSubmenu) {
            auto* menu = openMenus.isEmpty() ? bar->addMenu(entry.caption.toString())
                                             : openMenus.last()->addMenu(entry.caption.toString());
            menu->setObjectName(name);
            openMenus.append(menu);
            action = menu->menuAction();
        } else if (entry.caption == u"-") {
            action = openMenus.last()->addSeparator();
        } else {
            action = openMenus.last()->addAction(entry.caption.toString());
            action->setShortcut(QKeySequence(entry.shortcut));
        }
        action->setObjectName(name);
        if (const std::optional<Command> command = entry.command) {
            m_entries[*command] = action;
            connect(action, &QAction::triggered, this, [this, command] { emit chosen(*command); });
        }
    }
}

QList<QAction*> MainMenu::entriesWithShortcuts() const
{
    QList<QAction*> withShortcuts;
    for (const auto& [command, action] : m_entries) {
        if (!action->shortcut().isEmpty())
            withShortcuts.append(action);
    }
    return withShortcuts;
}
