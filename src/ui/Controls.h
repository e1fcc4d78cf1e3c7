// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LayoutFont.h"

#include <QColor>
#include <QRect>
#include <QStringView>
#include <optional>
#include <span>

class ArtworkLabel;
class ClickableLabel;
class EmoticonList;
class QLabel;
class QLineEdit;
class QWidget;
class ShapeWidget;

// Rows of the layout tables from which the panels build their controls.

struct LabelRow {
    const char* objectName;
    QStringView text;
    LayoutFont font;
    QColor colour;
    QRect place;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    std::optional<QColor> background = std::nullopt;
    bool bordered = false;
    // Given to labels whose text the program changes: screen readers announce it with the
    // text, where an accessible name would hide the text.
    QStringView description = {};
};

struct PictureRow {
    const char* objectName;
    QStringView artwork; // file name in the artwork, without ".svg"
    QRect place;
    QStringView accessibleName = {}; // given to clickable pictures
    bool clickable = false;
};

struct ListRow {
    const char* objectName;
    QStringView accessibleName;
    QRect place;
    QColor text;
    QColor background;
};

struct TextBoxRow {
    const char* objectName;
    QRect place;
    LayoutFont font = Fonts::Arial;
};

struct ShapeRow {
    const char* objectName;
    QRect place;
    std::optional<QColor> fill;
    std::optional<QColor> border = std::nullopt;
    bool circle = false;
};

// A box's controls that the program never touches again, built in this order: fields at the
// back, then labels, then pictures.
struct LayoutTables {
    std::span<const ShapeRow> shapes = {};
    std::span<const LabelRow> labels = {};
    std::span<const PictureRow> pictures = {};
};

namespace Colours {
inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
// The classic face of menu bars and toolbars, against which etched lines' white halves show.
inline const QColor Face(212, 208, 200);
} // namespace Colours

// Each maker gives back the control it built, for the panel to keep and wire.
namespace Controls {

void makeAll(QWidget* parent, const LayoutTables& tables);

QLabel* makeLabel(QWidget* parent, const LabelRow& row);
// A caption that acts on a click, under a pointing hand.
ClickableLabel* makeClickableLabel(QWidget* parent, const LabelRow& row);
// Clickable rows wear a pointing hand.
ArtworkLabel* makePicture(QWidget* parent, const PictureRow& row);
ShapeWidget* makeShape(QWidget* parent, const ShapeRow& row);
EmoticonList* makeList(QWidget* parent, const ListRow& row);
QLineEdit* makeTextBox(QWidget* parent, const TextBoxRow& row);

// A control's colours: text (and border) on an optional background.
void setColours(QWidget* control, const QColor& text, std::optional<QColor> background);

// A container's background; its children keep their own colours.
void setBackground(QWidget* container, const QColor& background);

} // namespace Controls
