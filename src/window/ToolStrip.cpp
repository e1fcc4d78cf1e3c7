// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ToolStrip.h"

#include "Artwork.h"
#include "Controls.h"
#include "Twips.h"

#include <QAction>
#include <QIcon>
#include <QLayout>
#include <QPainter>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ToolbarRow {
    const char* objectName;
    QRect place;
};

// Inside the strip's picture box (Picture1).
const ToolbarRow Toolbars[] = {
    {"Toolbar1", Twips::rect(120, 0, 735, 330)},
    {"Toolbar2", Twips::rect(1080, 0, 1095, 330)},
    {"Toolbar3", Twips::rect(2400, 0, 735, 330)},
};

struct ButtonRow {
    int toolbar; // 1-based, as in Toolbars
    QStringView picture;
    Command command; // which gives the button its tooltip too
};

// In their order within each toolbar.
const ButtonRow Buttons[] = {
    {1, u"toolbar-emoticons", Command::ShowBrowsePanel},
    {1, u"toolbar-ownlist", Command::ShowOwnListPanel},
    {2, u"toolbar-aol", Command::ShowAOLPanel},
    {2, u"toolbar-msn", Command::ShowMSNPanel},
    {2, u"toolbar-yahoo", Command::ShowYahooPanel},
    {3, u"toolbar-home", Command::OpenMakerSite},
    {3, u"toolbar-help", Command::OpenHelp},
};

// Each etched separator is a grey line with a white one beside it.
const ShapeRow SeparatorLines[] = {
    {"Line1", Twips::rect(980, 15, 15, 305), QColor(128, 128, 128)},
    {"Line2", Twips::rect(990, 15, 15, 305), QColor(255, 255, 255)},
    {"Line3", Twips::rect(2300, 15, 15, 305), QColor(128, 128, 128)},
    {"Line4", Twips::rect(2310, 15, 15, 305), QColor(255, 255, 255)},
};

// The standard small button for 16 x 16 pictures.
constexpr QSize ButtonSize(23, 22);

QToolBar* makeToolbar(QWidget* parent, const ToolbarRow& row)
{
    auto* toolbar = new QToolBar(parent);
    toolbar->setObjectName(QString::fromLatin1(row.objectName));
    toolbar->setGeometry(row.place);
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->setContentsMargins(0, 0, 0, 0);
    toolbar->layout()->setContentsMargins(0, 0, 0, 0);
    toolbar->layout()->setSpacing(0);
    return toolbar;
}

} // namespace

ToolStrip::ToolStrip(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CoolBar1"));
    setGeometry(Twips::rect(0, 0, 7245, 420));
    // The strip wears the classic face, not the dark colour of the window nor the near-white
    // of light desktop themes, against which the white halves of the separators would vanish.
    Controls::setBackground(this, Colours::Face);

    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("Picture1"));
    box->setGeometry(Twips::rect(120, 40, 6255, 340));

    QList<QToolBar*> toolbars;
    for (const ToolbarRow& row : Toolbars)
        toolbars.append(makeToolbar(box, row));
    for (const ShapeRow& line : SeparatorLines)
        Controls::makeShape(box, line);

    for (const ButtonRow& button : Buttons) {
        QToolBar* toolbar = toolbars[button.toolbar - 1];
        QAction* action = toolbar->addAction(QIcon(Artwork::pixmap(button.picture, QSize(16, 16))),
                                             buttonTooltip(button.command));
        toolbar->widgetForAction(action)->setFixedSize(ButtonSize);
        connect(action, &QAction::triggered, this,
                [this, command = button.command] { emit clicked(command); });
    }
}

void ToolStrip::paintEvent(QPaintEvent*)
{
    // A rebar band: raised face across the strip, a grip at the start of the second band.
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.window());
    QStyleOptionFrame band;
    band.initFrom(this);
    band.rect = rect();
    band.lineWidth = 1;
    band.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_Frame, &band, &painter, this);

    const int gripX = Twips::toPixels(6435);
    painter.setPen(colours.light().color());
    painter.drawLine(gripX, 3, gripX, height() - 4);
    painter.setPen(colours.dark().color());
    painter.drawLine(gripX + 1, 3, gripX + 1, height() - 4);
}
