// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueStore.h"
#include "DataFileBuilder.h"
#include "ListedNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;
using enum Category::Layout;

class TestCatalogueStore : public QObject {
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<QTemporaryDir>(); }
    void dataFolderEndsInOneSeparator_data();
    void dataFolderEndsInOneSeparator();
    void entriesFollowTheFileLength_data();
    void entriesFollowTheFileLength();
    void missingCategoryFileHasNoEntriesAndStaysMissing();
    void categoryEntriesAreNamesAsListed();
    void categoryRecordIsReadAtItsOffset();
    void readAheadIsTakenByTheNextFillOfItsListOnly_data();
    void readAheadIsTakenByTheNextFillOfItsListOnly();
    void missingOwnListIsCreatedEmpty();
    void ownListRecordIsReadAtItsOffset();

private:
    QString path(const QString& name) const { return m_folder->filePath(name); }
    ListSource categoryFile(const QString& name) const { return {CategoryFile, path(name)}; }
    ListSource ownList() const { return {OwnList, path(u"custom.bra"_s)}; }
    static QStringList listed(const CatalogueStore& store, const ListSource& source)
    {
        return namesOf(ListEntries(store.readRecords(source).bytes, source.layout));
    }

    // A fresh folder for every test function and data row.
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestCatalogueStore::dataFolderEndsInOneSeparator_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("dataFolder");

    const QString separator = QDir::separator();
    QTest::newRow("separator appended") << u"/opt/quillane"_s << u"/opt/quillane"_s + separator;
    QTest::newRow("separator not doubled")
        << u"/opt/quillane"_s + separator << u"/opt/quillane"_s + separator;
    QTest::newRow("root") << separator << separator;
}

void TestCatalogueStore::dataFolderEndsInOneSeparator()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, dataFolder);
    const CatalogueStore store(programFolder);
    QCOMPARE(store.programFolder(), dataFolder);
    QCOMPARE(store.pathOf(u"all.bra"), dataFolder + u"all.bra"_s);
}

void TestCatalogueStore::entriesFollowTheFileLength_data()
{
    QTest::addColumn<bool>("ownList");
    QTest::addColumn<int>("length"); // of a file of three records
    QTest::addColumn<int>("entries");

    QTest::newRow("category: empty file") << false << 0 << 0;
    QTest::newRow("category: shorter than the leading block") << false << 600 << 0;
    QTest::newRow("category: leading block only") << false << 1000 << 0;
    QTest::newRow("category: a piece of a record") << false << 1049 << 0;
    QTest::newRow("category: one record") << false << 1050 << 1;
    QTest::newRow("category: one record and a piece") << false << 1099 << 1;
    QTest::newRow("category: three records") << false << 1150 << 3;
    QTest::newRow("own list: empty") << true << 0 << 0;
    QTest::newRow("own list: two records") << true << 100 << 2;
    QTest::newRow("own list: a piece of a third record is ignored") << true << 120 << 2;
    QTest::newRow("own list: three records") << true << 150 << 3;
}

// The first entries' names, as stored: blanks and æ kept in an own list.
void TestCatalogueStore::entriesFollowTheFileLength()
{
    QFETCH(bool, ownList);
    QFETCH(int, length);
    QFETCH(int, entries);
    const QList<Build::Emoticon> emoticons =
        ownList ? QList<Build::Emoticon>{{u"  Meu gato"_s, u"=^.^="_s},
                                         {u"Amor æ"_s, u"<3"_s},
                                         {u"Sol"_s, u"\\o/"_s}}
                : Build::numbered(u"Gato"_s, 3);
    const QByteArray file =
        ownList ? Build::ownListFile(emoticons) : Build::categoryFile(emoticons);
    const ListSource source = ownList ? this->ownList() : categoryFile(u"animals.bra"_s);
    QVERIFY(Build::write(source.path, file.left(length)));

    QStringList asStored;
    for (const auto& [name, representation] : emoticons.first(entries))
        asStored.append(name.leftJustified(35));
    QCOMPARE(listed(CatalogueStore(m_folder->path()), source), asStored);
}

void TestCatalogueStore::missingCategoryFileHasNoEntriesAndStaysMissing()
{
    CatalogueStore store(m_folder->path());
    QVERIFY(listed(store, categoryFile(u"foods.bra"_s)).isEmpty());
    QVERIFY(!store.readRecord(categoryFile(u"foods.bra"_s), 0));
    QVERIFY(!QFile::exists(path(u"foods.bra"_s)));
}

