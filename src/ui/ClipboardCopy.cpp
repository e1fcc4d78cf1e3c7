// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClipboardCopy.h"

#include "ConfirmationTimer.h"
#include "Desktop.h"

#include <QClipboard>
#include <QGuiApplication>

ClipboardCopy::ClipboardCopy(Desktop& desktop, ConfirmationTimer& timer)
    : m_desktop(desktop)
    , m_timer(timer)
{
}

void placeOnClipboard(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void ClipboardCopy::copy(const QString& text, std::initializer_list<QWidget*> confirmation)
{
    copy(text);
    m_timer.confirm(confirmation);
}

void ClipboardCopy::copy(const QString& text)
{
    placeOnClipboard(text);
    m_desktop.beep();
}
