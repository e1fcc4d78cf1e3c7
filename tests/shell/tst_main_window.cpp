// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFileBuilder.h"
#include "EmoticonList.h"
#include "FindControl.h"
#include "MainWindow.h"
#include "RecordingDesktop.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;

namespace {
const QStringList FrameNames = {u"fraGeneral"_s, u"fraConfig"_s, u"fraAOL"_s, u"fraMSN"_s,
                                u"fraYahoo"_s};
} // namespace

// The window on a temporary program folder: 9 emoticons in the whole catalogue, 2 in the
// own list.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOnTheBrowsePanelWithTheWholeCatalogue();
    void hasAFixedClientArea();
    void switchesPanels_data();
    void switchesPanels();
    void ownListButtonPreparesTheEditor();
    void ownListMenuEntryRefreshesNothing();
    void messengerButtonsRebuildTheOwnList();
    void linkButtonsLeaveThePanel();

private:
    template <typename T> T* find(const QString& name) const
    {
        return findControl<T>(m_window.get(), name);
    }
    QStringList visibleFrames() const;
    void clickToolbarButton(const QString& toolbar, int index);
    void appendOwnListRecord(const QString& name);

    std::unique_ptr<QTemporaryDir> m_folder;
    RecordingDesktop m_desktop;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(Build::write(m_folder->filePath(u"all.bra"_s),
                         Build::categoryFile(Build::numbered(u"Todos"_s, 9))));
    QVERIFY(
        Build::write(m_folder->filePath(u"custom.bra"_s),
                     Build::ownListFile({{u" Meu gato "_s, u"=^.^="_s}, {u"Sol"_s, u"\\o/"_s}})));
    m_window = std::make_unique<MainWindow>(m_folder->path(), m_desktop);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QStringList TestMainWindow::visibleFrames() const
{
    QStringList visible;
    for (const QString& name : FrameNames) {
        if (find<QFrame>(name)->isVisibleTo(m_window.get()))
            visible.append(name);
    }
    return visible;
}

void TestMainWindow::clickToolbarButton(const QString& toolbar, int index)
{
    QToolBar* bar = find<QToolBar>(toolbar);
    QWidget* button = bar->widgetForAction(bar->actions().at(index - 1));
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestMainWindow::appendOwnListRecord(const QString& name)
{
    QFile file(m_folder->filePath(u"custom.bra"_s));
    QVERIFY(file.open(QIODevice::Append));
    file.write(Build::ownListFile({{name, u":-)"_s}}));
}

void TestMainWindow::opensOnTheBrowsePanelWithTheWholeCatalogue()
{
    QCOMPARE(m_window->windowTitle(), u"Quillane Emoticon"_s);
    QCOMPARE(visibleFrames(), QStringList{u"fraGeneral"_s});
    QCOMPARE(find<QComboBox>(u"cboGeneralCategory"_s)->currentText(), u"TODOS"_s);
    QCOMPARE(find<EmoticonList>(u"lstGeneralEmoticons"_s)->count(), 9);
    QCOMPARE(find<QLabel>(u"lblGeneralEmoticonsNum"_s)->text(), u"9"_s);
    QVERIFY(!find<QLabel>(u"lblGeneralCopied"_s)->isVisibleTo(m_window.get()));
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
        QTest::addRow("menu %s", qPrintable(entry)) << other << u"menu"_s << entry << frame;
        QTest::addRow("shortcut %s", qPrintable(keys)) << other << u"keys"_s << keys << frame;
        QTest::addRow("button %s", qPrintable(button)) << other << u"toolbar"_s << button << frame;
        QTest::addRow("menu %s again", qPrintable(entry)) << entry << u"menu"_s << entry << frame;
    }
}

void TestMainWindow::switchesPanels()
{
    QFETCH(QString, startMenuEntry);
    QFETCH(QString, how);
    QFETCH(QString, what);
    QFETCH(QString, frame);

    find<QAction>(startMenuEntry)->trigger();
    if (how == u"menu") {
        find<QAction>(what)->trigger();
    } else if (how == u"keys") {
        const QKeyCombination keys = QKeySequence(what)[0];
        QTest::keyClick(m_window.get(), keys.key(), keys.keyboardModifiers());
    } else {
        const QStringList button = what.split(u':');
        clickToolbarButton(button[0], button[1].toInt());
    }
    QCOMPARE(visibleFrames(), QStringList{frame});
}

void TestMainWindow::ownListButtonPreparesTheEditor()
{
    find<QLineEdit>(u"txtOwnListEmoticonName"_s)->setText(u"rascunho"_s);
    find<QLineEdit>(u"txtOwnListRepresentation"_s)->setText(u":-/"_s);
    clickToolbarButton(u"Toolbar1"_s, 2);

    QCOMPARE(visibleFrames(), QStringList{u"fraConfig"_s});
    QCOMPARE(find<EmoticonList>(u"lstOwnListEmoticons"_s)->count(), 9);
    EmoticonList* ownList = find<EmoticonList>(u"lstOwnListCustom"_s);
    QCOMPARE(ownList->count(), 2);
    QCOMPARE(ownList->entry(0), u"Meu gato"_s);
    QCOMPARE(ownList->selectedRow(), -1);
    QVERIFY(find<QLineEdit>(u"txtOwnListEmoticonName"_s)->text().isEmpty());
    QVERIFY(find<QLineEdit>(u"txtOwnListRepresentation"_s)->text().isEmpty());
}

void TestMainWindow::ownListMenuEntryRefreshesNothing()
{
    find<QAction>(u"mnuConfig"_s)->trigger();
    QCOMPARE(find<EmoticonList>(u"lstOwnListEmoticons"_s)->count(), 0);
    QCOMPARE(find<EmoticonList>(u"lstOwnListCustom"_s)->count(), 0);

    clickToolbarButton(u"Toolbar1"_s, 2);
    find<QLineEdit>(u"txtOwnListEmoticonName"_s)->setText(u"rascunho"_s);
    appendOwnListRecord(u"Novo"_s);
    find<QAction>(u"mnuGeneral"_s)->trigger();
    find<QAction>(u"mnuConfig"_s)->trigger();
    QCOMPARE(find<EmoticonList>(u"lstOwnListCustom"_s)->count(), 2);
    QCOMPARE(find<QLineEdit>(u"txtOwnListEmoticonName"_s)->text(), u"rascunho"_s);
}

void TestMainWindow::messengerButtonsRebuildTheOwnList()
{
    appendOwnListRecord(u"Novo"_s);
    clickToolbarButton(u"Toolbar2"_s, 2);
    QCOMPARE(visibleFrames(), QStringList{u"fraMSN"_s});
    QCOMPARE(find<EmoticonList>(u"lstOwnListCustom"_s)->count(), 3);
    QCOMPARE(find<EmoticonList>(u"lstOwnListEmoticons"_s)->count(), 0);
}

void TestMainWindow::linkButtonsLeaveThePanel()
{
    find<QAction>(u"mnuYahoo"_s)->trigger();
    clickToolbarButton(u"Toolbar3"_s, 1);
    clickToolbarButton(u"Toolbar3"_s, 2);
    QCOMPARE(visibleFrames(), QStringList{u"fraYahoo"_s});
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
