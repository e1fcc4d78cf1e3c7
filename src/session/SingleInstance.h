// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <system_error>

class QSocketNotifier;

// One running program per set of user files (the own list and the settings), so that two
// copies never write the same ones; copies with files of their own (the tests' among them)
// stay independent. The first start takes a lock file and listens on a local socket beside
// it, both in a runtime folder of the user's alone. A later start finds the lock taken, asks
// the running program to bring its window forward, and ends; a program that is closing no
// longer answers, and the later start waits for the lock instead. Only the user's own programs
// are heard or told a start's token. The kernel holds the lock for the process and drops it
// when the process ends, however it ends, so a crash never blocks the next start, and taking
// it syncs nothing to disk.
//
// The socket is the system's own rather than Qt Network's: that library and the Kerberos and
// proxy libraries it brings would add 1.7 ms to every start, for one line of text.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Start {
        Run,        // this process runs the program
        HandedOver, // the running program was asked to show itself
        Unanswered, // a program holds the lock but does not answer
    };

    explicit SingleInstance(const QString& userFilesFolder, QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // activationToken is what the desktop gave this start to bring a window forward with
    // (Wayland's XDG_ACTIVATION_TOKEN); it is handed to the running program.
    Start claim(const QByteArray& activationToken);

    // From the moment the program begins to close, later starts are no longer answered: they
    // wait for the lock, which this process keeps until it ends.
    void stopAnswering();

signals:
    // A later start asked for the window, with the token it was launched with (or none).
    void activationRequested(const QByteArray& activationToken);

private:
    enum class Lock { Taken, Held, Unavailable };
    Lock tryLock();
    std::error_code listen();
    void answerCaller();
    enum class HandOver { Done, NoSocket, NoAnswer };
    HandOver handOver(const QByteArray& activationToken) const;

    QByteArray m_socketPath; // empty when there is no private folder to keep it in
    int m_lockDescriptor = -1;
    int m_listener = -1;
    QSocketNotifier* m_incoming = nullptr; // also the parent of the callers not answered yet
};
