// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueStore.h"
#include "DataFileBuilder.h"
#include "FailureTexts.h"
#include "FileModes.h"
#include "OwnListFile.h"
#include "SystemFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace FailureTexts;
namespace Build = DataFileBuilder;
using Step = SystemFile::Step;

Q_DECLARE_METATYPE(std::optional<QByteArray>)

namespace {

const QByteArray Cat = Build::record("  Gato", "=^.^=");
const QByteArray Sun = Build::record("Sol", "\\o/");
// Bytes a trimmed rebuild would change: leading blanks, a terminator, a tab, a C1 byte.
const QByteArray Odd = Build::record("  m\xE6"
                                     "e\t",
                                     "\x81 :-) ");
const std::optional<QByteArray> Missing;

} // namespace

class TestOwnListFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(FileModes::obeyFileModes()); }
    void init();
    void cleanup();
    void appendsAfterTheLastWholeRecord_data();
    void appendsAfterTheLastWholeRecord();
    void removesOneRecordKeepingTheOthersByteForByte_data();
    void removesOneRecordKeepingTheOthersByteForByte();
    void clearLeavesNoFile_data();
    void clearLeavesNoFile();
    void linkedListIsNeverSplit_data();
    void linkedListIsNeverSplit();
    void failureIsReportedAndLeavesTheFileAsItWas_data();
    void failureIsReportedAndLeavesTheFileAsItWas();
    void fullDiskKeepsTheOldList_data();
    void fullDiskKeepsTheOldList();

private:
    QString path(const QString& name) const { return m_folder->filePath(name); }
    std::optional<QByteArray> ownList() const { return Build::read(path(u"custom.bra"_s)); }
    void setOwnList(const std::optional<QByteArray>& bytes) const;
    // "append" (of Novo, :-D), "remove" (of the first record) or "clear".
    std::optional<FileFailure> apply(const QString& operation) const;

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<CatalogueStore> m_store;
};

void TestOwnListFile::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<CatalogueStore>(m_folder->path());
}

void TestOwnListFile::cleanup()
{
    // Whatever a test made read-only, the folder must be removable.
    FileModes::setWritable(m_folder->path(), true);
    m_store.reset();
    m_folder.reset();
}

void TestOwnListFile::setOwnList(const std::optional<QByteArray>& bytes) const
{
    if (bytes)
        QVERIFY(Build::write(path(u"custom.bra"_s), *bytes));
}

std::optional<FileFailure> TestOwnListFile::apply(const QString& operation) const
{
    OwnListFile file(*m_store);
    return operation == u"append"   ? file.append(EmoticonRecord::fromTexts(u"Novo", u":-D"))
           : operation == u"remove" ? file.remove(0)
                                    : file.clear();
}

void TestOwnListFile::appendsAfterTheLastWholeRecord_data()
{
    QTest::addColumn<std::optional<QByteArray>>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("representation");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("missing file: created with one padded record")
        << Missing << u"Sol"_s << u"\\o/"_s << Sun;
    QTest::newRow("same emoticon twice: two records")
        << std::optional(Sun) << u"Sol"_s << u"\\o/"_s << Sun + Sun;
    QTest::newRow("leading blanks are stored")
        << std::optional(Sun) << u"  Gato"_s << u"=^.^="_s << Sun + Cat;
    QTest::newRow("long texts cut to the field widths")
        << Missing << QString(40, u'n') << QString(20, u'r')
        << QByteArray(35, 'n') + QByteArray(15, 'r');
    QTest::newRow("a trailing piece of a record is written over")
        << std::optional(Sun + "junk") << u"  Gato"_s << u"=^.^="_s << Sun + Cat;
    QTest::newRow("Windows-1252 bytes") << Missing << u"Mãe €"_s << u"æ"_s
                                        << Build::record("M\xE3"
                                                         "e \x80",
                                                         "\xE6");
}

void TestOwnListFile::appendsAfterTheLastWholeRecord()
{
    QFETCH(std::optional<QByteArray>, before);
    QFETCH(QString, name);
    QFETCH(QString, representation);
    QFETCH(QByteArray, after);
    setOwnList(before);

    QCOMPARE(OwnListFile(*m_store).append(EmoticonRecord::fromTexts(name, representation)),
             std::nullopt);
    QCOMPARE(ownList(), std::optional(after));
}

