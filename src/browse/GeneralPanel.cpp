// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GeneralPanel.h"

#include "ArtworkLabel.h"
#include "CategorySelector.h"
#include "ClickableLabel.h"
#include "Controls.h"
#include "CopyCaption.h"
#include "EmoticonList.h"
#include "FocusMark.h"
#include "PreviewArea.h"
#include "RecordList.h"
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

// Captions that never change.
const LabelRow Captions[] = {
    {.objectName = "lblGeneralSelectAnEmoticon",
     .text = u"SELECIONE UM EMOTICON",
     .font = Fonts::ArialBold,
     .colour = White,
     .place = Twips::rect(360, 1080, 3015, 240),
     .alignment = Qt::AlignCenter,
     .background = QColor(128, 128, 128),
     .bordered = true},
    {"lblGeneralEmoticons", u"EMOTICONS", Fonts::Arial, White, Twips::rect(2160, 3660, 1215, 240),
     Qt::AlignCenter},
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
};

// The headings of the search box and of the category selector.
const LabelRow SearchHeading = {"lblGeneralSearch",
                                u"Procura:",
                                Fonts::ArialBold,
                                White,
                                Twips::rect(360, 2880, 780, 240),
                                Qt::AlignRight | Qt::AlignVCenter};
const LabelRow CategoryHeading = {
    "lblGeneralCategory", u"Categoria:", Fonts::ArialBold, White, Twips::rect(480, 3240, 1545, 240),
    Qt::AlignCenter};

const LabelRow Count = {.objectName = "lblGeneralEmoticonsNum",
                        .text = u"x",
                        .font = {u"Arial", 12, true},
                        .colour = QColor(0, 192, 0),
                        .place = Twips::rect(2160, 3270, 1215, 390),
                        .alignment = Qt::AlignCenter,
                        .description = u"Número de emoticons na lista"};

const LabelRow SizeCaption = {.objectName = "lblGeneralSize",
                              .text = u"MÉDIO",
                              .font = Fonts::ArialBold,
                              .colour = QColor(255, 0, 0),
                              .place = Twips::rect(4740, 3705, 960, 240),
                              .alignment = Qt::AlignCenter,
                              .description = u"Tamanho da visualização"};

const LabelRow ViewCaption = {.objectName = "lblGeneralView",
                              .text = u"270 graus",
                              .font = Fonts::ArialItalic,
                              .colour = QColor(255, 255, 128),
                              .place = Twips::rect(3630, 3960, 2800, 240),
                              .alignment = Qt::AlignCenter,
                              .description = u"Ângulo da visualização"};

const LabelRow CopyCommand = {.objectName = "lblCopiarEmoticon",
                              .text = u"COPIAR PARA A MEMÓRIA",
                              .font = Fonts::ArialBold,
                              .colour = White,
                              .place = Twips::rect(4155, 4335, 2275, 255),
                              .alignment = Qt::AlignRight | Qt::AlignVCenter};

const LabelRow Copied = {"lblGeneralCopied", u"COPIADO", Fonts::ArialBold, QColor(255, 255, 128),
                         Twips::rect(1020, 4260, 1200, 240)};
const PictureRow CopiedIcon = {"imgGeneralCopied", u"copied", Twips::rect(480, 4140, 480, 480)};

const PictureRow Title = {"imgGeneralEmoticon", u"title", Twips::rect(1800, 240, 3210, 570)};

// The copy caption's marker.
const ShapeRow Marker = {.objectName = "shpGeneralClipboard",
                         .place = Twips::rect(3765, 4350, 375, 225),
                         .fill = QColor(0, 0, 0),
                         .border = QColor(128, 128, 128),
                         .circle = true};

// The preview box, and the two ways to turn it, in its own coordinates.
const QRect PreviewPlace = Twips::rect(3630, 1440, 2800, 2175);
const LabelRow RotateCaption = {.objectName = "lblGeneralRotate",
                                .text = u"RODAR",
                                .font = Fonts::SmallFontsBold,
                                .colour = QColor(192, 192, 255),
                                .place = Twips::rect(2040, 120, 555, 180)};
const PictureRow RotatePicture = {.objectName = "imgGeneralRotate",
                                  .artwork = u"rotate",
                                  .place = Twips::rect(2160, 0, 435, 405),
                                  .accessibleName = u"Rodar",
                                  .clickable = true};

} // namespace

