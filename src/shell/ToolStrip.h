// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The tool strip under the menu bar (CoolBar1): three small toolbars of picture buttons
// side by side, parted by etched lines. Buttons are told apart by their 1-based index
// within their toolbar.
class ToolStrip : public QWidget {
    Q_OBJECT

public:
    explicit ToolStrip(QWidget* parent);

signals:
    void buttonClicked(int toolbar, int index);

protected:
    void paintEvent(QPaintEvent* event) override;
};
