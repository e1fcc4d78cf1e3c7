// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

// The window's geometry is designed in twips (1/1440 inch); at 96 dots per inch 15 twips
// make one logical pixel. Every conversion goes through here.
namespace Twips {

inline constexpr int PerPixel = 15;

// Rounded to the nearest pixel.
constexpr int toPixels(int twips)
{
    return (2 * twips + PerPixel) / (2 * PerPixel);
}

constexpr QPoint point(int x, int y)
{
    return {toPixels(x), toPixels(y)};
}

constexpr QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

constexpr QRect rect(int x, int y, int width, int height)
{
    return {point(x, y), size(width, height)};
}

// A place in twips as an exact place in pixels, for drawing.
constexpr QPointF pointF(QPoint twips)
{
    return QPointF(twips) / PerPixel;
}

// A size in pixels, as twips.
constexpr QSize fromPixels(QSize pixels)
{
    return pixels * PerPixel;
}

} // namespace Twips
