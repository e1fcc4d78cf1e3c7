// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OwnListPanel.h"

#include "CataloguePicker.h"
#include "ClickableLabel.h"
#include "Controls.h"
#include "EmoticonList.h"
#include "EntryBoxes.h"
#include "OwnListEditor.h"
#include "ShapeWidget.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>

namespace {

using Colours::Black;
using Colours::White;
const QColor Grey(192, 192, 192);
const QColor DarkGrey(128, 128, 128);

const ShapeRow Fields[] = {
    {"Shape3", Twips::rect(60, 60, 6855, 4695), Grey, DarkGrey},
    {"Shape1", Twips::rect(1200, 135, 4575, 375), Grey, White},
};

const LabelRow Labels[] = {
    {.objectName = "lblOwnListTitle",
     .text = u"CRIE SUA PRÓPRIA LISTA",
     .font = {u"Verdana", 9, true, true},
     .colour = Black,
     .place = Twips::rect(1200, 165, 4575, 315),
     .alignment = Qt::AlignCenter},
    {.objectName = "lblOwnListInfo",
     .text = u"Selecione na lista um emoticon ou digite na campos o seu próprio!",
     .font = {u"Verdana", 8.25},
     .colour = Black,
     .place = Twips::rect(240, 600, 6495, 285),
     .alignment = Qt::AlignCenter},
    {.objectName = "lblOwnListEmoticons",
     .text = u"TODOS OS EMOTICONS",
     .font = Fonts::ArialBold,
     .colour = White,
     .place = Twips::rect(240, 960, 2655, 240),
     .alignment = Qt::AlignCenter,
     .background = Black,
     .bordered = true},
    {.objectName = "lblOwnListCustom",
     .text = u"LISTA PRÓPRIA",
     .font = Fonts::ArialBold,
     .colour = White,
     .place = Twips::rect(3960, 960, 2655, 240),
     .alignment = Qt::AlignCenter,
     .background = QColor(0, 128, 128),
     .bordered = true},
    {"lblOwnListAdd", u"adicionar", Fonts::SmallFontsBold, Black, Twips::rect(2955, 1695, 960, 180),
     Qt::AlignCenter},
    {"lblOwnListRemove", u"remover", Fonts::SmallFontsBold, Black,
     Twips::rect(2955, 2535, 960, 180), Qt::AlignCenter},
    {"lblOwnListClear", u"limpar", Fonts::SmallFontsBold, Black, Twips::rect(2955, 3375, 960, 180),
     Qt::AlignCenter},
    {"lblOwnListSearch", u"Procura:", Fonts::ArialBold, Black, Twips::rect(240, 3720, 690, 240),
     Qt::AlignRight | Qt::AlignVCenter},
    {"lblOwnListEmoticonName", u"Nome do Emoticon:", Fonts::ArialBold, Black,
     Twips::rect(240, 4080, 2655, 240), Qt::AlignCenter},
    {"lblOwnListRepresentation", u"Representação:", Fonts::ArialBold, Black,
     Twips::rect(3960, 3720, 2655, 240), Qt::AlignCenter},
    {.objectName = "lblOwnListLegend",
     .text = u"Legenda",
     .font = Fonts::ArialBold,
     .colour = Black,
     .place = Twips::rect(2895, 4230, 1065, 240),
     .alignment = Qt::AlignCenter,
     .description = u"Resultado da última alteração"},
};

const PictureRow Pictures[] = {
    {"imgOwnListExclamation", u"exclamation", Twips::rect(240, 120, 480, 480)},
    {.objectName = "imgOwnListAdd",
     .artwork = u"ownlist-add",
     .place = Twips::rect(3195, 1200, 480, 480),
     .accessibleName = u"Adicionar",
     .clickable = true},
    {.objectName = "imgOwnListRemove",
     .artwork = u"ownlist-remove",
     .place = Twips::rect(3195, 2040, 480, 480),
     .accessibleName = u"Remover",
     .clickable = true},
    {.objectName = "imgOwnListClear",
     .artwork = u"ownlist-clear",
     .place = Twips::rect(3195, 2880, 480, 480),
     .accessibleName = u"Limpar",
     .clickable = true},
    {"imgOwnListLegend", u"copied", Twips::rect(3195, 3735, 480, 480)},
};

// The pictures that act on a click, and what they do.
const std::pair<const char*, void (OwnListEditor::*)()> PictureActions[] = {
    {"imgOwnListAdd", &OwnListEditor::imgOwnListAdd_Click},
    {"imgOwnListRemove", &OwnListEditor::imgOwnListRemove_Click},
    {"imgOwnListClear", &OwnListEditor::imgOwnListClear_Click},
};

void setBuddy(QWidget* panel, const char* labelName, QWidget* buddy)
{
    panel->findChild<QLabel*>(QString::fromLatin1(labelName))->setBuddy(buddy);
}

} // namespace

OwnListPanel::OwnListPanel(CatalogueStore& store, Desktop& desktop,
                           ConfirmationTimer& confirmationTimer, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picConfigBackground"));
    Controls::setBackground(this, QColor(224, 224, 224));

    Controls::makeAll(this, {Fields, Labels, Pictures});
    findChild<QLabel*>(QStringLiteral("lblOwnListInfo"))->setWordWrap(true);

    buildLists();
    buildEntryBoxes();

    m_boxes = new EntryBoxes(m_name, m_representation, this);
    m_picker = new CataloguePicker(store, m_catalogue, m_search, *m_boxes, this);
    m_editor = new OwnListEditor(store, desktop, confirmationTimer, *m_boxes, *m_picker,
                                 {m_ownList, findChild<QLabel*>(QStringLiteral("imgOwnListLegend")),
                                  findChild<QLabel*>(QStringLiteral("lblOwnListLegend"))},
                                 this);
    connectPictures();

    // The keyboard walks the panel in the order a user composes an entry.
    setTabOrder(m_search, m_ownList);
    setTabOrder(m_ownList, m_name);
    setTabOrder(m_name, m_representation);
    setTabOrder(m_representation, m_catalogue);
}

void OwnListPanel::buildLists()
{
    m_catalogue = Controls::makeList(this, {"lstOwnListEmoticons", u"Todos os emoticons",
                                            Twips::rect(240, 1200, 2655, 2370), Black, White});
    m_ownList =
        Controls::makeList(this, {"lstOwnListCustom", u"Lista própria",
                                  Twips::rect(3960, 1200, 2655, 2370), White, QColor(0, 64, 64)});
}

void OwnListPanel::buildEntryBoxes()
{
    m_search = Controls::makeTextBox(this, {"txtOwnListSearch", Twips::rect(960, 3720, 1935, 240)});
    m_name =
        Controls::makeTextBox(this, {"txtOwnListEmoticonName", Twips::rect(240, 4320, 2655, 285)});
    m_representation = Controls::makeTextBox(
        this, {"txtOwnListRepresentation", Twips::rect(3960, 3960, 2655, 630), {u"Arial", 20.25}});
    setBuddy(this, "lblOwnListSearch", m_search);
    setBuddy(this, "lblOwnListEmoticonName", m_name);
    setBuddy(this, "lblOwnListRepresentation", m_representation);
}

void OwnListPanel::connectPictures()
{
    for (const auto& [pictureName, action] : PictureActions)
        connect(findChild<ClickableLabel*>(QString::fromLatin1(pictureName)),
                &ClickableLabel::clicked, m_editor, action);
}

void OwnListPanel::prepare()
{
    m_boxes->clear();
    m_picker->fill();
}

void OwnListPanel::CustomListUpdate()
{
    m_editor->CustomListUpdate();
}
