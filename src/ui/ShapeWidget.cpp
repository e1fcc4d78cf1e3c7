// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ShapeWidget.h"

#include <QPainter>
#include <algorithm>

ShapeWidget::ShapeWidget(Form form, std::optional<QColor> fill, std::optional<QColor> border,
                         QWidget* parent)
    : QWidget(parent)
    , m_form(form)
    , m_fill(fill)
    , m_border(border)
{
    // A figure only draws; mouse events go to whatever lies beneath it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setFillColour(const QColor& fill)
{
    m_fill = fill;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_form == Form::Circle);
    painter.setPen(m_border ? QPen(*m_border, 1) : QPen(Qt::NoPen));
    painter.setBrush(m_fill ? QBrush(*m_fill) : QBrush(Qt::NoBrush));
    QRectF area(rect());
    if (m_form == Form::Circle) {
        const qreal side = std::min(area.width(), area.height());
        area.setSize({side, side});
        area.moveCenter(QRectF(rect()).center());
    }
    // Keep a one-pixel border inside the widget.
    if (m_border)
        area.adjust(0.5, 0.5, -0.5, -0.5);
    if (m_form == Form::Circle)
        painter.drawEllipse(area);
    else
        painter.drawRect(area);
}
