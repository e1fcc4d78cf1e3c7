// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArtworkLabel.h"

ArtworkLabel::ArtworkLabel(QStringView artwork, QSize size, QWidget* parent)
    : ClickableLabel(parent)
    , m_picture(artwork, size)
{
}

void ArtworkLabel::showEvent(QShowEvent* event)
{
    if (pixmap().isNull())
        setPixmap(m_picture.pixmap());
    ClickableLabel::showEvent(event);
}
