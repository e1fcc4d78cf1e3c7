#include "Controls.h"

#include "Artwork.h"
#include "ClickableLabel.h"
#include "ShapeWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

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

QLabel* makeLabel(QWidget* parent, const LabelSpec& spec)
{
    QLabel* label = spec.clickable ? new ClickableLabel(parent) : new QLabel(parent);
    label->setObjectName(QString::fromLatin1(spec.objectName));
    label->setText(spec.text.toString());
    label->setFont(spec.font.font());
    label->setAlignment(spec.alignment);
    label->setGeometry(spec.place);
    setColours(label, spec.colour, spec.background);
    if (spec.bordered)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (!spec.description.isEmpty())
        label->setAccessibleDescription(spec.description.toString());
    return label;
}

QLabel* makePicture(QWidget* parent, const PictureSpec& spec)
{
    QLabel* picture = spec.clickable ? new ClickableLabel(parent) : new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(spec.objectName));
    picture->setGeometry(spec.place);
    picture->setPixmap(Artwork::pixmap(spec.artwork, spec.place.size()));
    picture->setAccessibleName(spec.accessibleName.toString());
    if (spec.clickable)
        picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

ShapeWidget* makeShape(QWidget* parent, const ShapeSpec& spec)
{
    auto* shape =
        new ShapeWidget(spec.ellipse ? ShapeWidget::Form::Ellipse : ShapeWidget::Form::Rectangle,
                        spec.fill, spec.border, parent);
    shape->setObjectName(QString::fromLatin1(spec.objectName));
    shape->setGeometry(spec.place);
    return shape;
}

QListWidget* makeList(QWidget* parent, const ListSpec& spec)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(spec.objectName));
    list->setAccessibleName(spec.accessibleName.toString());
    list->setGeometry(spec.place);
    list->setFont(Fonts::Arial.font());
    list->setUniformItemSizes(true);
    // Entries carry trailing blanks up to the field width; they must not make the list
    // scroll sideways.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColours(list, spec.text, spec.background);
    return list;
}

QLineEdit* makeTextBox(QWidget* parent, const TextBoxSpec& spec)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(spec.objectName));
    box->setGeometry(spec.place);
    box->setFont(spec.font.font());
    return box;
}

void makeAll(QWidget* parent, const LayoutTables& tables)
{
    for (const ShapeSpec& shape : tables.shapes)
        makeShape(parent, shape);
    for (const LabelSpec& label : tables.labels)
        makeLabel(parent, label);
    for (const PictureSpec& picture : tables.pictures)
        makePicture(parent, picture);
}

} // namespace Controls
