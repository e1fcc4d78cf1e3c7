// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConfirmationTimer.h"
#include "MainWindow.h"
#include "PictureButton.h"
#include "WidgetTest.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <span>

using namespace Qt::StringLiterals;

namespace {

// The messenger buttons as the user guide's tables list them, typed apart from the program's
// own table so that a slip in either shows.
struct ExpectedButton {
    const char* name;
    const char* caption; // UTF-8
    const char* code;
};

const ExpectedButton AOLButtons[] = {
    {"cmdAOLSmiling", "Sorrindo", ":-)"},
    {"cmdAOLWinking", "Piscando", ";-)"},
    {"cmdAOLTongue", "Mostrando a Língua", ":-P"},
    {"cmdAOLSuprised", "Surpreso", "=-O"},
    {"cmdAOLKissing", "Beijinho", ":-*"},
    {"cmdAOLYelling", "Gritando", ">:o"},
    {"cmdAOLCool", "Legal", "8-)"},
    {"cmdAOLMoneyMouth", "Boca-Dinheiro", ":-$"},
    {"cmdAOLFootInMouth", "Pé na Boca", ":-!"},
    {"cmdAOLEmbarrassed", "Embarassado", ":-["},
    {"cmdAOLInnocent", "Inocente", "O:-)"},
    {"cmdAOLUndecided", "Indeciso", ":-\\"},
    {"cmdAOLCrying", "Chorando", ":'("},
    {"cmdAOLFrowning", "Carrancudo", ":-("},
    {"cmdAOLLipsAreSealed", "Boca Selada", ":-X"},
    {"cmdAOLLaughing", "Rindo", ":-D"},
};

const ExpectedButton MSNButtons[] = {
    {"cmdMSNSmiling", "Sorrindo", ":-)"},
    {"cmdMSNLaughter", "Rindo", ":-D"},
    {"cmdMSNShocked", "Chocado", ":-O"},
    {"cmdMSNTongue", "Mostrando a Língua", ":-P"},
    {"cmdMSNWinking", "Piscando", ";-)"},
    {"cmdMSNSad", "Triste", ":-("},
    {"cmdMSNSickness", "Doente", ":-S"},
    {"cmdMSNDisgust", "Desgosto", ":-|"},
    {"cmdMSNThumbUp", "Ótimo", "(Y)"},
    {"cmdMSNThumbDown", "Ruim", "(N)"},
    {"cmdMSNHeart", "Coração", "(L)"},
    {"cmdMSNBrokenHeart", "Coração Quebrado", "(U)"},
    {"cmdMSNLips", "Boca", "(K)"},
    {"cmdMSNGift", "Presente", "(G)"},
    {"cmdMSNRose", "Rosa", "(F)"},
    {"cmdMSNGirl", "Menina", "(X)"},
    {"cmdMSNBoy", "Menino", "(Z)"},
    {"cmdMSNCamera", "Camera", "(P)"},
    {"cmdMSNBeerMug", "Cerveja", "(B)"},
    {"cmdMSNCoctail", "Coctail", "(D)"},
    {"cmdMSNTelephone", "Telefone", "(T)"},
    {"cmdMSNCatFace", "Gato", "(@)"},
    {"cmdMSNCoffeeCup", "Café", "(C)"},
    {"cmdMSNLightBulb", "Lâmpada", "(I)"},
    {"cmdMSNHandcuffs", "Algemas", "(%)"},
    {"cmdMSNVampire", "Vampiro", ":-["},
    {"cmdSleepingHalfMoon", "Meia-lua dormente", "(S)"},
    {"cmdMSNStar", "Estrela", "(*)"},
    {"cmdMSNMusicalNote", "Nota Musical", "(8)"},
    {"cmdMSNEMail", "E-Mail", "(E)"},
    {"cmdMSNHotSun", "Sol", "(H)"},
    {"cmdMSNIcon", "Icone MSN", "(M)"},
};

const ExpectedButton YahooButtons[] = {
    {"cmdYahooHappy", "Feliz", ":)"},
    {"cmdYahooSad", "Triste", ":("},
    {"cmdYahooUndecided", "Indeciso", ":-/"},
    {"cmdYahooEmbarrassed", "Embarassado", ":\">"},
    {"cmdYahooCool", "Legal", "B-)"},
    {"cmdYahooTongue", "Mostrando a Língua", ":p"},
    {"cmdYahooSuprised", "Surpreso", ":O"},
    {"cmdYahooKissing", "Beijo", ":x"},
    {"cmdYahooFurious", "Furioso", "X-("},
    {"cmdYahooSmiling", "Sorrindo", ":>"},
    {"cmdYahooLaughing", "Rindo", ":D"},
    {"cmdYahooWinking", "Piscando", ";)"},
    {"cmdYahooDevil", "Diabo", ">:)"},
    {"cmdYahooAngel", "Anjo", "0:)"},
    {"cmdYahooDisgust", "Desgosto", ":|"},
    {"cmdYahooCrying", "Chorando", ":(("},
    {"cmdYahooVeryHappy", "Muito Feliz", ":))"},
    {"cmdYahooNerd", "Nerd", ":B"},
    {"cmdYahooStop", "Pare!", "=;"},
    {"cmdYahooSleeping", "Dormindo", "I-)"},
};

struct ExpectedPanel {
    const char* menuEntry;
    const char* box;
    std::span<const ExpectedButton> buttons;
    QSize picture;
};

const ExpectedPanel Panels[] = {
    {"mnuAOL", "picAOLBackground", AOLButtons, QSize(25, 23)},
    {"mnuMSN", "picMSNBackground", MSNButtons, QSize(12, 12)},
    {"mnuYahoo", "picYahooBackground", YahooButtons, QSize(24, 20)},
};

const QMap<QString, QSize> OddPictures = {
    {u"cmdMSNStar"_s, QSize(13, 12)},
    {u"cmdMSNHandcuffs"_s, QSize(16, 16)},
};

const QStringList MessengerConfirmations = {u"imgYahooCopied"_s, u"lblYahooCopied"_s,
                                            u"imgAOLCopied"_s,   u"lblAOLCopied"_s,
                                            u"imgMSNCopied"_s,   u"lblMSNCopied"_s};

} // namespace

