// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Controls.h"

#include "ArtworkLabel.h"
#include "ClickableLabel.h"
#include "EmoticonList.h"
#include "ShapeWidget.h"

#include <QLabel>
#include <QLineEdit>

namespace Controls {

void setColours(QWidget* control, const QColor& text, std::optional<QColor> background)
{
    QPalette palette = control->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    if (background) {
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, *background);
        control->setAutoFillBackground(true);
    }
    control->setPalette(palette);
}

void setBackground(QWidget* container, const QColor& background)
{
    QPalette palette = container->palette();
    palette.setColor(QPalette::Window, background);
    container->setPalette(palette);
    container->setAutoFillBackground(true);
}

namespace {

void setUp(QLabel* label, const LabelRow& row)
{
    label->setObjectName(QString::fromLatin1(row.objectName));
    label->setText(row.text.toString());
    label->setFont(row.font.font());
    label->setAlignment(row.alignment);
    label->setGeometry(row.place);
    setColours(label, row.colour, row.background);
    if (row.bordered)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (!row.description.isEmpty())
        label->setAccessibleDescription(row.description.toString());
}

} // namespace

QLabel* makeLabel(QWidget* parent, const LabelRow& row)
{
    auto* label = new QLabel(parent);
    setUp(label, row);
    return label;
}

ClickableLabel* makeClickableLabel(QWidget* parent, const LabelRow& row)
{
    auto* label = new ClickableLabel(parent);
    setUp(label, row);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

ArtworkLabel* makePicture(QWidget* parent, const PictureRow& row)
{
    auto* picture = new ArtworkLabel(row.artwork, row.place.size(), parent);
    picture->setObjectName(QString::fromLatin1(row.objectName));
    picture->setGeometry(row.place);
    picture->setAccessibleName(row.accessibleName.toString());
    if (row.clickable)
        picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

ShapeWidget* makeShape(QWidget* parent, const ShapeRow& row)
{
    auto* shape =
        new ShapeWidget(row.circle ? ShapeWidget::Form::Circle : ShapeWidget::Form::Rectangle,
                        row.fill, row.border, parent);
    shape->setObjectName(QString::fromLatin1(row.objectName));
    shape->setGeometry(row.place);
    return shape;
}

EmoticonList* makeList(QWidget* parent, const ListRow& row)
{
    auto* list = new EmoticonList(parent);
    list->setObjectName(QString::fromLatin1(row.objectName));
    list->setAccessibleName(row.accessibleName.toString());
    list->setGeometry(row.place);
    list->setFont(Fonts::Arial.font());
    setColours(list, row.text, row.background);
    return list;
}

QLineEdit* makeTextBox(QWidget* parent, const TextBoxRow& row)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(row.objectName));
    box->setGeometry(row.place);
    box->setFont(row.font.font());
    return box;
}

void makeAll(QWidget* parent, const LayoutTables& tables)
{
    for (const ShapeRow& shape : tables.shapes)
        makeShape(parent, shape);
    for (const LabelRow& label : tables.labels)
        makeLabel(parent, label);
    for (const PictureRow& picture : tables.pictures)
        makePicture(parent, picture);
}

} // namespace Controls
