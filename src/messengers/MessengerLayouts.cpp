// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MessengerLayouts.h"

#include "Twips.h"

namespace {

const QRect WholeBox = Twips::rect(0, 0, 6975, 4815);
const LayoutFont TitleFont{u"Arial", 11.25, true};

// The version note, right-aligned near the bottom right corner.
const QRect NotePlace = Twips::rect(2655, 4575, 4200, 180);

constexpr QRect copiedIcon(int x, int y)
{
    return Twips::rect(x, y, 480, 480);
}

constexpr QRect copiedCaption(int x, int y)
{
    return Twips::rect(x, y, 1200, 240);
}

// Each panel's texts and fields are centred over its grid of buttons, which the layout
// places a little left of the box's middle.

// AOL Instant Messenger.

const ShapeRow AOLDecoration[] = {
    {"shpAOLBack", Twips::rect(480, 1365, 5895, 2325), QColor(0, 0, 144), QColor(96, 96, 255)},
};

const int AOLRows[] = {1440, 2160, 2880};

const CodeButtonRow AOLButtons[] = {
    {"cmdAOLSmiling", u"Sorrindo", u":-)", 1, 600, 975},
    {"cmdAOLWinking", u"Piscando", u";-)", 1, 1560, 975},
    {"cmdAOLTongue", u"Mostrando a Língua", u":-P", 1, 2520, 1815},
    {"cmdAOLSuprised", u"Surpreso", u"=-O", 1, 4320, 975},
    {"cmdAOLKissing", u"Beijinho", u":-*", 1, 5280, 975},
    {"cmdAOLYelling", u"Gritando", u">:o", 2, 600, 855},
    {"cmdAOLCool", u"Legal", u"8-)", 2, 1440, 735},
    {"cmdAOLMoneyMouth", u"Boca-Dinheiro", u":-$", 2, 2160, 1335},
    {"cmdAOLFootInMouth", u"Pé na Boca", u":-!", 2, 3480, 1335},
    {"cmdAOLEmbarrassed", u"Embarassado", u":-[", 2, 4800, 1455},
    {"cmdAOLInnocent", u"Inocente", u"O:-)", 3, 600, 855},
    {"cmdAOLUndecided", u"Indeciso", u":-\\", 3, 1440, 975},
    {"cmdAOLCrying", u"Chorando", u":'(", 3, 2400, 855},
    {"cmdAOLFrowning", u"Carrancudo", u":-(", 3, 3240, 975},
    {"cmdAOLLipsAreSealed", u"Boca Selada", u":-X", 3, 4200, 1095},
    {"cmdAOLLaughing", u"Rindo", u":-D", 3, 5280, 975},
};

// MSN Messenger Service.

const ShapeRow MSNDecoration[] = {
    {"shpMSNBack1", Twips::rect(600, 150, 5655, 870), QColor(0, 96, 96), QColor(64, 192, 192)},
    {"shpMSNBack2", Twips::rect(600, 1035, 5655, 3120), QColor(0, 96, 96), QColor(64, 192, 192)},
};

const int MSNRows[] = {1080, 1680, 2280, 2880, 3480};

const CodeButtonRow MSNButtons[] = {
    {"cmdMSNSmiling", u"Sorrindo", u":-)", 1, 720, 735},
    {"cmdMSNLaughter", u"Rindo", u":-D", 1, 1440, 735},
    {"cmdMSNShocked", u"Chocado", u":-O", 1, 2160, 855},
    {"cmdMSNTongue", u"Mostrando a Língua", u":-P", 1, 3000, 1575},
    {"cmdMSNWinking", u"Piscando", u";-)", 1, 4560, 855},
    {"cmdMSNSad", u"Triste", u":-(", 1, 5400, 735},
    {"cmdMSNSickness", u"Doente", u":-S", 2, 720, 735},
    {"cmdMSNDisgust", u"Desgosto", u":-|", 2, 1440, 855},
    {"cmdMSNThumbUp", u"Ótimo", u"(Y)", 2, 2280, 735},
    {"cmdMSNThumbDown", u"Ruim", u"(N)", 2, 3000, 735},
    {"cmdMSNHeart", u"Coração", u"(L)", 2, 3720, 735},
    {"cmdMSNBrokenHeart", u"Coração Quebrado", u"(U)", 2, 4440, 1695},
    {"cmdMSNLips", u"Boca", u"(K)", 3, 720, 615},
    {"cmdMSNGift", u"Presente", u"(G)", 3, 1320, 855},
    {"cmdMSNRose", u"Rosa", u"(F)", 3, 2160, 495},
    {"cmdMSNGirl", u"Menina", u"(X)", 3, 2640, 735},
    {"cmdMSNBoy", u"Menino", u"(Z)", 3, 3360, 735},
    {"cmdMSNCamera", u"Camera", u"(P)", 3, 4080, 975},
    {"cmdMSNBeerMug", u"Cerveja", u"(B)", 3, 5040, 1095},
    {"cmdMSNCoctail", u"Coctail", u"(D)", 4, 720, 855},
    {"cmdMSNTelephone", u"Telefone", u"(T)", 4, 1560, 855},
    {"cmdMSNCatFace", u"Gato", u"(@)", 4, 2400, 615},
    {"cmdMSNCoffeeCup", u"Café", u"(C)", 4, 3000, 495},
    {"cmdMSNLightBulb", u"Lâmpada", u"(I)", 4, 3480, 855},
    {"cmdMSNHandcuffs", u"Algemas", u"(%)", 4, 4320, 975, QSize(16, 16)},
    {"cmdMSNVampire", u"Vampiro", u":-[", 4, 5280, 855},
    {"cmdSleepingHalfMoon", u"Meia-lua dormente", u"(S)", 5, 720, 1455},
    {"cmdMSNStar", u"Estrela", u"(*)", 5, 2160, 735, QSize(13, 12)},
    {"cmdMSNMusicalNote", u"Nota Musical", u"(8)", 5, 2880, 1095},
    {"cmdMSNEMail", u"E-Mail", u"(E)", 5, 3960, 615},
    {"cmdMSNHotSun", u"Sol", u"(H)", 5, 4560, 615},
    {"cmdMSNIcon", u"Icone MSN", u"(M)", 5, 5160, 975},
};

// Yahoo! Messenger.

const ShapeRow YahooDecoration[] = {
    {"shpYahooBack1", Twips::rect(600, 270, 5535, 975), QColor(48, 48, 48), QColor(128, 96, 64)},
    {"shpYahooBack2", Twips::rect(600, 1260, 5535, 2535), QColor(48, 48, 48), QColor(128, 96, 64)},
};

const int YahooRows[] = {1320, 1920, 2520, 3120};

const CodeButtonRow YahooButtons[] = {
    {"cmdYahooHappy", u"Feliz", u":)", 1, 840, 855},
    {"cmdYahooSad", u"Triste", u":(", 1, 1680, 855},
    {"cmdYahooUndecided", u"Indeciso", u":-/", 1, 2520, 1215},
    {"cmdYahooEmbarrassed", u"Embarassado", u":\">", 1, 3720, 1335},
    {"cmdYahooCool", u"Legal", u"B-)", 1, 5040, 855},
    {"cmdYahooTongue", u"Mostrando a Língua", u":p", 2, 840, 1815},
    {"cmdYahooSuprised", u"Surpreso", u":O", 2, 2640, 975},
    {"cmdYahooKissing", u"Beijo", u":x", 2, 3600, 1215},
    {"cmdYahooFurious", u"Furioso", u"X-(", 2, 4800, 1095},
    {"cmdYahooSmiling", u"Sorrindo", u":>", 3, 840, 975},
    {"cmdYahooLaughing", u"Rindo", u":D", 3, 1800, 855},
    {"cmdYahooWinking", u"Piscando", u";)", 3, 2640, 855},
    {"cmdYahooDevil", u"Diabo", u">:)", 3, 3480, 735},
    {"cmdYahooAngel", u"Anjo", u"0:)", 3, 4200, 735},
    {"cmdYahooDisgust", u"Desgosto", u":|", 3, 4920, 975},
    {"cmdYahooCrying", u"Chorando", u":((", 4, 840, 975},
    {"cmdYahooVeryHappy", u"Muito Feliz", u":))", 4, 1800, 1095},
    {"cmdYahooNerd", u"Nerd", u":B", 4, 2880, 975},
    {"cmdYahooStop", u"Pare!", u"=;", 4, 3840, 855},
    {"cmdYahooSleeping", u"Dormindo", u"I-)", 4, 4680, 1215},
};

} // namespace

