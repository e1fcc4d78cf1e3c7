// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// The clipboard keeper. On X11 a copied text lives in the program that copied it and goes with
// it; Quillane Emoticon starts this small program as it ends, while the clipboard still holds
// the text it put there, so that the text can still be pasted. It reads the text (UTF-8) from
// standard input until its end, puts it on the clipboard as the program did, with Qt's own
// clipboard and so in the same forms, and ends as soon as another program owns the clipboard,
// when the display goes away (Qt ends a program whose X server is gone), or after a day.

#include <QAbstractNativeEventFilter>
#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <unistd.h>
#include <xcb/xproto.h>

namespace {

// Long enough for a copy made one evening to be pasted the next morning; a keeper forgotten on a
// desktop where nobody copies any more does not stay for ever.
constexpr std::chrono::hours KeepAtMost(24);

// Ends the keeper once another program owns the clipboard, the one selection it owns: the X
// server tells the owner that it lost it (SelectionClear). Qt's own clipboard can miss that: it
// passes over the event when the new owner has gone again by the time it looks, and then goes on
// claiming to own the clipboard.
class EndWhenClipboardLost final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (eventType == "xcb_generic_event_t" &&
            (event->response_type & ~0x80) == XCB_SELECTION_CLEAR)
            QCoreApplication::quit();
        return false;
    }
};

QByteArray readStandardInput()
{
    QByteArray bytes;
    char chunk[4096];
    for (;;) {
        const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (count > 0)
            bytes.append(chunk, count);
        else if (count == 0 || errno != EINTR)
            return bytes;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const QString text = QString::fromUtf8(readStandardInput());
    if (text.isEmpty())
        return 0;
    // The X11 clipboard, whatever the session prefers: the program starts a keeper only there.
    qputenv("QT_QPA_PLATFORM", "xcb");
    // No part of the desktop session, which would start it again at the next login.
    qunsetenv("SESSION_MANAGER");
    QGuiApplication application(argc, argv);
    EndWhenClipboardLost endWhenClipboardLost;
    application.installNativeEventFilter(&endWhenClipboardLost);
    QGuiApplication::clipboard()->setText(text);
    QTimer::singleShot(KeepAtMost, &application, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
