// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutBox.h"

#include "Artwork.h"
#include "ArtworkLabel.h"
#include "ClickableLabel.h"
#include "Controls.h"
#include "HoverLight.h"
#include "LinkOpener.h"
#include "MakerAddresses.h"
#include "Twips.h"

#include <QLabel>

namespace {

using Colours::White;
const QColor Silver(192, 192, 192);
const QColor Yellow(255, 255, 0);

// A label's height; rows without a width take the width of their text.
constexpr int LineHeight = 240;

const LabelRow Labels[] = {
    {"lblAboutQuillaneEmoticon", u"Quillane Emoticon", Fonts::ArialBold, White,
     Twips::rect(960, 840, 3255, LineHeight), Qt::AlignCenter},
    {"lblAboutAuthor", u"Desenvolvido pela equipe Quillane", Fonts::ArialBold, QColor(0, 255, 255),
     Twips::rect(960, 1080, 3255, LineHeight), Qt::AlignCenter},
    {"Label1", u"Compilado:", Fonts::ArialBold, Silver, Twips::rect(600, 1440, 0, LineHeight)},
    {"Label2", u"15 de Julho de 2001", Fonts::ArialItalic, White,
     Twips::rect(1560, 1440, 0, LineHeight)},
    {"lblAboutVersion", u"Versão:", Fonts::ArialBold, Silver,
     Twips::rect(3240, 1440, 0, LineHeight)},
    {"lblAboutVersionNumber", u"3.02 BR", Fonts::ArialBold, White,
     Twips::rect(3960, 1440, 0, LineHeight)},
    {"lblAboutInternet2", u"Internet:", Fonts::ArialBold, QColor(255, 255, 128),
     Twips::rect(720, 1920, 975, LineHeight), Qt::AlignRight | Qt::AlignVCenter},
    {"lblAboutEMAIL2", u"E-Mail:", Fonts::ArialBold, QColor(128, 255, 128),
     Twips::rect(1080, 2160, 0, LineHeight)},
    {"lblAboutCopyright", u"Copyright © 2001-2026 Quillane", Fonts::Arial, White,
     Twips::rect(960, 2640, 3015, LineHeight), Qt::AlignCenter},
};

const LabelRow Close = {.objectName = "lblAboutClose",
                        .text = u"FECHAR",
                        .font = {u"Verdana", 8.25, true},
                        .colour = Silver,
                        .place = Twips::rect(4200, 2880, 735, LineHeight),
                        .alignment = Qt::AlignCenter};

// The maker's web site and support address, each opened by a click on its label.
struct LinkRow {
    LabelRow label;
    QStringView address;
};

const LinkRow Links[] = {
    {{
         .objectName = "lblAboutInternet",
         .text = MakerAddresses::Site,
         .font = Fonts::ArialItalic,
         .colour = QColor(255, 255, 192),
         .place = Twips::rect(1800, 1920, 2175, LineHeight),
     },
     MakerAddresses::Site},
    {{
         .objectName = "lblAboutEMAIL",
         .text = MakerAddresses::SupportMail,
         .font = Fonts::ArialItalic,
         .colour = QColor(192, 255, 192),
         .place = Twips::rect(1680, 2160, 2295, LineHeight),
     },
     MakerAddresses::SupportMailLink},
};

const PictureRow Pictures[] = {
    {"imgAboutEmoticon", u"title", Twips::rect(1320, 120, 2250, 405)},
    {"imgAboutIcon", u"program-icon", Twips::rect(720, 720, 480, 480)},
};

const ShapeRow Lines[] = {
    {"Line1", Twips::rect(600, 1800, 3720, 15), QColor(64, 64, 64)},
};

} // namespace

AboutBox::AboutBox(LinkOpener& linkOpener, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_linkOpener(linkOpener)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Sobre Quillane Emoticon..."));
    setWindowIcon(QIcon(Artwork::pixmap(u"program-icon", QSize(32, 32))));
    setFixedSize(Twips::size(5385, 3465));
    Controls::setBackground(this, QColor(64, 64, 64));

    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("picAboutFundo"));
    box->setGeometry(Twips::rect(120, 120, 5175, 3255));
    QLabel* background = Controls::makePicture(
        box, {"imgAboutFundo", u"background-general", QRect(QPoint(0, 0), box->size())});
    Controls::makeAll(box, {.shapes = Lines, .pictures = Pictures});
    for (const LabelRow& row : Labels) {
        QLabel* label = Controls::makeLabel(box, row);
        if (row.place.width() == 0)
            label->adjustSize();
    }

    // "FECHAR" lights up under the mouse and goes out over the background or the margin.
    ClickableLabel* close = Controls::makeClickableLabel(box, Close);
    m_close = close;
    connect(close, &ClickableLabel::clicked, this, &AboutBox::lblAboutClose_Click);
    connect(new HoverLight(close, {background, this}, this), &HoverLight::changed, this,
            &AboutBox::lightCloseCaption);

    // Only the links wear the program's link cursor.
    const QCursor linkCursor(Artwork::pixmap(u"link-cursor", QSize(32, 32)), 4, 0);
    for (const LinkRow& link : Links) {
        ClickableLabel* label = Controls::makeClickableLabel(box, link.label);
        label->setCursor(linkCursor);
        connect(label, &ClickableLabel::clicked, this,
                [this, address = link.address] { m_linkOpener.open(address.toString()); });
    }

    Form_Load();
}

void AboutBox::Form_Load()
{
    move(parentWidget()->frameGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void AboutBox::lblAboutClose_Click()
{
    close();
}

void AboutBox::lightCloseCaption(bool lit)
{
    Controls::setColours(m_close, lit ? Yellow : Silver, std::nullopt);
}