void TestOwnListFile::removesOneRecordKeepingTheOthersByteForByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("stale"); // a custom.tmp left by an interrupted run, if any

    QTest::newRow("second of three") << Odd + Sun + Cat << 1 << Odd + Cat << QByteArray();
    QTest::newRow("first of three") << Sun + Odd + Cat << 0 << Odd + Cat << QByteArray();
    QTest::newRow("last of three") << Cat + Odd + Sun << 2 << Cat + Odd << QByteArray();
    QTest::newRow("the only one: an empty file") << Sun << 0 << QByteArray() << QByteArray();
    QTest::newRow("one of two identical records") << Sun + Sun << 1 << Sun << QByteArray();
    QTest::newRow("a trailing piece of a record is dropped")
        << Cat + Sun + "junk" << 0 << Sun << QByteArray();
    QTest::newRow("a stale temporary file never reaches the list")
        << Cat + Sun << 0 << Sun << Odd + Odd + Odd;
}

void TestOwnListFile::removesOneRecordKeepingTheOthersByteForByte()
{
    QFETCH(QByteArray, before);
    QFETCH(int, index);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, stale);
    setOwnList(before);
    QVERIFY(stale.isEmpty() || Build::write(path(u"custom.tmp"_s), stale));
    // A list its user keeps private stays so through the replacement.
    QVERIFY(QFile::setPermissions(path(u"custom.bra"_s), QFile::ReadOwner | QFile::WriteOwner));

    QCOMPARE(OwnListFile(*m_store).remove(index), std::nullopt);
    QCOMPARE(ownList(), std::optional(after));
    QVERIFY(!QFile::exists(path(u"custom.tmp"_s)));
    QCOMPARE(QFile::permissions(path(u"custom.bra"_s)) & (QFile::ReadGroup | QFile::ReadOther),
             QFile::Permissions());
}

void TestOwnListFile::clearLeavesNoFile_data()
{
    QTest::addColumn<std::optional<QByteArray>>("before");
    QTest::newRow("two records") << std::optional(Cat + Sun);
    QTest::newRow("already missing") << Missing;
}

void TestOwnListFile::clearLeavesNoFile()
{
    QFETCH(std::optional<QByteArray>, before);
    setOwnList(before);
    QCOMPARE(OwnListFile(*m_store).clear(), std::nullopt);
    QCOMPARE(ownList(), Missing);
}

void TestOwnListFile::linkedListIsNeverSplit_data()
{
    QTest::addColumn<bool>("symbolic");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<std::optional<QByteArray>>("after");
    QTest::addColumn<bool>("refused");

    QTest::newRow("a removal replaces the file a link leads to")
        << true << u"remove"_s << std::optional(Sun) << false;
    QTest::newRow("a clear deletes it") << true << u"clear"_s << Missing << false;
    QTest::newRow("a removal from a list with two names is refused")
        << false << u"remove"_s << std::optional(Cat + Sun) << true;
    QTest::newRow("so is a clear") << false << u"clear"_s << std::optional(Cat + Sun) << true;
}

// A custom.bra the user made a link to a list kept elsewhere stays one; a list with two names
// keeps both or refuses.
void TestOwnListFile::linkedListIsNeverSplit()
{
    QFETCH(bool, symbolic);
    QFETCH(QString, operation);
    QFETCH(std::optional<QByteArray>, after);
    QFETCH(bool, refused);
    QVERIFY(Build::write(path(u"list.bra"_s), Cat + Sun));
    QCOMPARE((symbolic ? ::symlink : ::link)(QFile::encodeName(path(u"list.bra"_s)),
                                             QFile::encodeName(path(u"custom.bra"_s))),
             0);

    const auto failure = apply(operation);
    QCOMPARE(failure ? failure->message().section(u": "_s, 1) : QString(),
             refused ? OtherNames.toString() + u'.' : QString());
    QCOMPARE(QFileInfo(path(u"custom.bra"_s)).isSymLink(), symbolic);
    QCOMPARE(ownList(), after); // what the link leads to, or both names hold
    // No temporary file left: custom.bra, and the list unless it was cleared.
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::System).size(), after ? 2 : 1);
}

