// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueStore.h"
#include "DataFileBuilder.h"
#include "FileModes.h"
#include "OwnListFile.h"
#include "SettingsFile.h"
#include "UserFilesFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;

// Where the files the program writes are kept: beside the program in a folder of the user's
// alone, in the user's own data folder otherwise and always for an installed copy, while the
// catalogue is still read from the program folder.
class TestUserFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void folderFollowsTheProgramFolder_data();
    void folderFollowsTheProgramFolder();
    void readOnlyProgramFolderKeepsTheCatalogueAndTheUsersFilesApart();
    void filesLeftInAnInstalledCopyMoveOnce_data();
    void filesLeftInAnInstalledCopyMoveOnce();
    void linkInAFolderOthersMayWriteIsNotFollowed();

private:
    std::unique_ptr<QTemporaryDir> m_programFolder;
    std::unique_ptr<QTemporaryDir> m_home;
};

void TestUserFiles::initTestCase()
{
    QVERIFY(FileModes::obeyFileModes());
    QCoreApplication::setApplicationName(u"quillane-emoticon"_s);
}

void TestUserFiles::init()
{
    m_programFolder = std::make_unique<QTemporaryDir>();
    m_home = std::make_unique<QTemporaryDir>();
    // Never the real user's data.
    qputenv("HOME", QFile::encodeName(m_home->path()));
    qputenv("XDG_DATA_HOME", m_home->filePath(u"share"_s).toLocal8Bit());
    QVERIFY(Build::write(m_programFolder->filePath(u"all.bra"_s),
                         Build::categoryFile(Build::numbered(u"Todos"_s, 3))));
}

void TestUserFiles::cleanup()
{
    QVERIFY(FileModes::setWritable(m_programFolder->path(), true));
}

void TestUserFiles::folderFollowsTheProgramFolder_data()
{
    QTest::addColumn<int>("mode"); // of the program folder
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QByteArray>("dataHome"); // XDG_DATA_HOME, when not the one in the home folder
    QTest::addColumn<QString>("dataFolder");  // in the home folder; none for the program folder
    const QString given = u"share/quillane-emoticon"_s;

    QTest::newRow("a folder it may write keeps them") << 0700 << false << QByteArray() << QString();
    QTest::newRow("a read-only folder sends them to the data folder")
        << 0500 << false << QByteArray() << given;
    QTest::newRow("so does one its group may write") << 0770 << false << QByteArray() << given;
    QTest::newRow("an installed copy keeps them in the data folder, writable or not")
        << 0700 << true << QByteArray() << given;
    QTest::newRow("a relative XDG_DATA_HOME is ignored")
        << 0500 << false << QByteArray("share") << u".local/share/quillane-emoticon"_s;
}

void TestUserFiles::folderFollowsTheProgramFolder()
{
    QFETCH(int, mode);
    QFETCH(bool, installed);
    QFETCH(QByteArray, dataHome);
    QFETCH(QString, dataFolder);
    if (!dataHome.isEmpty())
        qputenv("XDG_DATA_HOME", dataHome);
    QVERIFY(!installed || Build::write(m_programFolder->filePath(u"installed"_s), "installed"));
    QCOMPARE(::chmod(QFile::encodeName(m_programFolder->path()).constData(), mode_t(mode)), 0);

    const QString folder = UserFilesFolder::forProgramFolder(m_programFolder->path());

    QCOMPARE(folder, dataFolder.isEmpty() ? m_programFolder->path() : m_home->filePath(dataFolder));
    // The user's data folder is made only when it is used, and then before the first write.
    QCOMPARE(QDir(m_home->filePath(u"share"_s)).exists(), dataFolder.startsWith(u"share"));
}

void TestUserFiles::readOnlyProgramFolderKeepsTheCatalogueAndTheUsersFilesApart()
{
    QVERIFY(FileModes::setWritable(m_programFolder->path(), false));
    const QString userFolder = UserFilesFolder::forProgramFolder(m_programFolder->path());
    CatalogueStore store(m_programFolder->path(), userFolder);

    QCOMPARE(store.readRecords(store.sourceOf(*categoryWithEntry(u"TODOS"))).bytes.size(), 150);
    // Every write of the own list and of the settings succeeds, the removal's rename included.
    QVERIFY(
        store.readRecords(store.sourceOf(*categoryWithEntry(u"LISTA PRÓPRIA"))).bytes.isEmpty());
    OwnListFile ownList(store);
    QCOMPARE(ownList.append(EmoticonRecord::fromTexts(u"Gato", u"=^.^=")), std::nullopt);
    QCOMPARE(ownList.append(EmoticonRecord::fromTexts(u"Sol", u"\\o/")), std::nullopt);
    QCOMPARE(ownList.remove(0), std::nullopt);
    QCOMPARE(SettingsFile(store).writeAlwaysOnTop(true), std::nullopt);

    QCOMPARE(Build::read(QDir(userFolder).filePath(u"custom.bra"_s)),
             std::optional(Build::ownListFile({{u"Sol"_s, u"\\o/"_s}})));
    QVERIFY(QFile::exists(QDir(userFolder).filePath(u"emoticon.dat"_s)));
    QCOMPARE(QDir(m_programFolder->path()).entryList(QDir::Files), QStringList{u"all.bra"_s});
    QCOMPARE(QDir(userFolder).entryList(QDir::Files),
             (QStringList{u"custom.bra"_s, u"emoticon.dat"_s}));
}