// The three messenger panels in the main window, on an empty program folder.
class TestMessengerPanels : public WidgetTest {
    Q_OBJECT

private slots:
    void buttonCopiesItsCode_data();
    void buttonCopiesItsCode();
    void panelHoldsItsGrid_data();
    void panelHoldsItsGrid();
    void panelTextsShowWhole_data();
    void panelTextsShowWhole();
    void confirmationLastsUntilTheTickOnEveryPanel();

private:
    void prepare() override { open(std::make_unique<MainWindow>(path(QString()), m_desktop)); }
    QStringList shownConfirmations() const;
};

QStringList TestMessengerPanels::shownConfirmations() const
{
    QStringList shown;
    for (const QString& name :
         MessengerConfirmations + QStringList{u"imgGeneralCopied"_s, u"lblGeneralCopied"_s}) {
        if (!control<QWidget>(name)->isHidden())
            shown.append(name);
    }
    return shown;
}

void TestMessengerPanels::buttonCopiesItsCode_data()
{
    QTest::addColumn<QString>("menuEntry");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QSize>("picture");

    for (const ExpectedPanel& panel : Panels) {
        for (const ExpectedButton& button : panel.buttons) {
            const QString name = QString::fromLatin1(button.name);
            QTest::addRow("%s copies %s", button.name, button.code)
                << QString::fromLatin1(panel.menuEntry) << name << QString::fromUtf8(button.caption)
                << QString::fromLatin1(button.code) << OddPictures.value(name, panel.picture);
        }
    }
}

void TestMessengerPanels::buttonCopiesItsCode()
{
    QFETCH(QString, menuEntry);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, code);
    QFETCH(QSize, picture);

    control<QAction>(menuEntry)->trigger();
    auto* shown = qobject_cast<PictureButton*>(control<QWidget>(button));
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->text(), caption);
    QVERIFY(shown->toolTip().isEmpty());

    // Picture above the caption, both whole, and the picture drawn.
    const QRect pictureRect = shown->pictureRect();
    const QRect captionRect = shown->captionRect();
    QCOMPARE(pictureRect.size(), picture);
    QVERIFY(shown->rect().contains(pictureRect));
    QVERIFY(shown->rect().contains(captionRect));
    QVERIFY(pictureRect.bottom() < captionRect.top());
    QVERIFY2(shown->fontMetrics().horizontalAdvance(caption) <= captionRect.width(), "caption cut");
    const QImage shot = shown->grab().toImage();
    QImage bare(pictureRect.size(), shot.format()); // the place as the button's face alone
    bare.fill(shot.pixel(pictureRect.topLeft() - QPoint(1, 1)));
    QVERIFY2(shot.copy(pictureRect) != bare, "no picture");

    QGuiApplication::clipboard()->setText(u"antes"_s);
    QTest::mouseClick(shown, Qt::LeftButton);

    QCOMPARE(QGuiApplication::clipboard()->text(), code);
    QCOMPARE(m_desktop.beeps, 1);
    QCOMPARE(shownConfirmations(), MessengerConfirmations);

    control<ConfirmationTimer>(u"tmrTimer"_s)->tmrTimer_Timer();
    QCOMPARE(shownConfirmations(), QStringList());
}

