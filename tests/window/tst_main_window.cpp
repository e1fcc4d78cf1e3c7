// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFileBuilder.h"
#include "EmoticonList.h"
#include "MainWindow.h"
#include "WidgetTest.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;

namespace {
const QStringList FrameNames = {u"fraGeneral"_s, u"fraConfig"_s, u"fraAOL"_s, u"fraMSN"_s,
                                u"fraYahoo"_s};
} // namespace

// The window on a temporary program folder: 9 emoticons in the whole catalogue, 2 in the
// own list.
class TestMainWindow : public WidgetTest {
    Q_OBJECT

private slots:
    void opensOnTheBrowsePanelWithTheWholeCatalogue();
    void hasAFixedClientArea();
    void switchesPanels_data();
    void switchesPanels();
    void ownListButtonPreparesTheEditor();
    void ownListMenuEntryRefreshesNothing();
    void messengerButtonsRebuildTheOwnList();
    void linkButtonsLeaveThePanel();

private:
    void prepare() override;
    QStringList visibleFrames() const;
    void appendOwnListRecord(const QString& name);

    MainWindow* m_window = nullptr;
};

void TestMainWindow::prepare()
{
    write(u"all.bra"_s, Build::categoryFile(Build::numbered(u"Todos"_s, 9)));
    write(u"custom.bra"_s,
          Build::ownListFile({{u" Meu gato "_s, u"=^.^="_s}, {u"Sol"_s, u"\\o/"_s}}));
    m_window = open(std::make_unique<MainWindow>(path(QString()), m_desktop));
}

QStringList TestMainWindow::visibleFrames() const
{
    QStringList visible;
    for (const QString& name : FrameNames) {
        if (control<QFrame>(name)->isVisibleTo(m_window))
            visible.append(name);
    }
    return visible;
}

void TestMainWindow::appendOwnListRecord(const QString& name)
{
    QFile file(path(u"custom.bra"_s));
    QVERIFY(file.open(QIODevice::Append));
    file.write(Build::ownListFile({{name, u":-)"_s}}));
}

void TestMainWindow::opensOnTheBrowsePanelWithTheWholeCatalogue()
{
    QCOMPARE(m_window->windowTitle(), u"Quillane Emoticon"_s);
    QCOMPARE(visibleFrames(), QStringList{u"fraGeneral"_s});
    QCOMPARE(control<QComboBox>(u"cboGeneralCategory"_s)->currentText(), u"TODOS"_s);
    QCOMPARE(control<EmoticonList>(u"lstGeneralEmoticons"_s)->count(), 9);
    QCOMPARE(control<QLabel>(u"lblGeneralEmoticonsNum"_s)->text(), u"9"_s);
    QVERIFY(!control<QLabel>(u"lblGeneralCopied"_s)->isVisibleTo(m_window));
}

void TestMainWindow::hasAFixedClientArea()
{
    QCOMPARE(m_window->centralWidget()->size(), QSize(481, 368));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
}

void TestMainWindow::switchesPanels_data()
{
    QTest::addColumn<QString>("startMenuEntry");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("what"); // a menu entry, a key sequence or "Toolbar:index"
    QTest::addColumn<QString>("frame");
    // A text box the keys go to, focused and holding a text it must keep; or none.
    QTest::addColumn<QString>("box");

    const QList<std::tuple<QString, QString, QString>> ways = {
        {u"mnuGeneral"_s, u"Ctrl+G"_s, u"Toolbar1:1"_s},
        {u"mnuConfig"_s, u"Ctrl+O"_s, u"Toolbar1:2"_s},
        {u"mnuAOL"_s, u"Ctrl+A"_s, u"Toolbar2:1"_s},
        {u"mnuMSN"_s, u"Ctrl+M"_s, u"Toolbar2:2"_s},
        {u"mnuYahoo"_s, u"Ctrl+Y"_s, u"Toolbar2:3"_s},
    };
    for (int i = 0; i < ways.size(); ++i) {
        const auto& [entry, keys, button] = ways[i];
        const QString& frame = FrameNames[i]; // the ways are listed in the frames' order
        // Start on another panel, and once on the same one.
        const QString other = std::get<0>(ways[(i + 2) % ways.size()]);
        QTest::addRow("menu %s", qPrintable(entry))
            << other << u"menu"_s << entry << frame << QString();
        QTest::addRow("shortcut %s", qPrintable(keys))
            << other << u"keys"_s << keys << frame << QString();
        QTest::addRow("button %s", qPrintable(button))
            << other << u"toolbar"_s << button << frame << QString();
        QTest::addRow("menu %s again", qPrintable(entry))
            << entry << u"menu"_s << entry << frame << QString();
    }
    // The shortcuts act whichever text box the user is typing in.
    const QList<std::pair<QString, QString>> boxes = {
        {u"mnuGeneral"_s, u"txtGeneralSearch"_s},
        {u"mnuConfig"_s, u"txtOwnListSearch"_s},
        {u"mnuConfig"_s, u"txtOwnListEmoticonName"_s},
        {u"mnuConfig"_s, u"txtOwnListRepresentation"_s},
    };
    for (const auto& [panelEntry, box] : boxes) {
        for (int i = 0; i < ways.size(); ++i) {
            const QString& keys = std::get<1>(ways[i]);
            QTest::addRow("%s in %s", qPrintable(keys), qPrintable(box))
                << panelEntry << u"keys"_s << keys << FrameNames[i] << box;
        }
    }
}

