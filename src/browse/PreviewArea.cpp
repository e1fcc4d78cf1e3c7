#include "PreviewArea.h"

#include <QPainter>

namespace {
const QColor Navy(0, 0, 128);
}

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

void PreviewArea::resizeEvent(QResizeEvent*)
{
    clear();
}

void PreviewArea::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, m_canvas);
}
