// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MessengerPanel.h"

#include "Artwork.h"
#include "ArtworkLabel.h"
#include "ConfirmationTimer.h"
#include "Controls.h"
#include "MessengerLayout.h"
#include "PictureButton.h"
#include "Twips.h"

#include <QLabel>

namespace {

const QColor CopiedColour(255, 255, 192);
const LayoutFont NoteFont{u"Small Fonts", 6.75, false, false, u"Liberation Sans Narrow"};

QAbstractButton* makeButton(QWidget* panel, const MessengerLayout& layout, const CodeButtonRow& row)
{
    const QSize pictureSize = row.picture.isEmpty() ? layout.pictureSize : row.picture;
    const QString name = QString::fromLatin1(row.objectName);
    auto* button = new PictureButton(
        row.caption.toString(),
        Artwork::LazyPixmap(QString(QStringLiteral("messengers/") + name), pictureSize),
        layout.buttonColour, panel);
    button->setObjectName(name);
    button->setFont(Fonts::Arial.font());
    Controls::setColours(button, Colours::Black, std::nullopt);
    // The grid's buttons overlap their right and lower neighbours by one pixel (15 twips), so
    // that neighbours share an edge; drawn that way, each raised edge would lie half under the
    // next button. Ending each button one pixel earlier shows every edge whole.
    button->setGeometry(Twips::rect(row.x, layout.rowTops[row.row - 1], row.width - Twips::PerPixel,
                                    layout.buttonHeight - Twips::PerPixel));
    return button;
}

} // namespace

MessengerPanel::MessengerPanel(const MessengerLayout& layout, ConfirmationTimer& confirmationTimer,
                               QWidget* parent)
    : QWidget(parent)
    , m_confirmationTimer(confirmationTimer)
{
    setObjectName(QString::fromLatin1(layout.boxName));
    Controls::setBackground(this, layout.boxColour);

    // Back to front: the background picture, the fields, the texts, the buttons.
    Controls::makePicture(this, layout.background);
    for (const ShapeRow& field : layout.decoration)
        Controls::makeShape(this, field);
    buildLabels(layout);
    for (const CodeButtonRow& row : layout.buttons) {
        QAbstractButton* button = makeButton(this, layout, row);
        connect(button, &QAbstractButton::clicked, this,
                [this, code = row.code.toString()] { emit codeClicked(code); });
    }

    m_copiedIcon =
        Controls::makePicture(this, {layout.copiedIconName, u"copied", layout.copiedIconPlace});
    m_copiedCaption =
        Controls::makeLabel(this, {layout.copiedCaptionName, u"COPIADO", Fonts::ArialBold,
                                   CopiedColour, layout.copiedCaptionPlace});
    m_confirmationTimer.addConfirmation(m_copiedIcon);
    m_confirmationTimer.addConfirmation(m_copiedCaption);
}

void MessengerPanel::showCopied()
{
    m_confirmationTimer.confirm({m_copiedIcon, m_copiedCaption});
}

void MessengerPanel::buildLabels(const MessengerLayout& layout)
{
    Controls::makeLabel(this, layout.title);
    Controls::makeLabel(this, {.objectName = layout.infoName,
                               .text = u"Selecione um emoticon e pressione Ctrl+V na sua mensagem",
                               .font = Fonts::ArialBold,
                               .colour = Colours::White,
                               .place = layout.infoPlace,
                               .alignment = Qt::AlignCenter,
                               .background = layout.infoField});
    Controls::makeLabel(this, {layout.noteName, layout.note, NoteFont, layout.noteColour,
                               layout.notePlace, Qt::AlignRight | Qt::AlignVCenter});
}
