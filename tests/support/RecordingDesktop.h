// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Desktop.h"

#include <QList>
#include <QMetaEnum>
#include <functional>
#include <utility>

// A desktop that records instead of acting: no sound, no dialog, no browser. Message boxes
// answer with the answer set beforehand (OK when none was set); a test may look at the window
// while one is open.
class RecordingDesktop final : public Desktop {
public:
    void beep() override { ++beeps; }
    QMessageBox::StandardButton showMessage(QWidget*, const Message& message) override
    {
        if (whileShown)
            whileShown();
        messages.append(message);
        return std::exchange(nextAnswer, QMessageBox::Ok);
    }
    bool openLink(const QUrl& link) override
    {
        links.append(link);
        return linksOpen;
    }

    // The "Erro" box that reports text.
    static Message error(const QString& text)
    {
        return {QStringLiteral("Erro"), text, QMessageBox::Warning, QMessageBox::Ok};
    }

    int beeps = 0;
    QList<Message> messages;
    QList<QUrl> links;
    bool linksOpen = true; // whether the desktop finds a program for a link
    QMessageBox::StandardButton nextAnswer = QMessageBox::Ok;
    std::function<void()> whileShown;
};

// How QCOMPARE shows a message box that differs from the one expected.
inline char* toString(const Desktop::Message& message)
{
    const QByteArray icon = QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(message.icon);
    const QByteArray buttons =
        QMetaEnum::fromType<QMessageBox::StandardButtons>().valueToKeys(message.buttons.toInt());
    return qstrdup(("\"" + message.title.toUtf8() + "\" (" + icon + ", " + buttons + "): \"" +
                    message.text.toUtf8() + '"')
                       .constData());
}