void TestUserFiles::filesLeftInAnInstalledCopyMoveOnce_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("othersFiles"); // the files left belong to another user
    QTest::addColumn<bool>("openFolder");  // others may write in the program folder
    QTest::newRow("an installed copy's move, across disks, never over a list there")
        << true << false << false;
    QTest::newRow("a copy not installed keeps them") << false << false << false;
    QTest::newRow("another user's files stay theirs") << true << true << false;
    QTest::newRow("so do files in a folder others may write") << true << false << true;
}

// What an older version left in an installed copy's folder moves to the data folder, but never
// over a file already there; across disks too (the program folder on a RAM disk of its own).
void TestUserFiles::filesLeftInAnInstalledCopyMoveOnce()
{
    QFETCH(bool, installed);
    QFETCH(bool, othersFiles);
    QFETCH(bool, openFolder);
    const QString program = m_programFolder->path();
    const QString data = m_home->path();
    const QByteArray disk = QFile::encodeName(program);
    const bool otherDisk = ::mount("tmpfs", disk, "tmpfs", 0, "size=64k,mode=0700") == 0;
    const auto unmount = qScopeGuard([&] { otherDisk&& ::umount2(disk, MNT_DETACH); });
    if (installed)
        QVERIFY(Build::write(program + u"/installed"_s, "installed"));
    QVERIFY(Build::write(program + u"/custom.bra"_s, "left list"));
    QVERIFY(Build::write(program + u"/emoticon.dat"_s, "settings"));
    QVERIFY(Build::write(data + u"/custom.bra"_s, "own list"));
    for (const QString& name : {u"/custom.bra"_s, u"/emoticon.dat"_s})
        QVERIFY(!othersFiles || ::chown(QFile::encodeName(program + name), 65534, 65534) == 0);
    QVERIFY(QFile::setPermissions(program, QFile::Permissions(openFolder ? 0x7777 : 0x7700)));

    UserFilesFolder::moveLeftBehind(program, data);

    const bool moved = installed && !othersFiles && !openFolder;
    const std::optional<QByteArray> settings("settings");
    QCOMPARE(Build::read(data + u"/custom.bra"_s), "own list");
    QCOMPARE(Build::read(program + u"/custom.bra"_s), "left list");
    QCOMPARE(Build::read(data + u"/emoticon.dat"_s), moved ? settings : std::nullopt);
    QCOMPARE(Build::read(program + u"/emoticon.dat"_s), moved ? std::nullopt : settings);
    QCOMPARE(QDir(data).entryList(QDir::Files).size(), moved ? 2 : 1); // no temporary file left
}

// Whoever may write in the folder may have made the link, to one of the user's private files.
void TestUserFiles::linkInAFolderOthersMayWriteIsNotFollowed()
{
    const QString notes = m_home->filePath(u"notes.txt"_s);
    QVERIFY(Build::write(notes, "private"));
    QVERIFY(QFile::setPermissions(m_programFolder->path(), QFile::Permissions(0x7777)));
    CatalogueStore store(m_programFolder->path());
    for (const QString& name : {u"custom.bra"_s, u"emoticon.dat"_s})
        QVERIFY(QFile::link(notes, store.pathOf(name)));

    const auto reason = [](const std::optional<FileFailure>& failure) {
        return failure ? failure->message().section(u": "_s, 1) : QString();
    };
    const QString planted = u"o arquivo é um link numa pasta em que outros podem gravar."_s;
    QCOMPARE(reason(OwnListFile(store).append(EmoticonRecord::fromTexts(u"Gato", u"=^.^="))),
             planted);
    QCOMPARE(reason(SettingsFile(store).writeAlwaysOnTop(true)), planted);
    const ListSource ownList = store.sourceOf(*categoryWithEntry(u"LISTA PRÓPRIA"));
    QCOMPARE(reason(store.readRecords(ownList).failure), planted);
    QVERIFY(OwnListFile(store).remove(0));
    QCOMPARE(Build::read(notes), "private");
    // Nor is a plain file there that another user owns, even one anybody may write.
    const QString settings = store.pathOf(u"emoticon.dat"_s);
    QVERIFY(QFile::remove(settings) && Build::write(settings, "alheio"));
    QVERIFY(QFile::setPermissions(settings, QFile::Permissions(0x6666)));
    QCOMPARE(::chown(QFile::encodeName(settings).constData(), 65534, 65534), 0);
    QCOMPARE(reason(SettingsFile(store).writeAlwaysOnTop(true)),
             u"o arquivo não é só seu, numa pasta em que outros podem gravar."_s);
}

QTEST_GUILESS_MAIN(TestUserFiles)
#include "tst_user_files.moc"
