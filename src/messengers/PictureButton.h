// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Artwork.h"

#include <QAbstractButton>
#include <QColor>

// A push button in graphical style: its picture centred above its caption, on a face of its
// own colour, with the raised edge of a classic button that sinks while it is pressed.
// Captions sit on the bottom edge, so that a row of buttons keeps them on one line whatever
// the height of the pictures.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(const QString& caption, const Artwork::LazyPixmap& picture, const QColor& face,
                  QWidget* parent);

    // Where the caption and the picture are drawn, unpressed.
    QRect captionRect() const;
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect inside() const;

    Artwork::LazyPixmap m_picture; // rendered when the button is first drawn
    QColor m_face;
};
