// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FixedWindowStyle.h"

#include <QIcon>
#include <QStyleFactory>

FixedWindowStyle::FixedWindowStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QIcon FixedWindowStyle::standardIcon(StandardPixmap picture, const QStyleOption* option,
                                     const QWidget* widget) const
{
    if (picture == SP_ToolBarHorizontalExtensionButton ||
        picture == SP_ToolBarVerticalExtensionButton)
        return {};
    return QProxyStyle::standardIcon(picture, option, widget);
}
