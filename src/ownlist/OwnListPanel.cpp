// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OwnListPanel.h"

#include "ArtworkLabel.h"
#include "CatalogueStore.h"
#include "ClipboardCopy.h"
#include "Controls.h"
#include "DataFileNames.h"
#include "EmoticonList.h"
#include "EntryBoxes.h"
#include "OwnListEditor.h"
#include "RecordList.h"
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

// Captions that never change.
const LabelRow Captions[] = {
    {.objectName = "lblOwnListTitle",
     .text = u"CRIE SUA PRÓPRIA LISTA",
     .font = {u"Verdana", 9, true, true},
     .colour = Black,
     .place = Twips::rect(1200, 165, 4575, 315),
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
};

// The line under the title, on two lines where it does not fit one.
const LabelRow Instruction = {
    .objectName = "lblOwnListInfo",
    .text = u"Selecione na lista um emoticon ou digite na campos o seu próprio!",
    .font = {u"Verdana", 8.25},
    .colour = Black,
    .place = Twips::rect(240, 600, 6495, 285),
    .alignment = Qt::AlignCenter};

// A text box, and the heading that names it to the keyboard and to screen readers.
struct TextBoxWithHeading {
    TextBoxRow box;
    LabelRow heading;
};

const TextBoxWithHeading Search = {{"txtOwnListSearch", Twips::rect(960, 3720, 1935, 240)},
                                   {"lblOwnListSearch", u"Procura:", Fonts::ArialBold, Black,
                                    Twips::rect(240, 3720, 690, 240),
                                    Qt::AlignRight | Qt::AlignVCenter}};
const TextBoxWithHeading Name = {{"txtOwnListEmoticonName", Twips::rect(240, 4320, 2655, 285)},
                                 {"lblOwnListEmoticonName", u"Nome do Emoticon:", Fonts::ArialBold,
                                  Black, Twips::rect(240, 4080, 2655, 240), Qt::AlignCenter}};
const TextBoxWithHeading Representation = {
    {"txtOwnListRepresentation", Twips::rect(3960, 3960, 2655, 630), {u"Arial", 20.25}},
    {"lblOwnListRepresentation", u"Representação:", Fonts::ArialBold, Black,
     Twips::rect(3960, 3720, 2655, 240), Qt::AlignCenter}};

const LabelRow Legend = {.objectName = "lblOwnListLegend",
                         .text = u"Legenda",
                         .font = Fonts::ArialBold,
                         .colour = Black,
                         .place = Twips::rect(2895, 4230, 1065, 240),
                         .alignment = Qt::AlignCenter,
                         .description = u"Resultado da última alteração"};
const PictureRow LegendIcon = {"imgOwnListLegend", u"copied", Twips::rect(3195, 3735, 480, 480)};

const PictureRow Exclamation = {"imgOwnListExclamation", u"exclamation",
                                Twips::rect(240, 120, 480, 480)};

// The pictures that change the own list, and what each does.
struct ActionPicture {
    PictureRow picture;
    void (OwnListEditor::*action)();
};

const ActionPicture ActionPictures[] = {
    {{.objectName = "imgOwnListAdd",
      .artwork = u"ownlist-add",
      .place = Twips::rect(3195, 1200, 480, 480),
      .accessibleName = u"Adicionar",
      .clickable = true},
     &OwnListEditor::imgOwnListAdd_Click},
    {{.objectName = "imgOwnListRemove",
      .artwork = u"ownlist-remove",
      .place = Twips::rect(3195, 2040, 480, 480),
      .accessibleName = u"Remover",
      .clickable = true},
     &OwnListEditor::imgOwnListRemove_Click},
    {{.objectName = "imgOwnListClear",
      .artwork = u"ownlist-clear",
      .place = Twips::rect(3195, 2880, 480, 480),
      .accessibleName = u"Limpar",
      .clickable = true},
     &OwnListEditor::imgOwnListClear_Click},
};

QLineEdit* makeTextBox(QWidget* panel, const TextBoxWithHeading& row)
{
    QLineEdit* box = Controls::makeTextBox(panel, row.box);
    Controls::makeLabel(panel, row.heading)->setBuddy(box);
    return box;
}

// The selected entry's representation, on Ctrl+C in its list.
void copyRepresentationOnCopyKeys(const RecordList& list)
{
    QObject::connect(list.list(), &EmoticonList::copyRequested, list.list(), [&list] {
        const auto texts = list.selectedTexts();
        if (texts && !texts->representation.isEmpty())
            placeOnClipboard(texts->representation);
    });
}

} // namespace

OwnListPanel::OwnListPanel(const CatalogueStore& store, Desktop& desktop,
                           ConfirmationTimer& confirmationTimer, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
{
    setObjectName(QStringLiteral("picConfigBackground"));
    Controls::setBackground(this, QColor(224, 224, 224));

    // Back to front: the fields, the captions, then the pictures.
    Controls::makeAll(this, {.shapes = Fields, .labels = Captions});
    Controls::makeLabel(this, Instruction)->setWordWrap(true);
    QLabel* legend = Controls::makeLabel(this, Legend);
    Controls::makePicture(this, Exclamation);
    QLabel* legendIcon = Controls::makePicture(this, LegendIcon);

    // Created in the order the keyboard walks them, as a user composes an entry.
    QLineEdit* search = makeTextBox(this, Search);
    auto* ownList =
        Controls::makeList(this, {"lstOwnListCustom", u"Lista própria",
                                  Twips::rect(3960, 1200, 2655, 2370), White, QColor(0, 64, 64)});
    QLineEdit* name = makeTextBox(this, Name);
    QLineEdit* representation = makeTextBox(this, Representation);
    auto* catalogue = Controls::makeList(this, {"lstOwnListEmoticons", u"Todos os emoticons",
                                                Twips::rect(240, 1200, 2655, 2370), Black, White});

    m_boxes = new EntryBoxes(name, representation, this);
    m_catalogue = new RecordList(store, desktop, catalogue, search, this);
    m_ownList = new RecordList(store, desktop, ownList, nullptr, this);
    // Choosing an entry of either list shows it in the boxes; a search that finds nothing
    // empties them.
    for (const RecordList* list : {m_catalogue, m_ownList}) {
        connect(list, &RecordList::entryChosen, m_boxes, &EntryBoxes::show);
        copyRepresentationOnCopyKeys(*list);
    }
    connect(m_catalogue, &RecordList::nothingFound, m_boxes, &EntryBoxes::clear);

    m_editor = new OwnListEditor(store, desktop, confirmationTimer, *m_boxes, *m_catalogue,
                                 *m_ownList, {legendIcon, legend}, this);
    for (const ActionPicture& row : ActionPictures)
        connect(Controls::makePicture(this, row.picture), &ClickableLabel::clicked, m_editor,
                row.action);
}

void OwnListPanel::prepare()
{
    m_boxes->clear();
    m_catalogue->fill(
        {Category::Layout::CategoryFile, m_store.pathOf(DataFileNames::WholeCatalogue)});
}

void OwnListPanel::refreshOwnList()
{
    m_editor->refreshOwnList();
}
