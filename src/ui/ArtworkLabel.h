// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Artwork.h"
#include "ClickableLabel.h"

// A picture of the artwork on a label, rendered when the label is first shown: the pictures
// of panels that are never opened cost nothing at start-up.
class ArtworkLabel : public ClickableLabel {
    Q_OBJECT

public:
    ArtworkLabel(QStringView artwork, QSize size, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Artwork::LazyPixmap m_picture;
};
