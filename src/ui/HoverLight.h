// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <initializer_list>

class QWidget;

// A mark that lights up while the mouse moves over one control and goes out when the mouse moves
// over one of the resting areas around it; moving on to any other control leaves it as it is.
class HoverLight : public QObject {
    Q_OBJECT

public:
    HoverLight(QWidget* hotArea, std::initializer_list<QWidget*> restingAreas, QObject* parent);

signals:
    // Lit over the control, out over a resting area.
    void changed(bool lit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_hotArea;
};
