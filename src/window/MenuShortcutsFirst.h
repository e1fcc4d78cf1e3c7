// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

// Lets the window's menu shortcuts act whichever of its controls has the focus. A text box
// claims keys such as Ctrl+A (select all) and Ctrl+Y (redo) before any shortcut sees them;
// for the keys the window's own actions carry, this hands them back to the shortcut.
class MenuShortcutsFirst : public QObject {
    Q_OBJECT

public:
    // Watches the events of the whole application, for the controls of window.
    explicit MenuShortcutsFirst(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};
