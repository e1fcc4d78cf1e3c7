// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HoverLight.h"

#include <QEvent>
#include <QWidget>

HoverLight::HoverLight(QWidget* hotArea, std::initializer_list<QWidget*> restingAreas,
                       QObject* parent)
    : QObject(parent)
    , m_hotArea(hotArea)
{
    for (QWidget* area : restingAreas) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }
    m_hotArea->setMouseTracking(true);
    m_hotArea->installEventFilter(this);
}

bool HoverLight::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        emit changed(watched == m_hotArea);
    return false;
}