void TestMessengerPanels::panelHoldsItsGrid_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("count");

    for (const ExpectedPanel& panel : Panels) {
        QTest::addRow("%s holds %d buttons", panel.box, int(panel.buttons.size()))
            << QString::fromLatin1(panel.box) << int(panel.buttons.size());
    }
}

void TestMessengerPanels::panelHoldsItsGrid()
{
    QFETCH(QString, box);
    QFETCH(int, count);

    const auto* panel = control<QWidget>(box);
    const QList<PictureButton*> buttons = panel->findChildren<PictureButton*>();
    QCOMPARE(buttons.size(), count);
    for (const PictureButton* button : buttons) {
        QVERIFY2(panel->rect().contains(button->geometry()), qPrintable(button->objectName()));
        for (const PictureButton* other : buttons) {
            if (other != button) {
                QVERIFY2(!other->geometry().intersects(button->geometry()),
                         qPrintable(button->objectName() + u" overlaps "_s + other->objectName()));
            }
        }
    }
}

void TestMessengerPanels::panelTextsShowWhole_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    const QString instruction = u"Selecione um emoticon e pressione Ctrl+V na sua mensagem"_s;
    const QList<std::pair<QString, QString>> texts = {
        {u"lblAOLInstantMessenger"_s, u"AOL Instant Messenger "_s},
        {u"lblAOLInfo"_s, instruction},
        {u"lblAOLObservation"_s, u"Emoticons testados com AOL Messenger v4.0"_s},
        {u"lblAOLCopied"_s, u"COPIADO"_s},
        {u"lblMSNMessengerService"_s, u"MSN Messenger Service"_s},
        {u"lblMSNInfo"_s, instruction},
        {u"lblMSNObservation"_s, u"Emoticons testados com MSN Messenger Service v3.6"_s},
        {u"lblMSNCopied"_s, u"COPIADO"_s},
        {u"lblYahooMessenger"_s, u"Yahoo! Messenger"_s},
        {u"lblYahooInfo"_s, instruction},
        {u"lblYahooObservation"_s, u"Emoticons testados com Yahoo! Messenger v4.0"_s},
        {u"lblYahooCopied"_s, u"COPIADO"_s},
    };
    for (const auto& [label, text] : texts)
        QTest::addRow("%s shows its text whole", qPrintable(label)) << label << text;
}

void TestMessengerPanels::panelTextsShowWhole()
{
    QFETCH(QString, label);
    QFETCH(QString, text);

    const auto* shown = control<QLabel>(label);
    QCOMPARE(shown->text(), text);
    const QSize needed = shown->fontMetrics().size(Qt::TextSingleLine, text);
    QVERIFY(needed.width() <= shown->contentsRect().width());
    QVERIFY(needed.height() <= shown->contentsRect().height());
}

void TestMessengerPanels::confirmationLastsUntilTheTickOnEveryPanel()
{
    QCOMPARE(shownConfirmations(), QStringList());
    control<QAction>(u"mnuAOL"_s)->trigger();
    auto* cool = control<QWidget>(u"cmdAOLCool"_s);
    QTest::mouseClick(cool, Qt::LeftButton);
    QTest::mouseClick(cool, Qt::LeftButton);
    QCOMPARE(m_desktop.beeps, 2);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"8-)"_s);

    // Another messenger panel, opened before the tick, shows its own confirmation.
    control<QAction>(u"mnuYahoo"_s)->trigger();
    QWidget* yahooCopied = control<QWidget>(u"lblYahooCopied"_s);
    QVERIFY(yahooCopied->isVisible());
    QVERIFY(control<QWidget>(u"imgYahooCopied"_s)->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!yahooCopied->isVisible(), 3000);
    QCOMPARE(shownConfirmations(), QStringList());
}

QTEST_MAIN(TestMessengerPanels)
#include "tst_messenger_panels.moc"
