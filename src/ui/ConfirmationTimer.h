// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QTimer>
#include <initializer_list>

class QWidget;

// The window's one confirmation timer (tmrTimer): a copy or an own-list change shows its
// confirmation and starts it; 1500 ms later its tick hides every confirmation of the window,
// whichever operation started it, and stops it. Starting it again begins the count anew.
class ConfirmationTimer : public QTimer {
    Q_OBJECT

public:
    explicit ConfirmationTimer(QObject* parent);

    // A control that every tick hides, in the order they were added.
    void addConfirmation(QWidget* control);

    // Shows the controls, in this order, and starts the count.
    void confirm(std::initializer_list<QWidget*> controls);

public slots:
    void tmrTimer_Timer();

private:
    QList<QWidget*> m_confirmations;
};
