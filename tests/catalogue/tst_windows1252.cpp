// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Windows1252.h"

#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWindows1252 : public QObject {
    Q_OBJECT

private slots:
    void decodesBytes_data();
    void decodesBytes();
    void everyByteSurvivesARoundTrip();
    void agreesWithTheSystemCodecWhereItIsDefined();
    void findsCharactersItCannotHold_data();
    void findsCharactersItCannotHold();
};

void TestWindows1252::decodesBytes_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");

    QTest::newRow("ASCII stays") << 0x41 << 0x41;
    QTest::newRow("0x80 is the euro sign") << 0x80 << 0x20AC;
    QTest::newRow("0x96 is the en dash") << 0x96 << 0x2013;
    QTest::newRow("0x9F is Y with diaeresis") << 0x9F << 0x178;
    QTest::newRow("undefined 0x81 keeps its number") << 0x81 << 0x81;
    QTest::newRow("undefined 0x9D keeps its number") << 0x9D << 0x9D;
    QTest::newRow("0xE6 is the terminator ae") << 0xE6 << 0xE6;
    QTest::newRow("0xC6 is the capital AE") << 0xC6 << 0xC6;
    QTest::newRow("0xFF is y with diaeresis") << 0xFF << 0xFF;
}

void TestWindows1252::decodesBytes()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    const QString text = Windows1252::decode(QByteArray(1, char(byte)));
    QCOMPARE(text.size(), 1);
    QCOMPARE(int(text[0].unicode()), codePoint);
}

void TestWindows1252::everyByteSurvivesARoundTrip()
{
    QByteArray everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte.append(char(byte));
    const QString text = Windows1252::decode(everyByte);
    QCOMPARE(text.size(), 256);
    QVERIFY(!Windows1252::firstUnencodable(text));
    QCOMPARE(Windows1252::encode(text), everyByte);
}

void TestWindows1252::agreesWithTheSystemCodecWhereItIsDefined()
{
    QStringDecoder system("windows-1252");
    if (!system.isValid())
        QSKIP("Qt has no Windows-1252 codec here");
    for (int byte = 0; byte < 256; ++byte) {
        if (QByteArray("\x81\x8D\x8F\x90\x9D").contains(char(byte)))
            continue;
        const QByteArray one(1, char(byte));
        QCOMPARE(Windows1252::decode(one), QString(system.decode(one)));
    }
}

void TestWindows1252::findsCharactersItCannotHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unencodable");
    QTest::addColumn<QByteArray>("encoded");

    QTest::newRow("accented Portuguese")
        << u"ação é já"_s << QString() << QByteArray("a\xE7\xE3o \xE9 j\xE1");
    QTest::newRow("typographic characters") << u"€…–"_s << QString() << QByteArray("\x80\x85\x96");
    QTest::newRow("the C1 control 0x80 is not the euro byte")
        << u"a\u0080"_s << u"\u0080"_s << QByteArray("a?");
    QTest::newRow("Greek") << u"xΩy"_s << u"Ω"_s << QByteArray("x?y");
    QTest::newRow("first of several") << u"ツ☺"_s << u"ツ"_s << QByteArray("??");
}

void TestWindows1252::findsCharactersItCannotHold()
{
    QFETCH(QString, text);
    QFETCH(QString, unencodable);
    QFETCH(QByteArray, encoded);
    const auto found = Windows1252::firstUnencodable(text);
    QCOMPARE(found ? QString(*found) : QString(), unencodable);
    QCOMPARE(Windows1252::encode(text), encoded);
}

QTEST_APPLESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
