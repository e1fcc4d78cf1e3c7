// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindow.h"
#include "WidgetTest.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>

using namespace Qt::StringLiterals;

// The menu's shortcuts switch panels whichever text box the user is typing in: the keys go to
// the focused box, as a person's do, and the box must not keep them for itself.
class TestMenuShortcuts : public WidgetTest {
    Q_OBJECT

private slots:
    void switchPanelsFromATextBox_data();
    void switchPanelsFromATextBox();

private:
    void prepare() override { open(std::make_unique<MainWindow>(path(QString()), m_desktop)); }
};

void TestMenuShortcuts::switchPanelsFromATextBox_data()
{
    QTest::addColumn<QString>("panelEntry"); // the menu entry that shows the box's panel
    QTest::addColumn<QString>("box");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("frame");

    const QList<std::pair<QString, QString>> boxes = {
        {u"mnuGeneral"_s, u"txtGeneralSearch"_s},
        {u"mnuConfig"_s, u"txtOwnListSearch"_s},
        {u"mnuConfig"_s, u"txtOwnListEmoticonName"_s},
        {u"mnuConfig"_s, u"txtOwnListRepresentation"_s},
    };
    const QList<std::pair<QString, QString>> shortcuts = {
        {u"Ctrl+A"_s, u"fraAOL"_s},    {u"Ctrl+M"_s, u"fraMSN"_s},     {u"Ctrl+Y"_s, u"fraYahoo"_s},
        {u"Ctrl+O"_s, u"fraConfig"_s}, {u"Ctrl+G"_s, u"fraGeneral"_s},
    };
    for (const auto& [entry, box] : boxes) {
        for (const auto& [keys, frame] : shortcuts) {
            QTest::addRow("%s in %s", qPrintable(keys), qPrintable(box))
                << entry << box << QKeySequence(keys) << frame;
        }
    }
}

void TestMenuShortcuts::switchPanelsFromATextBox()
{
    QFETCH(QString, panelEntry);
    QFETCH(QString, box);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, frame);

    control<QAction>(panelEntry)->trigger();
    auto* textBox = control<QLineEdit>(box);
    textBox->setText(u"texto"_s);
    textBox->setFocus();
    QVERIFY(textBox->hasFocus());

    QTest::keyClick(textBox, keys[0].key(), keys[0].keyboardModifiers());
    auto* shown = control<QFrame>(frame);
    QVERIFY(shown->isVisible());
    for (auto* other : widget()->findChildren<QFrame*>(QRegularExpression(u"^fra"_s)))
        QCOMPARE(other->isVisible(), other == shown);
    QCOMPARE(textBox->text(), u"texto"_s);
    QVERIFY(!textBox->hasSelectedText());
}

QTEST_MAIN(TestMenuShortcuts)
#include "tst_menu_shortcuts.moc"
