// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QSize>
#include <QStringView>
#include <array>

// Where and how large the preview draws, in the twips of the preview box (15 to a pixel).
namespace PreviewGeometry {

// The sizes offered by the size bar, one per position, smallest first.
enum class Size { Small, Medium, Large };

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

constexpr const SizeRow& sizeRow(Size size)
{
    return Sizes[static_cast<std::size_t>(size)];
}

// The drawing font's character cell is twice the preview size, in pixels.
constexpr int cellHeightPixels(int previewSize)
{
    return 2 * previewSize;
}

// The text as written starts a little up and left of the point that would centre it (measured
// in Arial at the preview size) in the box, since the drawing font is the larger.
constexpr QPoint originalViewStart(QSize box, QSize text)
{
    return {box.width() / 2 - text.width() / 2 - 180, box.height() / 2 - text.height() / 2 - 100};
}

} // namespace PreviewGeometry
