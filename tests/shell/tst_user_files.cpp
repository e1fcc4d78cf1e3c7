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

// Where the files the program writes are kept: beside the program while its folder can be
// written, in the user's own data folder when it cannot or when the program is installed,
// while the catalogue is still read from the program folder.
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
    static std::optional<QByteArray> contentOf(const QString& path);

    std::unique_ptr<QTemporaryDir> m_programFolder;
    std::unique_ptr<QTemporaryDir> m_home;
};

std::optional<QByteArray> TestUserFiles::contentOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

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
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home->filePath(u"share"_s)));
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
    QTest::addColumn<QString>("dataHome"); // XDG_DATA_HOME, in the home folder unless relative
    QTest::addColumn<QString>("dataFolder");
    const QString given = u"share/quillane-emoticon"_s;
    const QString beside;

    QTest::newRow("a folder it may write keeps them") << 0700 << false << u"share"_s << beside;
    QTest::newRow("a read-only folder sends them to the user's data folder")
        << 0500 << false << u"share"_s << given;
    QTest::newRow("a folder its group may write sends them to the user's data folder")
        << 0770 << false << u"share"_s << given;
    QTest::newRow("an installed copy keeps them in the user's data folder, writable or not")
        << 0700 << true << u"share"_s << given;
    QTest::newRow("a relative XDG_DATA_HOME is ignored")
        << 0500 << false << u"./share"_s << u".local/share/quillane-emoticon"_s;
}

void TestUserFiles::folderFollowsTheProgramFolder()
{
    QFETCH(int, mode);
    QFETCH(bool, installed);
    QFETCH(QString, dataHome);
    QFETCH(QString, dataFolder);
    if (!dataHome.startsWith(u'.'))
        dataHome = m_home->filePath(dataHome);
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    if (installed)
        QVERIFY(Build::write(m_programFolder->filePath(u"installed"_s), "installed"));
    QCOMPARE(::chmod(QFile::encodeName(m_programFolder->path()).constData(), mode_t(mode)), 0);

    const QString folder = UserFilesFolder::forProgramFolder(m_programFolder->path());

    QCOMPARE(folder, dataFolder.isEmpty() ? m_programFolder->path() : m_home->filePath(dataFolder));
    // The user's data folder is made only when it is used, and then before the first write.
    QVERIFY(QDir(folder).exists());
    QCOMPARE(QDir(m_home->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             dataFolder.isEmpty());
}

void TestUserFiles::readOnlyProgramFolderKeepsTheCatalogueAndTheUsersFilesApart()
{
    QVERIFY(FileModes::setWritable(m_programFolder->path(), false));
    const QString userFolder = UserFilesFolder::forProgramFolder(m_programFolder->path());
    CatalogueStore store(m_programFolder->path(), userFolder);

    QCOMPARE(store.ReadCategoryEntries(store.pathOf(u"all.bra")).size(), 3);
    // Every write of the own list and of the settings succeeds, the removal's rename included.
    QCOMPARE(store.ReadOwnListEntries(), QStringList());
    OwnListFile ownList(store);
    QCOMPARE(ownList.append(EmoticonRecord::fromTexts(u"Gato", u"=^.^=")), std::nullopt);
    QCOMPARE(ownList.append(EmoticonRecord::fromTexts(u"Sol", u"\\o/")), std::nullopt);
    QCOMPARE(ownList.remove(0), std::nullopt);
    QCOMPARE(SettingsFile(store).writeAlwaysOnTop(SettingsFile::On), std::nullopt);

    QFile ownListFile(QDir(userFolder).filePath(u"custom.bra"_s));
    QVERIFY(ownListFile.open(QIODevice::ReadOnly));
    QCOMPARE(ownListFile.readAll(), Build::ownListFile({{u"Sol"_s, u"\\o/"_s}}));
    QVERIFY(QFile::exists(QDir(userFolder).filePath(u"emoticon.dat"_s)));
    QCOMPARE(QDir(m_programFolder->path()).entryList(QDir::Files), QStringList{u"all.bra"_s});
    QCOMPARE(QDir(userFolder).entryList(QDir::Files),
             (QStringList{u"custom.bra"_s, u"emoticon.dat"_s}));
}

void TestUserFiles::filesLeftInAnInstalledCopyMoveOnce_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("otherDisk");    // the program folder on a disk of its own
    QTest::addColumn<bool>("dataHasAList"); // the user's data folder has its own custom.bra
    QTest::addColumn<bool>("othersFiles");  // the left files belong to another user

    QTest::newRow("an installed copy's files move") << true << false << false << false;
    QTest::newRow("from another disk too") << true << true << false << false;
    QTest::newRow("a copy not installed keeps them") << false << false << false << false;
    QTest::newRow("a list in the data folder stays, so does the left one")
        << true << false << true << false;
    QTest::newRow("another user's files stay theirs") << true << false << false << true;
}

void TestUserFiles::filesLeftInAnInstalledCopyMoveOnce()
{
    QFETCH(bool, installed);
    QFETCH(bool, otherDisk);
    QFETCH(bool, dataHasAList);
    QFETCH(bool, othersFiles);
    const QString program = m_programFolder->path();
    const QByteArray disk = QFile::encodeName(program);
    if (otherDisk && ::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("no RAM disk can be mounted here");
    const auto unmount = qScopeGuard([&] { otherDisk&& ::umount2(disk.constData(), MNT_DETACH); });
    const QByteArray left = Build::ownListFile({{u"Gato"_s, u"=^.^="_s}});
    const QByteArray own = Build::ownListFile({{u"Sol"_s, u"\\o/"_s}});
    const QByteArray settings = SettingsFile::bytesOf(SettingsFile::On);
    const QString data = m_home->filePath(u"data"_s);
    QVERIFY(QDir().mkdir(data));
    QVERIFY(Build::write(program + u"/custom.bra"_s, left));
    QVERIFY(Build::write(program + u"/emoticon.dat"_s, settings));
    QVERIFY(!installed || Build::write(program + u"/installed"_s, "installed"));
    QVERIFY(!dataHasAList || Build::write(data + u"/custom.bra"_s, own));
    for (const char* name : {"/custom.bra", "/emoticon.dat"})
        QVERIFY(!othersFiles || ::chown((disk + name).constData(), 65534, 65534) == 0);

    UserFilesFolder::moveLeftBehind(program, data);

    const bool listMoves = installed && !othersFiles && !dataHasAList;
    const bool settingsMove = installed && !othersFiles;
    const std::optional<QByteArray> none;
    QCOMPARE(contentOf(data + u"/custom.bra"_s), dataHasAList ? own : listMoves ? left : none);
    QCOMPARE(contentOf(program + u"/custom.bra"_s), listMoves ? none : left);
    QCOMPARE(contentOf(data + u"/emoticon.dat"_s), settingsMove ? settings : none);
    QCOMPARE(contentOf(program + u"/emoticon.dat"_s), settingsMove ? none : settings);
    QCOMPARE(QDir(data).entryList(QDir::Files).size(),
             int(dataHasAList || listMoves) + settingsMove);
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
    QCOMPARE(reason(SettingsFile(store).writeAlwaysOnTop(SettingsFile::On)), planted);
    QCOMPARE(store.ReadOwnListEntries(), QStringList());
    QVERIFY(OwnListFile(store).remove(0));
    QFile file(notes);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "private");
}

QTEST_GUILESS_MAIN(TestUserFiles)
#include "tst_user_files.moc"
