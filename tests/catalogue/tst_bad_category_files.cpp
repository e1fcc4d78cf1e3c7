// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueStore.h"
#include "DataFileBuilder.h"
#include "FileModes.h"
#include "ListEntries.h"
#include "SystemFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;

namespace {

const QByteArray Cat = Build::categoryRecord({u"Gato"_s, u"=^.^="_s});

QString decoded(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes); // the tests' bytes outside 0x80-0x9F
}

} // namespace

// Category files anyone could hand the program: whatever lies in a category file's place, the
// readers list what the layout says, and never crash or wait.
class TestBadCategoryFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(FileModes::obeyFileModes()); }
    void init();
    void cleanup() { m_folder.reset(); }
    void whatLiesThereListsWhatTheLayoutSays_data();
    void whatLiesThereListsWhatTheLayoutSays();
    void oddBytesAreListedAsTheLayoutSays_data();
    void oddBytesAreListedAsTheLayoutSays();
    void aMillionRecordsAreAllListed();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;
};

void TestBadCategoryFiles::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_path = m_folder->filePath(u"all.bra"_s);
}

void TestBadCategoryFiles::whatLiesThereListsWhatTheLayoutSays_data()
{
    QTest::addColumn<QString>("what"); // "file", "folder", "pipe", "unreadable file" or a disk
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("entries");

    const QByteArray twoRecords = Build::categoryFile(Cat + Cat);
    QTest::newRow("999 bytes: no leading block") << u"file"_s << twoRecords.left(999) << 0;
    QTest::newRow("1051 bytes: one record and a byte") << u"file"_s << twoRecords.left(1051) << 1;
    QTest::newRow("a folder") << u"folder"_s << QByteArray() << 0;
    QTest::newRow("a named pipe, which no one writes") << u"pipe"_s << QByteArray() << 0;
    QTest::newRow("a file without read rights") << u"unreadable file"_s << twoRecords << 0;
    QTest::newRow("a disk failing as it is read") << u"disk failing to read"_s << twoRecords << 0;
    QTest::newRow("or as the file is measured") << u"disk failing to measure"_s << twoRecords << 0;
}

void TestBadCategoryFiles::whatLiesThereListsWhatTheLayoutSays()
{
    QFETCH(QString, what);
    QFETCH(QByteArray, bytes);
    QFETCH(int, entries);
    if (what == u"folder")
        QVERIFY(QDir().mkdir(m_path));
    else if (what == u"pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(m_path).constData(), 0644), 0);
    else
        QVERIFY(Build::write(m_path, bytes));
    if (what == u"unreadable file")
        QVERIFY(QFile::setPermissions(m_path, QFileDevice::WriteOwner));

    std::optional<SystemFile::SimulatedFault> fault;
    if (what.startsWith(u"disk"))
        fault.emplace(what.endsWith(u"read") ? SystemFile::Step::Read : SystemFile::Step::Measure,
                      std::errc::io_error);

    CatalogueStore store(m_folder->path());
    const ListSource source{Category::Layout::CategoryFile, m_path};
    const ReadResult read = store.readRecords(source);
    QCOMPARE(ListEntries(read.bytes, source.layout).count(), entries);
    QCOMPARE(read.failure ? read.failure->message().section(u": "_s, 0, 0) : QString(),
             what == u"file" ? QString() : u"Não foi possível ler o arquivo "_s + m_path);
    QCOMPARE(store.readShownTexts(source, entries).has_value(), false);
    if (entries > 0)
        QCOMPARE(store.readShownTexts(source, entries - 1), (EmoticonTexts{u"Gato"_s, u"=^.^="_s}));
}

void TestBadCategoryFiles::oddBytesAreListedAsTheLayoutSays_data()
{
    QTest::addColumn<QByteArray>("nameField");
    QTest::addColumn<QByteArray>("representationField");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<EmoticonTexts>("shown");

    const QByteArray nuls(3, '\0');
    QTest::newRow("NUL bytes are characters like any other")
        << nuls + "Nul" + nuls + "\xE6" << nuls + ":)\xE6"
        << decoded(nuls + "Nul" + nuls).leftJustified(35)
        << EmoticonTexts{decoded(nuls + "Nul" + nuls), decoded(nuls + ":)")};
    QTest::newRow("fields all NUL: no terminator, the raw name listed, nothing shown")
        << QByteArray(35, '\0') << QByteArray(15, '\0') << QString(35, QChar(0)) << EmoticonTexts{};
    QTest::newRow("terminators only: empty texts")
        << QByteArray(35, '\xE6') << QByteArray("\xE6") << QString(35, u' ') << EmoticonTexts{};
    QTest::newRow("upper-case \xC6 ends nothing: the raw name listed, nothing shown")
        << QByteArray("\xC6on\xC6") << QByteArray(":-)\xC6") << u"ÆonÆ"_s.leftJustified(35)
        << EmoticonTexts{};
    QTest::newRow("bytes 0x80 to 0x9F as Windows-1252, the undefined five as C1 controls")
        << QByteArray("\x80\x81\x8D\x8F\x90\x9D\x9F\xE6") << QByteArray("\x85\x99\xE6")
        << u"€\u0081\u008D\u008F\u0090\u009DŸ"_s.leftJustified(35)
        << EmoticonTexts{u"€\u0081\u008D\u008F\u0090\u009DŸ"_s, u"…™"_s};
}

void TestBadCategoryFiles::oddBytesAreListedAsTheLayoutSays()
{
    QFETCH(QByteArray, nameField);
    QFETCH(QByteArray, representationField);
    QFETCH(QString, entry);
    QFETCH(EmoticonTexts, shown);
    QVERIFY(Build::write(
        m_path, Build::categoryFile(Cat + Build::record(nameField, representationField) + Cat)));

    CatalogueStore store(m_folder->path());
    const ListSource source{Category::Layout::CategoryFile, m_path};
    const ListEntries entries(store.readRecords(source).bytes, source.layout);
    QCOMPARE(entries.count(), 3);
    QCOMPARE(entries.entry(1), entry);
    QCOMPARE(store.readShownTexts(source, 1), std::optional(shown));
}

void TestBadCategoryFiles::aMillionRecordsAreAllListed()
{
    constexpr int Count = 1'000'000;
    QByteArray records;
    records.reserve(qsizetype(Count) * 50);
    for (int i = 0; i < Count; ++i)
        records += Build::record("Emoticon " + QByteArray::number(i) + '\xE6',
                                 "#" + QByteArray::number(i) + '\xE6');
    QVERIFY(Build::write(m_path, Build::categoryFile(records)));

    CatalogueStore store(m_folder->path());
    const ListSource source{Category::Layout::CategoryFile, m_path};
    QElapsedTimer clock;
    clock.start();
    const ListEntries entries(store.readRecords(source).bytes, source.layout);
    qInfo("a million entries listed in %lld ms", clock.elapsed());
    QCOMPARE(entries.count(), Count);
    QCOMPARE(entries.entry(Count - 1), u"Emoticon 999999"_s.leftJustified(35));
    QCOMPARE(store.readShownTexts(source, Count - 1),
             (EmoticonTexts{u"Emoticon 999999"_s, u"#999999"_s}));
}

QTEST_GUILESS_MAIN(TestBadCategoryFiles)
#include "tst_bad_category_files.moc"
