#include "GeneralPanel.h"

#include "CategorySelector.h"
#include "ConfirmationTimer.h"
#include "Controls.h"
#include "EmoticonList.h"
#include "PreviewArea.h"
#include "ShapeWidget.h"
#include "Twips.h"

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
const ShapeSpec Fields[] = {
    {"Shape2", Twips::rect(240, 975, 3255, 1875), FieldFill, FieldBorder},
    {"Shape8", Twips::rect(240, 2850, 3255, 315), FieldFill, FieldBorder},
    {"Shape9", Twips::rect(240, 3195, 3255, 840), FieldFill, FieldBorder},
    {"Shape4", Twips::rect(3510, 975, 3045, 3255), QColor(0, 0, 48), QColor(64, 64, 160)},
    {"Shape5", Twips::rect(3510, 4260, 3045, 390), FieldFill, FieldBorder},
};

const LabelSpec Labels[] = {
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
const LabelSpec PreviewLabels[] = {
    {.objectName = "lblGeneralRotate",
     .text = u"RODAR",
     .font = Fonts::SmallFontsBold,
     .colour = QColor(192, 192, 255),
     .place = Twips::rect(2040, 120, 555, 180),
     .clickable = true},
};

const PictureSpec Pictures[] = {
    {"imgGeneralEmoticon", u"title", Twips::rect(1800, 240, 3210, 570)},
    {"imgGeneralCopied", u"copied", Twips::rect(480, 4140, 480, 480)},
};

QWidget* child(QWidget* parent, const char* objectName)
{
    return parent->findChild<QWidget*>(QString::fromLatin1(objectName));
}

} // namespace

GeneralPanel::GeneralPanel(CatalogueStore& store, Desktop& desktop,
                           ConfirmationTimer& confirmationTimer, QWidget* parent)
    : QWidget(parent)
    , m_desktop(desktop)
{
    setObjectName(QStringLiteral("picGeneralBackground"));
    Controls::setBackground(this, QColor(0, 0, 0));

    // Back to front: the background picture, the fields, then the controls.
    Controls::makePicture(
        this, {"imgGeneralBackground", u"background-general", Twips::rect(0, 0, 6975, 4815)});
    Controls::makeAll(this, {Fields, Labels, Pictures});
    Controls::makeShape(this, {.objectName = "shpGeneralClipboard",
                               .place = Twips::rect(3765, 4350, 375, 225),
                               .fill = QColor(0, 0, 0),
                               .border = QColor(128, 128, 128),
                               .ellipse = true});

    buildList();
    buildCategoryRow();
    buildPreview();

    confirmationTimer.addConfirmation(child(this, "imgGeneralCopied"));
    confirmationTimer.addConfirmation(child(this, "lblGeneralCopied"));

    m_categories = new CategorySelector(store, m_category, m_list, m_count, this);
    connect(m_categories, &CategorySelector::categoryChosen, this, &GeneralPanel::clearPreview);
}

void GeneralPanel::buildList()
{
    m_list =
        Controls::makeList(this, {"lstGeneralEmoticons", u"Emoticons",
                                  Twips::rect(360, 1320, 3015, 1500), White, QColor(64, 64, 64)});
    QLineEdit* search =
        Controls::makeTextBox(this, {"txtGeneralSearch", Twips::rect(1200, 2880, 2055, 240)});
    findChild<QLabel*>(QStringLiteral("lblGeneralSearch"))->setBuddy(search);
}

void GeneralPanel::buildCategoryRow()
{
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("cboGeneralCategory"));
    m_category->setGeometry(Twips::rect(480, 3480, 1545, 285));
    m_category->setFont(Fonts::SmallFontsBold.font());
    Controls::setColours(m_category, White, Navy);
    findChild<QLabel*>(QStringLiteral("lblGeneralCategory"))->setBuddy(m_category);
    m_count = findChild<QLabel*>(QStringLiteral("lblGeneralEmoticonsNum"));
}

void GeneralPanel::buildPreview()
{
    const QRect previewPlace = Twips::rect(3630, 1440, 2800, 2175);

    // The selected emoticon's text, measured at the preview size; the preview box covers it.
    m_emoticon = Controls::makeLabel(
        this, {"lblGeneralEmoticon", u"", FontSpec{u"Arial", 21.75}, White, previewPlace});
    m_emoticon->setAccessibleDescription(QStringLiteral("Emoticon selecionado"));
    m_emoticon->adjustSize();

    m_preview = new PreviewArea(this);
    m_preview->setObjectName(QStringLiteral("picEmoticon"));
    m_preview->setGeometry(previewPlace);
    Controls::makePicture(m_preview, {.objectName = "imgGeneralRotate",
                                      .artwork = u"rotate",
                                      .place = Twips::rect(2160, 0, 435, 405),
                                      .accessibleName = u"Rodar",
                                      .clickable = true});
    Controls::makeAll(m_preview, {.labels = PreviewLabels});

    auto* size = new QScrollBar(Qt::Vertical, this);
    size->setObjectName(QStringLiteral("SizeScroll"));
    size->setAccessibleName(QStringLiteral("Tamanho"));
    size->setGeometry(Twips::rect(5730, 3697, 135, 255));
    size->setRange(0, 2);
    size->setPageStep(1);
    size->setValue(1);
}

void GeneralPanel::clearPreview()
{
    m_preview->clear();
    m_emoticon->setText(QString());
    m_emoticon->adjustSize();
}
