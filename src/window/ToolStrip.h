// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Command.h"

#include <QWidget>

// The tool strip under the menu bar (CoolBar1): three small toolbars of picture buttons side by
// side, parted by etched lines; each button gives its command.
class ToolStrip : public QWidget {
    Q_OBJECT

public:
    explicit ToolStrip(QWidget* parent);

signals:
    void clicked(Command command);

protected:
    void paintEvent(QPaintEvent* event) override;
};
