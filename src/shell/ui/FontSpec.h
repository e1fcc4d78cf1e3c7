#pragma once

#include <QFont>
#include <QStringView>
#include <cmath>

// A font as the layout names it: face and size in points. The size becomes a pixel size
// (at 96 dots per inch) so that text keeps its proportion to the pixel geometry of the
// controls whatever the screen's font resolution; fontconfig maps the faces to metric-
// compatible ones (Arial to Liberation Sans).
struct FontSpec {
    QStringView face;
    double points;
    bool bold = false;
    bool italic = false;

    QFont font() const
    {
        QFont font(face.toString());
        font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
        font.setBold(bold);
        font.setItalic(italic);
        return font;
    }
};

// The faces and sizes the window uses.
namespace Fonts {
inline constexpr FontSpec Arial{u"Arial", 8.25};
inline constexpr FontSpec ArialBold{u"Arial", 8.25, true};
inline constexpr FontSpec ArialItalic{u"Arial", 8.25, false, true};
inline constexpr FontSpec SmallFontsBold{u"Small Fonts", 6.75, true};
} // namespace Fonts
