// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainMenu.h"

#include "Controls.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <span>
#include <variant>

namespace {

struct MenuEntry {
    int level; // 1: a menu of the bar; deeper entries belong to the last entry one level up
    const char* objectName;
    // The command the entry gives, which names it; or the title of a menu, or "-" for a
    // separator.
    std::variant<Command, QStringView> gives;
    QKeyCombination shortcut = {};
    // Its check mark holds a choice, which a click flips; whoever keeps the choice watches the
    // entry's toggled signal, so a click gives no command.
    bool checkable = false;
};

const MenuEntry Entries[] = {
    {1, "mnuFile", u"Arquivo"},
    {2, "mnuGeneral", Command::ShowBrowsePanel, Qt::CTRL | Qt::Key_G},
    {2, "mnuMessengers", u"Messengers"},
    {3, "mnuAOL", Command::ShowAOLPanel, Qt::CTRL | Qt::Key_A},
    {3, "mnuMSN", Command::ShowMSNPanel, Qt::CTRL | Qt::Key_M},
    {3, "mnuYahoo", Command::ShowYahooPanel, Qt::CTRL | Qt::Key_Y},
    {2, "mnuSeta5", u"-"},
    {2, "mnuExit", Command::Exit},
    {1, "mnuOptions", u"Opções"},
    {2, "mnuConfig", Command::ShowOwnListPanel, Qt::CTRL | Qt::Key_O},
    {2, "mnuSeta4", u"-"},
    {.level = 2,
     .objectName = "mnuAlwaysOnTop",
     .gives = Command::ToggleAlwaysOnTop,
     .checkable = true},
    {1, "mnuHelp", u"Ajuda"},
    {2, "mnuContents", Command::OpenHelp, Qt::CTRL | Qt::Key_F1},
    {2, "mnuFAQ", Command::OpenFaq},
    {2, "mnuSeta3", u"-"},
    {2, "mnuNews", Command::OpenNews},
    {2, "mnuSuggestions", Command::OpenSuggestions},
    {2, "mnuSupport", Command::OpenSupport},
    {2, "mnuSeta2", u"-"},
    {2, "mnuQuillaneHomePage", Command::OpenMakerSite},
    {2, "mnuSeta1", u"-"},
    {2, "mnuAbout", Command::ShowAbout},
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

        const auto* command = std::get_if<Command>(&entry.gives);
        const QString caption =
            command ? menuCaption(*command) : std::get<QStringView>(entry.gives).toString();
        QAction* action = nullptr;
        if (hasSubmenu) {
            auto* menu =
                openMenus.isEmpty() ? bar->addMenu(caption) : openMenus.last()->addMenu(caption);
            menu->setObjectName(name);
            openMenus.append(menu);
            action = menu->menuAction();
        } else if (caption == u"-") {
            action = openMenus.last()->addSeparator();
        } else {
            action = openMenus.last()->addAction(caption);
            action->setShortcut(QKeySequence(entry.shortcut));
            action->setCheckable(entry.checkable);
        }
        action->setObjectName(name);
        if (!command)
            continue;
        m_entries[*command] = action;
        if (!entry.checkable)
            connect(action, &QAction::triggered, this,
                    [this, given = *command] { emit chosen(given); });
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
