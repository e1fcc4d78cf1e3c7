// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmoticonList.h"
#include "WidgetTest.h"

using namespace Qt::StringLiterals;

// A list's one selection as a person handles it: it moves, it is never dropped.
class TestEmoticonList : public WidgetTest {
    Q_OBJECT

private slots:
    void aPersonCannotSelectNothing_data();
    void aPersonCannotSelectNothing();
};

void TestEmoticonList::aPersonCannotSelectNothing_data()
{
    QTest::addColumn<Qt::MouseButton>("button"); // none: Space pressed instead
    QTest::addColumn<bool>("control");
    QTest::addColumn<int>("row"); // -1: the blank area below the last entry
    QTest::addColumn<int>("selected");

    QTest::newRow("a click selects another entry") << Qt::LeftButton << false << 2 << 2;
    QTest::newRow("the blank area keeps it") << Qt::LeftButton << false << -1 << 1;
    QTest::newRow("Ctrl+click on it keeps it") << Qt::LeftButton << true << 1 << 1;
    QTest::newRow("Ctrl+Space on it keeps it") << Qt::NoButton << true << 1 << 1;
    QTest::newRow("the right button selects nothing") << Qt::RightButton << false << 2 << 1;
}

void TestEmoticonList::aPersonCannotSelectNothing()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, control);
    QFETCH(int, row);
    QFETCH(int, selected);
    auto& list = *open(std::make_unique<EmoticonList>());
    list.resize(200, 200);
    list.setEntries({u"Abelha"_s, u"Bala"_s, u"Bolo"_s});
    list.selectRow(1);

    const Qt::KeyboardModifiers modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
    const QRect entry = list.visualRect(list.model()->index(row, 0));
    if (button == Qt::NoButton)
        QTest::keyClick(&list, Qt::Key_Space, modifiers);
    else
        QTest::mouseClick(list.viewport(), button, modifiers,
                          row < 0 ? QPoint(20, 190) : entry.center());
    QCOMPARE(list.selectedRow(), selected);
    QCOMPARE(list.currentIndex().row(), selected);
}

QTEST_MAIN(TestEmoticonList)
#include "tst_emoticon_list.moc"
