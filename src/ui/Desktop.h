// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringView>
#include <QUrl>

class QWidget;

// The title of the window, and of every message box that names none of its own.
inline constexpr QStringView ApplicationTitle = u"Quillane Emoticon";

// What the program asks of the desktop beyond its own window: the beep, modal messages and
// opening links. The window is handed one; tests hand it a recording fake, so that nothing
// blocks and no browser starts.
class Desktop {
public:
    struct Message {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;

        bool operator==(const Message&) const = default;
    };

    virtual ~Desktop() = default;

    virtual void beep() = 0;
    // Shows a modal message box over parent; returns the button the user pressed.
    virtual QMessageBox::StandardButton showMessage(QWidget* parent, const Message& message) = 0;
    // Hands a web address, mail link or local file to the program the desktop opens it with,
    // without waiting for it; false when nothing could open it.
    virtual bool openLink(const QUrl& link) = 0;

    // A refusal or failure: the modal box titled "Erro", with the exclamation icon and OK.
    void showError(QWidget* parent, const QString& text)
    {
        showMessage(parent, {QStringLiteral("Erro"), text, QMessageBox::Warning, QMessageBox::Ok});
    }
};

// The real desktop: the system beep and Qt's message boxes, with Portuguese buttons whatever
// the system's language.
class SystemDesktop final : public Desktop {
public:
    void beep() override;
    QMessageBox::StandardButton showMessage(QWidget* parent, const Message& message) override;
    bool openLink(const QUrl& link) override;
};
