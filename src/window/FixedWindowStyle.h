// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

// Fusion, the program's one look on every desktop (the layout is drawn to the pixel), without
// the pictures of the menu bar's and the toolbars' overflow arrows: in the fixed-size window
// they never show, yet loading them was a measurable part of start-up.
class FixedWindowStyle : public QProxyStyle {
    Q_OBJECT

public:
    FixedWindowStyle();

    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option,
                       const QWidget* widget) const override;
};