GeneralPanel::GeneralPanel(const CatalogueStore& store, Desktop& desktop,
                           ConfirmationTimer& confirmationTimer, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picGeneralBackground"));
    Controls::setBackground(this, QColor(0, 0, 0));

    // Back to front: the background picture, the fields, the captions, then the pictures.
    QLabel* background = Controls::makePicture(
        this, {"imgGeneralBackground", u"background-general", Twips::rect(0, 0, 6975, 4815)});
    Controls::makeAll(this, {.shapes = Fields, .labels = Captions});
    QLabel* searchHeading = Controls::makeLabel(this, SearchHeading);
    QLabel* categoryHeading = Controls::makeLabel(this, CategoryHeading);
    QLabel* count = Controls::makeLabel(this, Count);
    QLabel* copied = Controls::makeLabel(this, Copied);
    QLabel* size = Controls::makeLabel(this, SizeCaption);
    QLabel* view = Controls::makeLabel(this, ViewCaption);
    ClickableLabel* copyCommand = Controls::makeClickableLabel(this, CopyCommand);
    Controls::makePicture(this, Title);
    QLabel* copiedIcon = Controls::makePicture(this, CopiedIcon);
    ShapeWidget* marker = Controls::makeShape(this, Marker);

    // The list, then the search box under it, then the category selector: the keyboard walks
    // them in that order, and on to the size bar.
    EmoticonList* list =
        Controls::makeList(this, {"lstGeneralEmoticons", u"Emoticons",
                                  Twips::rect(360, 1320, 3015, 1500), White, QColor(64, 64, 64)});
    QLineEdit* search =
        Controls::makeTextBox(this, {"txtGeneralSearch", Twips::rect(1200, 2880, 2055, 240)});
    searchHeading->setBuddy(search);
    auto* emoticons = new RecordList(store, desktop, list, search, this);
    m_categories = new CategorySelector(store, buildCategorySelector(categoryHeading), *emoticons,
                                        count, this);
    m_preview = new EmoticonPreview(buildPreview(view, size), this);
    connect(m_categories, &CategorySelector::categoryChosen, m_preview, &EmoticonPreview::clear);
    connect(emoticons, &RecordList::entryChosen, m_preview,
            [this](const EmoticonTexts& texts) { m_preview->showEmoticon(texts.representation); });
    connect(emoticons, &RecordList::nothingFound, m_preview, &EmoticonPreview::clear);

    auto* copy = new CopyCaption({copyCommand, marker, background, copiedIcon, copied}, *m_preview,
                                 desktop, confirmationTimer, this);
    // In the list, the copy keys and Enter copy the selected emoticon as the caption does.
    for (const auto key : {&EmoticonList::copyRequested, &EmoticonList::enterPressed})
        connect(list, key, copy, &CopyCaption::lblCopiarEmoticon_Click);
}

void GeneralPanel::startUp()
{
    m_preview->startUp();
    m_categories->choose(WholeCatalogueEntry);
}

void GeneralPanel::chooseCategory(QStringView entryText)
{
    m_categories->choose(entryText);
}

QComboBox* GeneralPanel::buildCategorySelector(QLabel* heading)
{
    auto* selector = new QComboBox(this);
    selector->setObjectName(QStringLiteral("cboGeneralCategory"));
    selector->setGeometry(Twips::rect(480, 3480, 1545, 285));
    selector->setFont(Fonts::SmallFontsBold.font());
    // The open list takes no colours from the closed box: it is a window of its own, which
    // wears the menus' colours.
    for (QWidget* part : {static_cast<QWidget*>(selector), static_cast<QWidget*>(selector->view())})
        Controls::setColours(part, White, Navy);
    heading->setBuddy(selector);
    return selector;
}

EmoticonPreview::Controls GeneralPanel::buildPreview(QLabel* view, QLabel* size)
{
    auto* preview = new PreviewArea(this);
    preview->setObjectName(QStringLiteral("picEmoticon"));
    preview->setGeometry(PreviewPlace);
    ClickableLabel* rotatePicture = Controls::makePicture(preview, RotatePicture);
    ClickableLabel* rotateCaption = Controls::makeClickableLabel(preview, RotateCaption);

    auto* sizeBar = new QScrollBar(Qt::Vertical, this);
    sizeBar->setObjectName(QStringLiteral("SizeScroll"));
    sizeBar->setAccessibleName(QStringLiteral("Tamanho"));
    sizeBar->setGeometry(Twips::rect(5730, 3697, 135, 255));
    sizeBar->setRange(0, 2);
    sizeBar->setPageStep(1);
    sizeBar->setValue(1);
    // A stop of the keyboard's walk, after the category selector; its arrow keys change the
    // size. A click leaves the focus where it was.
    sizeBar->setFocusPolicy(Qt::TabFocus);
    new FocusMark(sizeBar, White);

    return {preview, view, size, sizeBar, rotatePicture, rotateCaption};
}
