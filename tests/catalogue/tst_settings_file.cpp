// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueStore.h"
#include "DataFileBuilder.h"
#include "FileModes.h"
#include "SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;

// emoticon.dat: the always-on-top choice as a tagged text, read once at start and written at
// the start of the file at shut-down.
class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(FileModes::obeyFileModes()); }
    void readsTheChoice_data();
    void readsTheChoice();
    void writesSevenBytesAndKeepsTheRest_data();
    void writesSevenBytesAndKeepsTheRest();
    void unwritableFileIsReported();
};

namespace {
QByteArray tagged(quint8 tag, quint8 length, const QByteArray& text)
{
    const char header[] = {char(tag), 0, char(length), 0};
    return QByteArray(header, sizeof header) + text;
}
} // namespace

void TestSettingsFile::readsTheChoice_data()
{
    QTest::addColumn<std::optional<QByteArray>>("content"); // none: no file
    QTest::addColumn<bool>("on");

    QTest::newRow("YYY") << std::optional(tagged(8, 3, "YYY")) << true;
    QTest::newRow("lower-case yyy") << std::optional(tagged(8, 3, "yyy")) << true;
    QTest::newRow("mixed case, bytes beyond")
        << std::optional(tagged(8, 3, "yYy") + "junk") << true;
    QTest::newRow("NNN") << std::optional(tagged(8, 3, "NNN")) << false;
    QTest::newRow("four Y") << std::optional(tagged(8, 4, "YYYY")) << false;
    QTest::newRow("two Y") << std::optional(tagged(8, 2, "YY")) << false;
    QTest::newRow("shorter than its length says") << std::optional(tagged(8, 3, "YY")) << false;
    QTest::newRow("another tag") << std::optional(tagged(9, 3, "YYY")) << false;
    QTest::newRow("empty") << std::optional(QByteArray()) << false;
    QTest::newRow("header cut short") << std::optional(QByteArray("\x08\x00", 2)) << false;
    QTest::newRow("missing: created empty") << std::optional<QByteArray>() << false;
}

void TestSettingsFile::readsTheChoice()
{
    QFETCH(std::optional<QByteArray>, content);
    QFETCH(bool, on);

    QTemporaryDir folder;
    const QString path = folder.filePath(u"emoticon.dat"_s);
    QVERIFY(!content || Build::write(path, *content));
    CatalogueStore store(folder.path());
    QCOMPARE(SettingsFile(store).readAlwaysOnTop().alwaysOnTop, on);
    // Reading changes nothing, and makes a missing file empty.
    QCOMPARE(Build::read(path), content.value_or(QByteArray()));
}

void TestSettingsFile::writesSevenBytesAndKeepsTheRest_data()
{
    QTest::addColumn<QByteArray>("before"); // empty: no file
    QTest::addColumn<bool>("on");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("missing file, off") << QByteArray() << false << tagged(8, 3, "NNN");
    QTest::newRow("on over off") << tagged(8, 3, "NNN") << true << tagged(8, 3, "YYY");
    QTest::newRow("longer file keeps its tail")
        << tagged(8, 4, "yyyy") + "tail" << true << tagged(8, 3, "YYY") + "y" + "tail";
}

void TestSettingsFile::writesSevenBytesAndKeepsTheRest()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, on);
    QFETCH(QByteArray, after);

    QTemporaryDir folder;
    const QString path = folder.filePath(u"emoticon.dat"_s);
    QVERIFY(before.isEmpty() || Build::write(path, before));
    CatalogueStore store(folder.path());
    QCOMPARE(SettingsFile(store).writeAlwaysOnTop(on), std::nullopt);
    QCOMPARE(Build::read(path), after);
}

void TestSettingsFile::unwritableFileIsReported()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"emoticon.dat"_s);
    QVERIFY(Build::write(path, tagged(8, 3, "NNN")));
    QVERIFY(FileModes::setWritable(path, false));

    CatalogueStore store(folder.path());
    const std::optional<FileFailure> failure = SettingsFile(store).writeAlwaysOnTop(true);
    QVERIFY(failure);
    QVERIFY2(failure->message().contains(u"emoticon.dat"_s), qPrintable(failure->message()));
    QVERIFY(failure->message().contains(u"sem permissão"_s));
    QCOMPARE(Build::read(path), tagged(8, 3, "NNN"));
    QVERIFY(FileModes::setWritable(path, true));
}

QTEST_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