namespace MessengerLayouts {

const MessengerLayout AOL = {
    .boxName = "picAOLBackground",
    .boxColour = QColor(0, 0, 192),
    .background = {"imgAOLBackground", u"background-aol", WholeBox},
    .decoration = AOLDecoration,
    .title = {"lblAOLInstantMessenger", u"AOL Instant Messenger ", TitleFont, QColor(192, 192, 255),
              Twips::rect(480, 480, 5895, 300), Qt::AlignCenter},
    .infoName = "lblAOLInfo",
    .infoPlace = Twips::rect(600, 1080, 5655, 240),
    .infoField = QColor(0, 0, 128),
    .noteName = "lblAOLObservation",
    .note = u"Emoticons testados com AOL Messenger v4.0",
    .noteColour = QColor(192, 192, 255),
    .notePlace = NotePlace,
    .copiedCaptionName = "lblAOLCopied",
    .copiedCaptionPlace = copiedCaption(600, 4320),
    .copiedIconName = "imgAOLCopied",
    .copiedIconPlace = copiedIcon(120, 4080),
    .buttonColour = QColor(128, 128, 255),
    .buttonHeight = 735,
    .pictureSize = QSize(25, 23),
    .rowTops = AOLRows,
    .buttons = AOLButtons,
};

const MessengerLayout MSN = {
    .boxName = "picMSNBackground",
    .boxColour = QColor(0, 128, 128),
    .background = {"imgMSNBackground", u"background-msn", WholeBox},
    .decoration = MSNDecoration,
    .title = {"lblMSNMessengerService", u"MSN Messenger Service", TitleFont, QColor(192, 255, 255),
              Twips::rect(720, 240, 5415, 300), Qt::AlignCenter},
    .infoName = "lblMSNInfo",
    .infoPlace = Twips::rect(720, 720, 5415, 240),
    .infoField = QColor(0, 64, 64),
    .noteName = "lblMSNObservation",
    .note = u"Emoticons testados com MSN Messenger Service v3.6",
    .noteColour = QColor(192, 255, 255),
    .notePlace = NotePlace,
    .copiedCaptionName = "lblMSNCopied",
    .copiedCaptionPlace = copiedCaption(600, 4440),
    .copiedIconName = "imgMSNCopied",
    .copiedIconPlace = copiedIcon(120, 4200),
    .buttonColour = QColor(0, 192, 192),
    .buttonHeight = 615,
    .pictureSize = QSize(12, 12),
    .rowTops = MSNRows,
    .buttons = MSNButtons,
};

const MessengerLayout Yahoo = {
    .boxName = "picYahooBackground",
    .boxColour = QColor(64, 64, 64),
    .background = {"imgYahooBackground", u"background-yahoo", WholeBox},
    .decoration = YahooDecoration,
    .title = {"lblYahooMessenger", u"Yahoo! Messenger", TitleFont, QColor(255, 192, 128),
              Twips::rect(720, 360, 5295, 300), Qt::AlignCenter},
    .infoName = "lblYahooInfo",
    .infoPlace = Twips::rect(720, 960, 5295, 240),
    .infoField = QColor(128, 0, 0),
    .noteName = "lblYahooObservation",
    .note = u"Emoticons testados com Yahoo! Messenger v4.0",
    .noteColour = QColor(192, 192, 192),
    .notePlace = NotePlace,
    .copiedCaptionName = "lblYahooCopied",
    .copiedCaptionPlace = copiedCaption(600, 4440),
    .copiedIconName = "imgYahooCopied",
    .copiedIconPlace = copiedIcon(120, 4200),
    .buttonColour = QColor(255, 128, 128),
    .buttonHeight = 615,
    .pictureSize = QSize(24, 20),
    .rowTops = YahooRows,
    .buttons = YahooButtons,
};

} // namespace MessengerLayouts
