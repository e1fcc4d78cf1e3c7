// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListEntries.h"
#include "Windows1252.h"

#include <QTest>

using namespace Qt::StringLiterals;
using enum Category::Layout;

Q_DECLARE_METATYPE(Category::Layout)

// The prefix search over a list's entries as the lists hold them, in the block of records a
// fill read: names padded with blanks to 35 characters, in file order.
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

// Records whose name fields hold nameFields, blank-padded.
QByteArray records(const QStringList& nameFields)
{
    QByteArray block;
    for (const QString& field : nameFields)
        block += Windows1252::encode(field.leftJustified(35)) + QByteArray(15, ' ');
    return block;
}
} // namespace

void TestListSearch::findsTheFirstEntryBeginningWithTheText_data()
{
    QTest::addColumn<QStringList>("nameFields");
    QTest::addColumn<Category::Layout>("layout");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("found");

    QTest::newRow("first in list order") << Names << OwnList << u"ab"_s << 1;
    QTest::newRow("capitals find the same") << Names << OwnList << u"AB"_s << 1;
    QTest::newRow("later entries with the same start lose") << Names << OwnList << u"aba"_s << 3;
    QTest::newRow("accented letter, either case") << Names << OwnList << u"áB"_s << 2;
    QTest::newRow("accented capital") << Names << OwnList << u"éCHEC"_s << 6;
    QTest::newRow("unaccented letter is another letter") << Names << OwnList << u"ech"_s << -1;
    QTest::newRow("cedilla") << Names << OwnList << u"MAÇÃ"_s << 5;
    QTest::newRow("capitals of bytes 0x80-0x9F")
        << QStringList{u"Ÿ"_s, u"œuvre"_s} << OwnList << u"ŒU"_s << 1;
    QTest::newRow("micro sign, whose folded form no byte holds, is itself")
        << QStringList{u"?m"_s, u"µm"_s} << OwnList << u"µM"_s << 1;
    QTest::newRow("what the data files cannot hold matches nothing")
        << QStringList{u"µm"_s} << OwnList << u"μm"_s << -1;
    QTest::newRow("shorter name before longer") << Names << OwnList << u"banana"_s << 0;
    QTest::newRow("whole name and its trailing blanks") << Names << OwnList << u"Banana   "_s << 0;
    QTest::newRow("blanks then more text") << Names << OwnList << u"Banana  d"_s << -1;
    QTest::newRow("inside a name only") << Names << OwnList << u"nana"_s << -1;
    QTest::newRow("longer than every entry") << Names << OwnList << QString(36, u'B') << -1;
    QTest::newRow("empty text") << Names << OwnList << QString() << -1;
    QTest::newRow("empty list") << QStringList() << OwnList << u"a"_s << -1;
    QTest::newRow("category name: blanks after its terminator")
        << QStringList{u"Gatoæ:-)"_s} << CategoryFile << u"gATO  "_s << 0;
    QTest::newRow("category name: its terminator is not listed")
        << QStringList{u"Gatoæ"_s} << CategoryFile << u"gatoæ"_s << -1;
    QTest::newRow("category name: leading blanks go with a terminator")
        << QStringList{u"  Gato"_s, u"  Gatoæ"_s} << CategoryFile << u"gato"_s << 1;
    QTest::newRow("category name: and stay without one")
        << QStringList{u"Gatoæ"_s, u"  Gato"_s} << CategoryFile << u"  g"_s << 1;
}

void TestListSearch::findsTheFirstEntryBeginningWithTheText()
{
    QFETCH(QStringList, nameFields);
    QFETCH(Category::Layout, layout);
    QFETCH(QString, text);
    QFETCH(int, found);
    QCOMPARE(ListEntries(records(nameFields), layout).firstBeginningWith(text), found);
}

void TestListSearch::searchesAfterStartAndWrapsRound()
{
    const ListEntries entries(records(Names), OwnList);
    QCOMPARE(entries.firstBeginningWith(u"ban", 0), 4);
    QCOMPARE(entries.firstBeginningWith(u"ban", 4), 0);
    QCOMPARE(entries.firstBeginningWith(u"Échec", 6), 6);
}

QTEST_APPLESS_MAIN(TestListSearch)
#include "tst_list_search.moc"
