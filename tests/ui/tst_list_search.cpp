// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmoticonList.h"
#include "ListSearch.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The prefix search over a list's entries as the lists hold them: names padded with blanks to
// 35 characters, in file order.
class TestListSearch : public QObject {
    Q_OBJECT

private slots:
    void findsTheFirstEntryBeginningWithTheText_data();
    void findsTheFirstEntryBeginningWithTheText();
    void searchesAfterStartAndWrapsRound();
};

namespace {
const QStringList Names = {u"Banana"_s,   u"Abelha"_s,     u"Ábaco"_s, u"abacaxi"_s,
                           u"Bananada"_s, u"Maçã verde"_s, u"Échec"_s};
} // namespace

void TestListSearch::findsTheFirstEntryBeginningWithTheText_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("found");

    QStringList padded;
    for (const QString& name : Names)
        padded.append(name.leftJustified(35));

    QTest::newRow("first in list order") << padded << u"ab"_s << 1;
    QTest::newRow("capitals find the same") << padded << u"AB"_s << 1;
    QTest::newRow("later entries with the same start lose") << padded << u"aba"_s << 3;
    QTest::newRow("accented letter, either case") << padded << u"áB"_s << 2;
    QTest::newRow("accented capital") << padded << u"éCHEC"_s << 6;
    QTest::newRow("unaccented letter is another letter") << padded << u"ech"_s << -1;
    QTest::newRow("cedilla") << padded << u"MAÇÃ"_s << 5;
    QTest::newRow("shorter name before longer") << padded << u"banana"_s << 0;
    QTest::newRow("whole name and its trailing blanks") << padded << u"Banana   "_s << 0;
    QTest::newRow("blanks then more text") << padded << u"Banana  d"_s << -1;
    QTest::newRow("inside a name only") << padded << u"nana"_s << -1;
    QTest::newRow("longer than every entry") << padded << QString(36, u'B') << -1;
    QTest::newRow("empty text") << padded << QString() << -1;
    QTest::newRow("empty list") << QStringList() << u"a"_s << -1;
}

void TestListSearch::findsTheFirstEntryBeginningWithTheText()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    QFETCH(int, found);

    EmoticonList list;
    list.setEntries(entries);
    QCOMPARE(ListSearch::firstBeginningWith(list, text), found);
}

void TestListSearch::searchesAfterStartAndWrapsRound()
{
    EmoticonList list;
    list.setEntries(Names);
    QCOMPARE(ListSearch::firstBeginningWith(list, u"ban", 0), 4);
    QCOMPARE(ListSearch::firstBeginningWith(list, u"ban", 4), 0);
    QCOMPARE(ListSearch::firstBeginningWith(list, u"Échec", 6), 6);
}

QTEST_MAIN(TestListSearch)
#include "tst_list_search.moc"
