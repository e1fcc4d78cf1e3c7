// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GeneralPanel.h"

#include "CategorySelector.h"
#include "ClickableLabel.h"
#include "Controls.h"
#include "CopyCaption.h"
#include "EmoticonList.h"
#include "EmoticonSelection.h"
#include "PreviewArea.h"
#include "ShapeWidget.h"
#include "Twips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

using Colours::White;
const QColor Navy(0, 0, 64);
const QColor FieldFill(36, 36, 36);
const QColor FieldBorder(96, 96, 96);

// Decorative fields behind the groups of controls.
const ShapeRow Fields[] = {
    {"Shape2", Twips::rect(240, 975, 3255, 1875), FieldFill, FieldBorder},
    {"Shape8", Twips::rect(240, 2850, 3255, 315), FieldFill, FieldBorder},
    {"Shape9", Twips::rect(240, 3195, 3255, 840), FieldFill, FieldBorder},
    {"Shape4", Twips::rect(3510, 975, 3045, 3255), QColor(0, 0, 48), QColor(64, 64, 160)},
    {"Shape5", Twips::rect(3510, 4260, 3045, 390), FieldFill, FieldBorder},
};

const LabelRow Labels[] = {
    {.objectName = "lblGeneralSelectAnEmoticon",
     .text = u"SELECIONE UM EMOTICON",
     .font = Fonts::ArialBold,
     .colour = White,
     .place = Twips::rect(360, 1080, 3015, 240),
     .alignment = Qt::AlignCenter,
     .background = QColor(128, 128, 128),
     .bordered = true},
    {"lblGeneralSearch", u"Procura:", Fonts::ArialBold, White, Twips::rect(360, 2880, 780, 240),
     Qt::AlignRight | Qt::AlignVCenter},
    {"lblGeneralCategory", u"Categoria:", Fonts::ArialBold, White,
     Twips::rect(480, 3240, 1545, 240), Qt::AlignCenter},
    {.objectName = "lblGeneralEmoticonsNum",
     .text = u"x",
     .font = {u"Arial", 12, true},
     .colour = QColor(0, 192, 0),
     .place = Twips::rect(2160, 3270, 1215, 390),
     .alignment = Qt::AlignCenter,
     .description = u"Número de emoticons na lista"},
    {"lblGeneralEmoticons", u"EMOTICONS", Fonts::Arial, White, Twips::rect(2160, 3660, 1215, 240),
     Qt::AlignCenter},
    {"lblGeneralCopied", u"COPIADO", Fonts::ArialBold, QColor(255, 255, 128),
     Twips::rect(1020, 4260, 1200, 240)},
    {.objectName = "lblGeneralRepresetation",
     .text = u"REPRESENTAÇÃO",
     .font = Fonts::ArialBold,
     .colour = White,
     .place = Twips::rect(3630, 1200, 2800, 240),
     .alignment = Qt::AlignCenter,
     .background = Navy,
     .bordered = true},
    {"lblGeneralSize2", u"Tamanho:", Fonts::ArialBold, White, Twips::rect(3840, 3705, 900, 240),
     Qt::AlignRight | Qt::AlignVCenter},
    {.objectName = "lblGeneralSize",
     .text = u"MÉDIO",
     .font = Fonts::ArialBold,
     .colour = QColor(255, 0, 0),
     .place = Twips::rect(4740, 3705, 960, 240),
     .alignment = Qt::AlignCenter,
     .description = u"Tamanho da visualização"},
    {.objectName = "lblGeneralView",
     .text = u"270 graus",
     .font = Fonts::ArialItalic,
     .colour = QColor(255, 255, 128),
     .place = Twips::rect(3630, 3960, 2800, 240),
     .alignment = Qt::AlignCenter,
     .description = u"Ângulo da visualização"},
    {.objectName = "lblCopiarEmoticon",
     .text = u"COPIAR PARA A MEMÓRIA",
     .font = Fonts::ArialBold,
     .colour = White,
     .place = Twips::rect(4155, 4335, 2275, 255),
     .alignment = Qt::AlignRight | Qt::AlignVCenter,
     .clickable = true},
};

// Labels inside the preview box, in its own coordinates.
const LabelRow PreviewLabels[] = {
    {.objectName = "lblGeneralRotate",
     .text = u"RODAR",
     .font = Fonts::SmallFontsBold,
     .colour = QColor(192, 192, 255),
     .place = Twips::rect(2040, 120, 555, 180),
     .clickable = true},
};

