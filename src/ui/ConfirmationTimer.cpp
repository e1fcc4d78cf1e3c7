// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConfirmationTimer.h"

#include <QWidget>

ConfirmationTimer::ConfirmationTimer(QObject* parent)
    : QTimer(parent)
{
    setObjectName(QStringLiteral("tmrTimer"));
    setInterval(1500);
    connect(this, &QTimer::timeout, this, &ConfirmationTimer::tmrTimer_Timer);
}

void ConfirmationTimer::addConfirmation(QWidget* control)
{
    control->hide();
    m_confirmations.append(control);
}

void ConfirmationTimer::confirm(std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        control->show();
    start();
}

void ConfirmationTimer::tmrTimer_Timer()
{
    for (QWidget* control : std::as_const(m_confirmations))
        control->hide();
    stop();
}