void TestMainWindow::switchesPanels()
{
    QFETCH(QString, startMenuEntry);
    QFETCH(QString, how);
    QFETCH(QString, what);
    QFETCH(QString, frame);
    QFETCH(QString, box);

    control<QAction>(startMenuEntry)->trigger();
    QLineEdit* textBox = box.isEmpty() ? nullptr : control<QLineEdit>(box);
    if (textBox) {
        textBox->setText(u"texto"_s);
        textBox->setFocus();
        QVERIFY(textBox->hasFocus());
    }
    if (how == u"menu") {
        control<QAction>(what)->trigger();
    } else if (how == u"keys") {
        // To the focused box, as a person's keys go, or else to the window.
        const QKeyCombination keys = QKeySequence(what)[0];
        QTest::keyClick(textBox ? static_cast<QWidget*>(textBox) : m_window, keys.key(),
                        keys.keyboardModifiers());
    } else {
        const QStringList button = what.split(u':');
        clickToolbarButton(button[0], button[1].toInt());
    }
    QCOMPARE(visibleFrames(), QStringList{frame});
    if (textBox) {
        QCOMPARE(textBox->text(), u"texto"_s);
        QVERIFY(!textBox->hasSelectedText());
    }
}

void TestMainWindow::ownListButtonPreparesTheEditor()
{
    control<QLineEdit>(u"txtOwnListEmoticonName"_s)->setText(u"rascunho"_s);
    control<QLineEdit>(u"txtOwnListRepresentation"_s)->setText(u":-/"_s);
    clickToolbarButton(u"Toolbar1"_s, 2);

    QCOMPARE(visibleFrames(), QStringList{u"fraConfig"_s});
    QCOMPARE(control<EmoticonList>(u"lstOwnListEmoticons"_s)->count(), 9);
    EmoticonList* ownList = control<EmoticonList>(u"lstOwnListCustom"_s);
    QCOMPARE(ownList->count(), 2);
    QCOMPARE(ownList->entry(0), u"Meu gato"_s);
    QCOMPARE(ownList->selectedRow(), -1);
    QVERIFY(control<QLineEdit>(u"txtOwnListEmoticonName"_s)->text().isEmpty());
    QVERIFY(control<QLineEdit>(u"txtOwnListRepresentation"_s)->text().isEmpty());
}

void TestMainWindow::ownListMenuEntryRefreshesNothing()
{
    control<QAction>(u"mnuConfig"_s)->trigger();
    QCOMPARE(control<EmoticonList>(u"lstOwnListEmoticons"_s)->count(), 0);
    QCOMPARE(control<EmoticonList>(u"lstOwnListCustom"_s)->count(), 0);

    clickToolbarButton(u"Toolbar1"_s, 2);
    control<QLineEdit>(u"txtOwnListEmoticonName"_s)->setText(u"rascunho"_s);
    appendOwnListRecord(u"Novo"_s);
    control<QAction>(u"mnuGeneral"_s)->trigger();
    control<QAction>(u"mnuConfig"_s)->trigger();
    QCOMPARE(control<EmoticonList>(u"lstOwnListCustom"_s)->count(), 2);
    QCOMPARE(control<QLineEdit>(u"txtOwnListEmoticonName"_s)->text(), u"rascunho"_s);
}

void TestMainWindow::messengerButtonsRebuildTheOwnList()
{
    appendOwnListRecord(u"Novo"_s);
    clickToolbarButton(u"Toolbar2"_s, 2);
    QCOMPARE(visibleFrames(), QStringList{u"fraMSN"_s});
    QCOMPARE(control<EmoticonList>(u"lstOwnListCustom"_s)->count(), 3);
    QCOMPARE(control<EmoticonList>(u"lstOwnListEmoticons"_s)->count(), 0);
}

void TestMainWindow::linkButtonsLeaveThePanel()
{
    control<QAction>(u"mnuYahoo"_s)->trigger();
    clickToolbarButton(u"Toolbar3"_s, 1);
    clickToolbarButton(u"Toolbar3"_s, 2);
    QCOMPARE(visibleFrames(), QStringList{u"fraYahoo"_s});
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
