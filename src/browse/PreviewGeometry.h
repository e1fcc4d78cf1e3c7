// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QSize>
#include <QStringView>
#include <array>

// Where and how large the preview draws, in the twips of the preview box (15 to a pixel).
namespace PreviewGeometry {

// The sizes offered by the size scroll bar, one per position.
struct SizeRow {
    QStringView caption;
    int points;             // the preview size
    QPoint turnedViewStart; // where the turned text begins
};

inline constexpr std::array<SizeRow, 3> Sizes = {{
    {u"Pequeno", 18, {1650, 500}},
    {u"Médio", 28, {1850, 300}},
    {u"Grande", 36, {2000, 100}},
}};

// The drawing font's character cell is twice the preview size, in pixels.
constexpr int cellHeightPixels(int previewSize)
{
    return 2 * previewSize;
}

// The text as written starts a little up and left of the point that would centre the caption
// (measured at the preview size) in the box, since the drawing font is the larger.
constexpr QPoint originalViewStart(QSize box, QSize caption)
{
    return {box.width() / 2 - caption.width() / 2 - 180,
            box.height() / 2 - caption.height() / 2 - 100};
}

} // namespace PreviewGeometry
