// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Controls.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QStringView>
#include <span>

// One emoticon button of a messenger panel. Geometry is in twips, as the panels are designed.
struct CodeButtonRow {
    // Also names its picture: messengers/<objectName>.svg in the artwork.
    const char* objectName;
    QStringView caption;
    QStringView code; // exactly what the button copies
    int row;          // 1-based, from the top
    int x;
    int width;
    QSize picture = {}; // pixels, where it differs from the panel's picture size
};

// One messenger's panel as data; every messenger panel is built from one of these. Places
// are in pixels (converted from twips where the table is written), except the buttons'
// grid, which keeps the twips of its rows.
struct MessengerLayout {
    const char* boxName;
    QColor boxColour;
    PictureRow background; // stretched over the whole box, behind everything
    std::span<const ShapeRow> decoration;
    LabelRow title;

    const char* infoName; // the instruction line
    QRect infoPlace;
    QColor infoField;

    const char* noteName; // the messenger version the codes were tried with
    QStringView note;
    QColor noteColour;
    QRect notePlace;

    const char* copiedCaptionName;
    QRect copiedCaptionPlace;
    const char* copiedIconName;
    QRect copiedIconPlace;

    QColor buttonColour;
    int buttonHeight; // twips
    QSize pictureSize;
    std::span<const int> rowTops; // twips, one per row
    std::span<const CodeButtonRow> buttons;
};
