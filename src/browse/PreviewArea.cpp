// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PreviewArea.h"

#include <QPainter>

namespace {
const QColor Navy(0, 0, 128);
const QColor White(255, 255, 255);
} // namespace

PreviewArea::PreviewArea(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Visualização do emoticon"));
}

void PreviewArea::clear()
{
    const qreal ratio = devicePixelRatioF();
    m_canvas = QPixmap(size() * ratio);
    m_canvas.setDevicePixelRatio(ratio);
    m_canvas.fill(Navy);
    update();
}

void PreviewArea::drawText(QPointF cellTopLeft, const QFont& font, qreal degrees,
                           const QString& text)
{
    QPainter painter(&m_canvas);
    painter.setPen(White);
    painter.setFont(font);
    painter.translate(cellTopLeft);
    // Counter-clockwise on the screen, whose y axis points down.
    painter.rotate(-degrees);
    painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), text);
    update();
}

void PreviewArea::resizeEvent(QResizeEvent*)
{
    clear();
}

void PreviewArea::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, m_canvas);
}
