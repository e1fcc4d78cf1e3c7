// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <initializer_list>

class ConfirmationTimer;
class Desktop;
class QWidget;

// Puts text alone on the clipboard, as plain text.
void placeOnClipboard(const QString& text);

// A copy as the user meets it: the text alone on the clipboard, as plain text; the beep; and
// the copy's confirmation, shown until the confirmation timer's tick.
class ClipboardCopy {
public:
    ClipboardCopy(Desktop& desktop, ConfirmationTimer& timer);

    // The copy, confirmed by showing these controls.
    void copy(const QString& text, std::initializer_list<QWidget*> confirmation);
    // The text and the beep alone, for a caller that shows the confirmation itself.
    void copy(const QString& text);

private:
    Desktop& m_desktop;
    ConfirmationTimer& m_timer;
};
