// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinkOpener.h"

#include "Desktop.h"

#include <QDir>
#include <QUrl>

LinkOpener::LinkOpener(Desktop& desktop)
    : m_desktop(desktop)
{
}

bool LinkOpener::open(const QString& address)
{
    const QUrl link = QDir::isAbsolutePath(address) ? QUrl::fromLocalFile(address)
                                                    : QUrl(address, QUrl::StrictMode);
    return m_desktop.openLink(link);
}