void TestOwnListFile::failureIsReportedAndLeavesTheFileAsItWas_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<std::optional<QByteArray>>("before");
    QTest::addColumn<QString>("readOnly"); // "folder", "file" or ""
    QTest::addColumn<int>("faultStep");    // a simulated failure at this Step, or -1
    QTest::addColumn<std::errc>("faultError");
    QTest::addColumn<QString>("message"); // %1 stands for the data folder

    const std::optional before(Cat + Sun);
    const auto row = [](const char* what, const QString& operation,
                        const std::optional<QByteArray>& before, const QString& readOnly,
                        int faultStep, std::errc faultError, const QString& message) {
        QTest::newRow(what) << operation << before << readOnly << faultStep << faultError
                            << message;
    };
    const std::errc none{};
    const int noFault = -1;
    row("add in a read-only folder", u"append"_s, Missing, u"folder"_s, noFault, none,
        cannot(u"gravar", u"custom.bra", Denied));
    row("add to a read-only file", u"append"_s, before, u"file"_s, noFault, none,
        cannot(u"gravar", u"custom.bra", Denied));
    row("add, flush to disk fails", u"append"_s, before, {}, int(Step::Flush), std::errc::io_error,
        cannot(u"gravar", u"custom.bra", DiskError));
    row("add, flush fails and so does the cut back: the failure says the file changed", u"append"_s,
        before, {}, int(Step::Flush) | int(Step::Resize), std::errc::io_error,
        cannot(u"gravar", u"custom.bra", DiskError));
    row("remove in a read-only folder", u"remove"_s, before, u"folder"_s, noFault, none,
        cannot(u"criar", u"custom.tmp", Denied));
    row("remove from a file deleted meanwhile", u"remove"_s, Missing, {}, noFault, none,
        cannot(u"ler", u"custom.bra", NoSuchFile));
    row("remove, disk full while writing", u"remove"_s, before, {}, int(Step::Write),
        std::errc::no_space_on_device, cannot(u"gravar", u"custom.tmp", DiskFull));
    row("remove, flush to disk fails", u"remove"_s, before, {}, int(Step::Flush),
        std::errc::io_error, cannot(u"gravar", u"custom.tmp", DiskError));
    row("remove, the new list cannot take the old one's rights", u"remove"_s, before, {},
        int(Step::Rights), std::errc::permission_denied, cannot(u"criar", u"custom.tmp", Denied));
    row("remove, rename fails", u"remove"_s, before, {}, int(Step::Rename),
        std::errc::device_or_resource_busy,
        cannot(u"renomear", u"custom.tmp para %1custom.bra", InUse));
    row("remove an entry the file no longer holds", u"remove"_s, QByteArray("junk"), {}, noFault,
        none, cannot(u"gravar", u"custom.bra", RecordGone));
    row("clear in a read-only folder", u"clear"_s, before, u"folder"_s, noFault, none,
        cannot(u"excluir", u"custom.bra", Denied));
    row("remove from a read-only file in a writable folder", u"remove"_s, before, u"file"_s,
        noFault, none, cannot(u"gravar", u"custom.bra", Denied));
    row("clear a read-only file in a writable folder", u"clear"_s, before, u"file"_s, noFault, none,
        cannot(u"excluir", u"custom.bra", Denied));
}

void TestOwnListFile::failureIsReportedAndLeavesTheFileAsItWas()
{
    QFETCH(QString, operation);
    QFETCH(std::optional<QByteArray>, before);
    QFETCH(QString, readOnly);
    QFETCH(int, faultStep);
    QFETCH(std::errc, faultError);
    QFETCH(QString, message);
    setOwnList(before);
    if (!readOnly.isEmpty())
        QVERIFY(FileModes::setWritable(
            readOnly == u"folder" ? m_folder->path() : path(u"custom.bra"_s), false));
    std::optional<SystemFile::SimulatedFault> fault;
    if (faultStep >= 0)
        fault.emplace(Step(faultStep), faultError);

    const std::optional<FileFailure> failure = apply(operation);
    QVERIFY(failure);
    QCOMPARE(failure->message(), message.arg(m_store->programFolder()));
    QCOMPARE(ownList() == before, failure->leftAsItWas);
    QVERIFY(!QFile::exists(path(u"custom.tmp"_s)));
}

void TestOwnListFile::fullDiskKeepsTheOldList_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message"); // %1 stands for the data folder

    QTest::newRow("add: the record does not fit")
        << u"append"_s << cannot(u"gravar", u"custom.bra", DiskFull);
    QTest::newRow("remove: the new list does not fit beside the old")
        << u"remove"_s << cannot(u"gravar", u"custom.tmp", DiskFull);
}

void TestOwnListFile::fullDiskKeepsTheOldList()
{
    QFETCH(QString, operation);
    QFETCH(QString, message);
    // A RAM disk of one page, as root can mount it; the list fills most of that page.
    const QByteArray disk = QFile::encodeName(m_folder->path());
    if (::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=4k") != 0)
        QSKIP("no RAM disk can be mounted here");
    const auto unmount = qScopeGuard([&] { ::umount2(disk.constData(), MNT_DETACH); });
    const QByteArray before = Sun.repeated(81);
    setOwnList(before);

    const std::optional<FileFailure> failure = apply(operation);
    QVERIFY(failure);
    QCOMPARE(failure->message(), message.arg(m_store->programFolder()));
    QCOMPARE(ownList(), std::optional(before));
    QVERIFY(!QFile::exists(path(u"custom.tmp"_s)));
}

QTEST_GUILESS_MAIN(TestOwnListFile)
#include "tst_own_list_file.moc"