void TestCatalogueStore::categoryEntriesAreNamesAsListed()
{
    const QByteArray records =
        Build::record("   Gato\xE6", ":-)\xE6") + Build::record("  Sem fim", "=^.^=\xE6") +
        Build::record("  \xE6Oculto", ":-|\xE6") + Build::record("Peixe\xE6 resto", "<><\xE6");
    QVERIFY(Build::write(path(u"all.bra"_s), Build::categoryFile(records)));

    CatalogueStore store(m_folder->path());
    const QStringList expected = {u"Gato"_s.leftJustified(35), u"  Sem fim"_s.leftJustified(35),
                                  QString(35, u' '), u"Peixe"_s.leftJustified(35)};
    QCOMPARE(listed(store, categoryFile(u"all.bra"_s)), expected);
}

void TestCatalogueStore::categoryRecordIsReadAtItsOffset()
{
    QByteArray file = Build::categoryFile(Build::numbered(u"Peixe"_s, 5));
    const QByteArray marked = Build::record("Marcado\xE6", "<*)))><\xE6");
    file.replace(1150, 50, marked);
    QVERIFY(Build::write(path(u"all.bra"_s), file));

    CatalogueStore store(m_folder->path());
    const auto record = store.readRecord(categoryFile(u"all.bra"_s), 3);
    QVERIFY(record);
    QCOMPARE(record->nameField, u"Marcadoæ"_s.leftJustified(35));
    QCOMPARE(categoryFieldText(record->representationField), u"<*)))><"_s);
    QVERIFY(!store.readRecord(categoryFile(u"all.bra"_s), 5));
}

void TestCatalogueStore::readAheadIsTakenByTheNextFillOfItsListOnly_data()
{
    QTest::addColumn<QString>("firstFilledFrom");
    QTest::addColumn<int>("firstEntries");

    QTest::newRow("the list read ahead") << u"all.bra"_s << 3;
    QTest::newRow("another list") << u"foods.bra"_s << 2;
}

void TestCatalogueStore::readAheadIsTakenByTheNextFillOfItsListOnly()
{
    QFETCH(QString, firstFilledFrom);
    QFETCH(int, firstEntries);
    QVERIFY(Build::write(path(u"all.bra"_s), Build::categoryFile(Build::numbered(u"Gato"_s, 3))));
    QVERIFY(Build::write(path(u"foods.bra"_s), Build::categoryFile(Build::numbered(u"Pão"_s, 2))));

    CatalogueStore store(m_folder->path());
    store.readAhead(categoryFile(u"all.bra"_s));
    QCOMPARE(listed(store, categoryFile(firstFilledFrom)).size(), firstEntries);
    // Whatever the first fill took, the next one reads the file as it is now.
    QVERIFY(Build::write(path(u"all.bra"_s), Build::categoryFile(Build::numbered(u"Gato"_s, 5))));
    QCOMPARE(listed(store, categoryFile(u"all.bra"_s)).size(), 5);
}

void TestCatalogueStore::missingOwnListIsCreatedEmpty()
{
    CatalogueStore store(m_folder->path());
    QVERIFY(listed(store, ownList()).isEmpty());
    QVERIFY(QFile::exists(path(u"custom.bra"_s)));
    QCOMPARE(QFile(path(u"custom.bra"_s)).size(), 0);
}

void TestCatalogueStore::ownListRecordIsReadAtItsOffset()
{
    QVERIFY(Build::write(path(u"custom.bra"_s),
                         Build::ownListFile(Build::numbered(u"Meu"_s, 3) +
                                            QList<Build::Emoticon>{{u" Quarto "_s, u" :-D "_s}})));

    CatalogueStore store(m_folder->path());
    const auto record = store.readRecord(ownList(), 3);
    QVERIFY(record);
    QCOMPARE(record->nameField, u" Quarto "_s.leftJustified(35));
    QCOMPARE(record->representationField, u" :-D "_s.leftJustified(15));
    QVERIFY(!store.readRecord(ownList(), 4));
}

QTEST_APPLESS_MAIN(TestCatalogueStore)
#include "tst_catalogue_store.moc"
