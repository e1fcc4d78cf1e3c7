// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainMenu.h"

#include "Controls.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <span>

namespace {

struct MenuEntry {
    int level; // 1: a menu of the bar; deeper entries belong to the last entry one level up
    const char* objectName;
    QStringView caption; // "-" makes a separator
    QKeyCombination shortcut = {};
};

// Captions carry no access-key marker, so no letter is underlined.
const MenuEntry Entries[] = {
    {1, "mnuFile", u"Arquivo"},
    {2, "mnuGeneral", u"Emoticons", Qt::CTRL | Qt::Key_G},
    {2, "mnuMessengers", u"Messengers"},
    {3, "mnuAOL", u"AOL Instant Messenger", Qt::CTRL | Qt::Key_A},
    {3, "mnuMSN", u"MSN Messenger Service", Qt::CTRL | Qt::Key_M},
    {3, "mnuYahoo", u"Yahoo! Messenger", Qt::CTRL | Qt::Key_Y},
    {2, "mnuSeta5", u"-"},
    {2, "mnuExit", u"Sair"},
    {1, "mnuOptions", u"Opções"},
    {2, "mnuConfig", u"Configurar Sua Própria Lista", Qt::CTRL | Qt::Key_O},
    {2, "mnuSeta4", u"-"},
    {2, "mnuAlwaysOnTop", u"Sempre Visível"},
    {1, "mnuHelp", u"Ajuda"},
    {2, "mnuContents", u"Conteúdo", Qt::CTRL | Qt::Key_F1},
    {2, "mnuFAQ", u"Perguntas Mais Freqüentes"},
    {2, "mnuSeta3", u"-"},
    {2, "mnuNews", u"Notícias"},
    {2, "mnuSuggestions", u"Sugestões"},
    {2, "mnuSupport", u"Suporte"},
    {2, "mnuSeta2", u"-"},
    {2, "mnuQuillaneHomePage", u"Quillane Home Page"},
    {2, "mnuSeta1", u"-"},
    {2, "mnuAbout", u"Sobre Quillane Emoticon..."},
};

} // namespace

MainMenu::MainMenu(QMenuBar* bar)
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
        m_entries.insert(name, action);
    }
}
