// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmoticonRecord.h"
#include "ListEntries.h"
#include "RecordLayout.h"
#include "Windows1252.h"

#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

// A record count from a file length, or a record's offset from its index.
using LayoutFunction = qint64 (*)(qint64);

Q_DECLARE_METATYPE(std::optional<QString>)
Q_DECLARE_METATYPE(LayoutFunction)

class TestEmoticonRecord : public QObject {
    Q_OBJECT

private slots:
    void fieldTextEndsAtTheTerminator_data();
    void fieldTextEndsAtTheTerminator();
    void listEntryIsTheCutNamePadded_data();
    void listEntryIsTheCutNamePadded();
    void fieldIsCutOrPadded_data();
    void fieldIsCutOrPadded();
    void trimsBlanksOnly();
    void recordBytesAreWindows1252();
    void recordCountsAndOffsets_data();
    void recordCountsAndOffsets();
};

void TestEmoticonRecord::fieldTextEndsAtTheTerminator_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<std::optional<QString>>("text");

    const auto text = [](const QString& t) { return std::optional<QString>(t); };
    QTest::newRow("text, terminator, padding") << u":-)æ           "_s << text(u":-)"_s);
    QTest::newRow("blank before the terminator stays, leading blank goes")
        << u" :-) æ         "_s << text(u":-) "_s);
    QTest::newRow("what follows the terminator is ignored") << u":-)æabc"_s << text(u":-)"_s);
    QTest::newRow("only the first terminator counts") << u"a æbæ"_s << text(u"a "_s);
    QTest::newRow("starts with the terminator: empty text") << u"æ:-)"_s << text(QString());
    QTest::newRow("blanks then terminator: empty text") << u"   æ   "_s << text(QString());
    QTest::newRow("upper-case AE is no terminator")
        << u":-)Æ           "_s << std::optional<QString>();
    QTest::newRow("no terminator") << u":-)            "_s << std::optional<QString>();
    QTest::newRow("blanks only") << QString(15, u' ') << std::optional<QString>();
}

void TestEmoticonRecord::fieldTextEndsAtTheTerminator()
{
    QFETCH(QString, field);
    QFETCH(std::optional<QString>, text);
    QCOMPARE(categoryFieldText(field), text);
}

void TestEmoticonRecord::listEntryIsTheCutNamePadded_data()
{
    QTest::addColumn<QString>("nameField");
    QTest::addColumn<QString>("entry");

    const auto padded = [](const QString& t) { return t.leftJustified(35); };
    QTest::newRow("blanks, word, terminator: the word, padded")
        << padded(u"   Gatoæ"_s) << padded(u"Gato"_s);
    QTest::newRow("no terminator: the raw field, leading blanks included")
        << padded(u"  Gato"_s) << padded(u"  Gato"_s);
    QTest::newRow("trimmed name starts with the terminator: all blanks")
        << padded(u"  æGato"_s) << QString(35, u' ');
    QTest::newRow("upper-case AE: the raw field") << padded(u"GatoÆ"_s) << padded(u"GatoÆ"_s);
    QTest::newRow("34 characters and the terminator")
        << QString(34, u'x') + u"æ"_s << QString(34, u'x') + u' ';
}

void TestEmoticonRecord::listEntryIsTheCutNamePadded()
{
    QFETCH(QString, nameField);
    QFETCH(QString, entry);
    const QByteArray record = Windows1252::encode(nameField) + QByteArray(15, ' ');
    QCOMPARE(ListEntries(record, Category::Layout::CategoryFile).entry(0), entry);
}

void TestEmoticonRecord::fieldIsCutOrPadded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("field");

    QTest::newRow("shorter: padded with blanks") << u":-)"_s << 15 << u":-)            "_s;
    QTest::newRow("longer: cut") << u"0123456789ABCDEFG"_s << 15 << u"0123456789ABCDE"_s;
    QTest::newRow("exact") << u"0123456789ABCDE"_s << 15 << u"0123456789ABCDE"_s;
    QTest::newRow("leading blanks kept") << u"  a"_s << 5 << u"  a  "_s;
    QTest::newRow("empty: all blanks") << QString() << 35 << QString(35, u' ');
}

void TestEmoticonRecord::fieldIsCutOrPadded()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, field);
    QCOMPARE(storeField(text, width), field);
}

void TestEmoticonRecord::trimsBlanksOnly()
{
    QCOMPARE(trimBlanks(u"  \ta b\t  "), u"\ta b\t");
    QCOMPARE(trimBlanks(u"     "), u"");
}

void TestEmoticonRecord::recordBytesAreWindows1252()
{
    const EmoticonRecord record = EmoticonRecord::fromTexts(u"Café", u"€:-)");
    const QByteArray bytes =
        QByteArray("Caf\xE9").leftJustified(35) + QByteArray("\x80:-)").leftJustified(15);
    QCOMPARE(record.toBytes(), bytes);
    QCOMPARE(EmoticonRecord::fromBytes(bytes), record);
}

void TestEmoticonRecord::recordCountsAndOffsets_data()
{
    QTest::addColumn<LayoutFunction>("function");
    QTest::addColumn<qint64>("argument");
    QTest::addColumn<qint64>("result");

    const LayoutFunction count = RecordLayout::categoryRecordCount;
    const LayoutFunction ownCount = RecordLayout::ownListRecordCount;
    QTest::newRow("count, category: empty") << count << 0LL << 0LL;
    QTest::newRow("count, category: shorter than the block") << count << 999LL << 0LL;
    QTest::newRow("count, category: the block alone") << count << 1000LL << 0LL;
    QTest::newRow("count, category: one byte short of a record") << count << 1049LL << 0LL;
    QTest::newRow("count, category: one record") << count << 1050LL << 1LL;
    QTest::newRow("count, category: a record and a piece") << count << 1099LL << 1LL;
    QTest::newRow("count, category: two records") << count << 1100LL << 2LL;
    QTest::newRow("count, own list: empty") << ownCount << 0LL << 0LL;
    QTest::newRow("count, own list: a piece") << ownCount << 49LL << 0LL;
    QTest::newRow("count, own list: two records") << ownCount << 100LL << 2LL;
    QTest::newRow("count, own list: two records and a piece") << ownCount << 149LL << 2LL;
    const LayoutFunction offset = RecordLayout::categoryRecordOffset;
    QTest::newRow("offset, category: first entry") << offset << 0LL << 1000LL;
    QTest::newRow("offset, category: entry 3") << offset << 3LL << 1150LL;
    QTest::newRow("offset, category: entry 700") << offset << 700LL << 36000LL;
    QTest::newRow("offset, category: beyond 32-bit offsets")
        << offset << 50'000'000LL << 2'500'001'000LL;
    QTest::newRow("offset, own list: entry 3 is record 4")
        << LayoutFunction(RecordLayout::ownListRecordOffset) << 3LL << 150LL;
}

void TestEmoticonRecord::recordCountsAndOffsets()
{
    QFETCH(LayoutFunction, function);
    QFETCH(qint64, argument);
    QFETCH(qint64, result);
    QCOMPARE(function(argument), result);
}

QTEST_APPLESS_MAIN(TestEmoticonRecord)
#include "tst_emoticon_record.moc"
