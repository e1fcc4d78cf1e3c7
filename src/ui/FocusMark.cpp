// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FocusMark.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int Margin = 2;
}

FocusMark::FocusMark(QWidget* control, const QColor& colour)
    : QWidget(control->parentWidget())
    , m_control(control)
    , m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(control->geometry().adjusted(-Margin, -Margin, Margin, Margin));
    hide();
    m_control->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control && event->type() == QEvent::FocusIn)
        show();
    else if (watched == m_control && event->type() == QEvent::FocusOut)
        hide();
    return false;
}

void FocusMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