const PictureRow Pictures[] = {
    {"imgGeneralEmoticon", u"title", Twips::rect(1800, 240, 3210, 570)},
    {"imgGeneralCopied", u"copied", Twips::rect(480, 4140, 480, 480)},
};

} // namespace

GeneralPanel::GeneralPanel(CatalogueStore& store, Desktop& desktop,
                           ConfirmationTimer& confirmationTimer, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picGeneralBackground"));
    Controls::setBackground(this, QColor(0, 0, 0));

    // Back to front: the background picture, the fields, then the controls.
    QLabel* background = Controls::makePicture(
        this, {"imgGeneralBackground", u"background-general", Twips::rect(0, 0, 6975, 4815)});
    Controls::makeAll(this, {Fields, Labels, Pictures});
    ShapeWidget* marker = Controls::makeShape(this, {.objectName = "shpGeneralClipboard",
                                                     .place = Twips::rect(3765, 4350, 375, 225),
                                                     .fill = QColor(0, 0, 0),
                                                     .border = QColor(128, 128, 128),
                                                     .ellipse = true});

    // The list, then the search box under it, then the category selector: the keyboard walks
    // them in that order.
    EmoticonList* list =
        Controls::makeList(this, {"lstGeneralEmoticons", u"Emoticons",
                                  Twips::rect(360, 1320, 3015, 1500), White, QColor(64, 64, 64)});
    QLineEdit* search =
        Controls::makeTextBox(this, {"txtGeneralSearch", Twips::rect(1200, 2880, 2055, 240)});
    named<QLabel>("lblGeneralSearch")->setBuddy(search);
    m_categories = new CategorySelector(store, buildCategorySelector(), list,
                                        named<QLabel>("lblGeneralEmoticonsNum"), this);

    m_preview = new EmoticonPreview(buildPreview(), this);
    connect(m_categories, &CategorySelector::categoryChosen, m_preview, &EmoticonPreview::clear);
    new EmoticonSelection(store, *m_categories, list, search, *m_preview, this);
    new CopyCaption({named<ClickableLabel>("lblCopiarEmoticon"), marker, background,
                     named<QWidget>("imgGeneralCopied"), named<QWidget>("lblGeneralCopied")},
                    *m_preview, desktop, confirmationTimer, this);
}

QComboBox* GeneralPanel::buildCategorySelector()
{
    auto* selector = new QComboBox(this);
    selector->setObjectName(QStringLiteral("cboGeneralCategory"));
    selector->setGeometry(Twips::rect(480, 3480, 1545, 285));
    selector->setFont(Fonts::SmallFontsBold.font());
    // The open list takes no colours from the closed box: it is a window of its own, which
    // wears the menus' colours.
    for (QWidget* part : {static_cast<QWidget*>(selector), static_cast<QWidget*>(selector->view())})
        Controls::setColours(part, White, Navy);
    named<QLabel>("lblGeneralCategory")->setBuddy(selector);
    return selector;
}

EmoticonPreview::Controls GeneralPanel::buildPreview()
{
    const QRect previewPlace = Twips::rect(3630, 1440, 2800, 2175);

    // The selected emoticon's text, measured at the preview size. The preview box covers it,
    // but a long text would reach out beyond the box: it is never shown.
    QLabel* emoticon = Controls::makeLabel(
        this, {"lblGeneralEmoticon", u"", LayoutFont{u"Arial", 21.75}, White, previewPlace});
    emoticon->hide();

    auto* preview = new PreviewArea(this);
    preview->setObjectName(QStringLiteral("picEmoticon"));
    preview->setGeometry(previewPlace);
    Controls::makePicture(preview, {.objectName = "imgGeneralRotate",
                                    .artwork = u"rotate",
                                    .place = Twips::rect(2160, 0, 435, 405),
                                    .accessibleName = u"Rodar",
                                    .clickable = true});
    Controls::makeAll(preview, {.labels = PreviewLabels});

    auto* size = new QScrollBar(Qt::Vertical, this);
    size->setObjectName(QStringLiteral("SizeScroll"));
    size->setAccessibleName(QStringLiteral("Tamanho"));
    size->setGeometry(Twips::rect(5730, 3697, 135, 255));
    size->setRange(0, 2);
    size->setPageStep(1);
    size->setValue(1);

    return {preview,
            emoticon,
            named<QLabel>("lblGeneralView"),
            named<QLabel>("lblGeneralSize"),
            size,
            preview->findChild<ClickableLabel*>(QStringLiteral("imgGeneralRotate")),
            preview->findChild<ClickableLabel*>(QStringLiteral("lblGeneralRotate"))};
}
