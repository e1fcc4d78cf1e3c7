// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QStringList>
#include <QStringView>
#include <cmath>

// A size in points as pixels, at 96 dots per inch.
inline int pixelsOfPoints(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

// A font as the layout names it: face and size in points. The size becomes a pixel size
// (at 96 dots per inch) so that text keeps its proportion to the pixel geometry of the
// controls whatever the screen's font resolution; fontconfig maps the faces to metric-
// compatible ones (Arial to Liberation Sans), or the fallback face takes over.
struct LayoutFont {
    QStringView face;
    double points;
    bool bold = false;
    bool italic = false;
    QStringView fallback = {};

    QFont font() const
    {
        QFont font(face.toString());
        if (!fallback.isEmpty())
            font.setFamilies(QStringList{face.toString(), fallback.toString()});
        font.setPixelSize(pixelsOfPoints(points));
        font.setBold(bold);
        font.setItalic(italic);
        return font;
    }
};

// The faces and sizes the window uses.
namespace Fonts {
inline constexpr LayoutFont Arial{u"Arial", 8.25};
inline constexpr LayoutFont ArialBold{u"Arial", 8.25, true};
inline constexpr LayoutFont ArialItalic{u"Arial", 8.25, false, true};
// A narrow face keeps the tiny captions as short as the bitmap font they were sized for.
inline constexpr LayoutFont SmallFontsBold{u"Small Fonts", 6.75, true, false,
                                           u"Liberation Sans Narrow"};
} // namespace Fonts
