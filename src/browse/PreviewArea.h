// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// The preview box: keeps what is drawn into it, across repaints of the window, until it is
// cleared. It draws in white on navy.
class PreviewArea : public QWidget {
    Q_OBJECT

public:
    explicit PreviewArea(QWidget* parent);

    // Empties the box.
    void clear();

    // Draws text with its character cell's top-left corner at cellTopLeft (pixels), turned
    // counter-clockwise by degrees about that corner; what falls outside the box is cut off.
    void drawText(QPointF cellTopLeft, const QFont& font, qreal degrees, const QString& text);

    // What the box holds, without the controls that lie on it.
    QImage drawing() const { return m_canvas.toImage(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap m_canvas;
};
