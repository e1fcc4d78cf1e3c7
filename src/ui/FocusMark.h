// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// A dotted frame around a control while it has the keyboard focus, for a control the style
// draws no focus for (a scroll bar): a keyboard user sees where the keys go.
class FocusMark : public QWidget {
    Q_OBJECT

public:
    FocusMark(QWidget* control, const QColor& colour);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_control;
    QColor m_colour;
};
