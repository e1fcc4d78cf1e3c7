// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Command.h"

#include <QList>
#include <QObject>
#include <map>

class QAction;
class QMenuBar;

// The menu tree of the main window, built from its table, each entry with the command it gives.
// "Sempre Visível" is checkable: its check mark is the always-on-top choice, and a click flips
// it without giving its command.
class MainMenu : public QObject {
    Q_OBJECT

public:
    explicit MainMenu(QMenuBar* bar);

    QAction* entry(Command command) const { return m_entries.at(command); }
    // The entries with a shortcut, which the window carries so that they act while the menus
    // are closed too.
    QList<QAction*> entriesWithShortcuts() const;

signals:
    void chosen(Command command);

private:
    std::map<Command, QAction*> m_entries;
};
