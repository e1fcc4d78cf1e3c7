// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MenuShortcutsFirst.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

MenuShortcutsFirst::MenuShortcutsFirst(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

bool MenuShortcutsFirst::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* control = qobject_cast<QWidget*>(watched);
    if (!control || control->window() != m_window)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : m_window->actions()) {
        if (action->shortcut() == pressed) {
            // Not accepted, not delivered: the shortcut takes the key.
            event->ignore();
            return true;
        }
    }
    return false;
}
