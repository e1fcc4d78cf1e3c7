// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureButton.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

// The raised edge takes two pixels on every side; the caption keeps one more from the bottom.
constexpr int EdgeWidth = 2;
constexpr int CaptionMargin = 1;

} // namespace

PictureButton::PictureButton(const QString& caption, const Artwork::LazyPixmap& picture,
                             const QColor& face, QWidget* parent)
    : QAbstractButton(parent)
    , m_picture(picture)
    , m_face(face)
{
    setText(caption);
}

QRect PictureButton::inside() const
{
    return rect().adjusted(EdgeWidth, EdgeWidth, -EdgeWidth, -EdgeWidth);
}

QRect PictureButton::captionRect() const
{
    const QRect area = inside();
    const int height = fontMetrics().height();
    return {area.left(), area.bottom() - CaptionMargin - height + 1, area.width(), height};
}

QRect PictureButton::pictureRect() const
{
    const QRect area = inside();
    const QRect above(area.left(), area.top(), area.width(), captionRect().top() - area.top());
    QRect place(QPoint(), m_picture.size());
    place.moveCenter(above.center());
    return place;
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QBrush face(m_face);
    qDrawWinButton(&painter, rect(), QPalette(m_face), isDown(), &face);

    // A pressed button's contents move down and right with its sunken edge.
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    painter.drawPixmap(pictureRect().topLeft() + shift, m_picture.pixmap());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(captionRect().translated(shift), Qt::AlignCenter, text());

    // The classic dotted focus line, which leaves the picture as it is.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(inside().adjusted(1, 1, -2, -2));
    }
}
