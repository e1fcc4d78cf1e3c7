// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

// Every way the program is told to end runs its one shut-down, closing the window, which writes
// the settings. The close box and "Sair" close it themselves; SIGTERM (a kill, the system
// ending the session), SIGINT (Ctrl+C in a terminal), SIGHUP (the terminal gone) and the end of
// the desktop session (the session manager asking the program to save its work, or anything
// that ends the event loop) close every window too, a modal box first, as if it were answered
// "Não" or "OK". A signal the program was started with ignored (nohup, a script's background
// job) stays ignored: whoever started it meant it to go on.
class ShutDown : public QObject {
    Q_OBJECT

public:
    explicit ShutDown(QWidget& window);
    ~ShutDown() override;
    ShutDown(const ShutDown&) = delete;
    ShutDown& operator=(const ShutDown&) = delete;

signals:
    // The window has begun to close, however it was asked to.
    void begun();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeEveryWindow();
    void catchSignals();

    bool m_begun = false;
    int m_signalPipe[2] = {-1, -1};
    QSocketNotifier* m_signalArrived = nullptr;
};
