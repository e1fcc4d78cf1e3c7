// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenuBar;

// The menu tree of the main window, built from its table. Entries are found by name.
class MainMenu {
public:
    explicit MainMenu(QMenuBar* bar);

    QAction* entry(const QString& objectName) const { return m_entries.value(objectName); }
    QList<QAction*> entries() const { return m_entries.values(); }

private:
    QHash<QString, QAction*> m_entries;
};
