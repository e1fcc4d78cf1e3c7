// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueStore.h"
#include "CategorySelector.h"
#include "DataFileBuilder.h"
#include "EmoticonList.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;

// The browse panel's three controls around a selector, on a folder whose files have
// distinct record counts.
class TestCategorySelector : public QObject {
    Q_OBJECT

private slots:
    void init();
    void everyEntryLoadsItsFile_data();
    void everyEntryLoadsItsFile();
    void entriesAreListedInTheirOrder();
    void userChoiceLoadsTheList();
    void choosingForgetsTheSelectionBeforeLoading();
    void countIncludesNamesWithoutTerminator();
    void ownListIsListedAsStored();
    void missingFilesGiveEmptyLists_data();
    void missingFilesGiveEmptyLists();

private:
    void makeSelector();
    QString path(const QString& name) const { return m_folder->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<CatalogueStore> m_store;
    std::unique_ptr<QComboBox> m_combo;
    std::unique_ptr<EmoticonList> m_list;
    std::unique_ptr<QLabel> m_count;
    std::unique_ptr<CategorySelector> m_selector;
};

namespace {
const QList<std::pair<QString, int>> RecordsPerFile = {
    {u"foods.bra"_s, 1},    {u"animals.bra"_s, 2},  {u"objects.bra"_s, 3},
    {u"celebrit.bra"_s, 4}, {u"occupati.bra"_s, 5}, {u"all.bra"_s, 7},
};
} // namespace

void TestCategorySelector::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    for (const auto& [file, records] : RecordsPerFile)
        QVERIFY(Build::write(path(file), Build::categoryFile(Build::numbered(file, records))));
    QVERIFY(Build::write(path(u"custom.bra"_s), Build::ownListFile(Build::numbered(u"Meu"_s, 6))));
    makeSelector();
}

void TestCategorySelector::makeSelector()
{
    m_store = std::make_unique<CatalogueStore>(m_folder->path());
    m_combo = std::make_unique<QComboBox>();
    m_list = std::make_unique<EmoticonList>();
    m_count = std::make_unique<QLabel>();
    m_selector =
        std::make_unique<CategorySelector>(*m_store, m_combo.get(), m_list.get(), m_count.get());
}

void TestCategorySelector::everyEntryLoadsItsFile_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("count");

    QTest::newRow("COMIDAS") << u"COMIDAS"_s << u"foods.bra"_s << 1;
    QTest::newRow("ANIMAIS") << u"ANIMAIS"_s << u"animals.bra"_s << 2;
    QTest::newRow("OBJETOS") << u"OBJETOS"_s << u"objects.bra"_s << 3;
    QTest::newRow("CELEBRIDADES") << u"CELEBRIDADES"_s << u"celebrit.bra"_s << 4;
    QTest::newRow("PROFISSÃO") << u"PROFISSÃO"_s << u"occupati.bra"_s << 5;
    QTest::newRow("LISTA PRÓPRIA") << u"LISTA PRÓPRIA"_s << u"custom.bra"_s << 6;
    QTest::newRow("TODOS") << u"TODOS"_s << u"all.bra"_s << 7;
}

void TestCategorySelector::everyEntryLoadsItsFile()
{
    QFETCH(QString, entry);
    QFETCH(QString, file);
    QFETCH(int, count);

    QCOMPARE(m_selector->CurrentCategoryFile(), m_store->pathOf(u"all.bra"));
    m_selector->choose(entry);
    QCOMPARE(m_combo->currentText(), entry);
    QCOMPARE(m_selector->CurrentCategoryFile(), m_store->pathOf(file));
    QCOMPARE(m_list->count(), count);
    QCOMPARE(m_count->text(), QString::number(count));
    QCOMPARE(m_selector->source().layout == Category::Layout::OwnList, file == u"custom.bra");
}

void TestCategorySelector::entriesAreListedInTheirOrder()
{
    QStringList entries;
    for (int i = 0; i < m_combo->count(); ++i)
        entries.append(m_combo->itemText(i));
    QCOMPARE(entries, (QStringList{u"COMIDAS"_s, u"ANIMAIS"_s, u"OBJETOS"_s, u"CELEBRIDADES"_s,
                                   u"PROFISSÃO"_s, u"LISTA PRÓPRIA"_s, u"TODOS"_s}));
    QVERIFY(!m_combo->isEditable());
}

void TestCategorySelector::userChoiceLoadsTheList()
{
    m_selector->choose(u"TODOS");
    m_combo->setCurrentIndex(1); // a program change alone loads nothing
    QCOMPARE(m_list->count(), 7);

    emit m_combo->activated(1); // what the combo box sends when the user picks an entry
    QCOMPARE(m_list->count(), 2);
    QCOMPARE(m_count->text(), u"2"_s);

    m_list->selectRow(1);
    emit m_combo->activated(1); // picking the same entry again reloads it
    QCOMPARE(m_list->selectedRow(), -1);
}

void TestCategorySelector::choosingForgetsTheSelectionBeforeLoading()
{
    m_selector->choose(u"TODOS");
    int entriesWhenForgotten = -1;
    connect(m_selector.get(), &CategorySelector::categoryChosen, this,
            [&] { entriesWhenForgotten = m_list->count(); });
    m_selector->choose(u"ANIMAIS");
    QCOMPARE(entriesWhenForgotten, 7);
}

void TestCategorySelector::countIncludesNamesWithoutTerminator()
{
    QVERIFY(Build::write(path(u"objects.bra"_s),
                         Build::categoryFile(Build::record("Chave\xE6", "o-m\xE6") +
                                             Build::record("  Sem terminador", "o-m") +
                                             Build::record("\xE6", "\xE6"))));
    m_selector->choose(u"OBJETOS");
    QCOMPARE(m_list->count(), 3);
    QCOMPARE(m_count->text(), u"3"_s);
    QCOMPARE(m_list->entry(1), u"  Sem terminador"_s.leftJustified(35));
}

void TestCategorySelector::ownListIsListedAsStored()
{
    QVERIFY(Build::write(path(u"custom.bra"_s), Build::ownListFile({{u"  Meu gato"_s, u"=^.^="_s},
                                                                    {u"Amoræ"_s, u"<3"_s}})));
    m_selector->choose(u"LISTA PRÓPRIA");
    QCOMPARE(m_list->count(), 2);
    QCOMPARE(m_list->entry(0), u"  Meu gato"_s.leftJustified(35));
    QCOMPARE(m_list->entry(1), u"Amoræ"_s.leftJustified(35));
}

void TestCategorySelector::missingFilesGiveEmptyLists_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("file");

    QTest::newRow("category file") << u"CELEBRIDADES"_s << u"celebrit.bra"_s;
    QTest::newRow("own list") << u"LISTA PRÓPRIA"_s << u"custom.bra"_s;
    QTest::newRow("whole catalogue") << u"TODOS"_s << u"all.bra"_s;
}

void TestCategorySelector::missingFilesGiveEmptyLists()
{
    QFETCH(QString, entry);
    QFETCH(QString, file);
    m_selector->choose(u"PROFISSÃO");
    QVERIFY(QFile::remove(path(file)));

    m_selector->choose(entry);
    QCOMPARE(m_list->count(), 0);
    QCOMPARE(m_count->text(), u"0"_s);
}

QTEST_MAIN(TestCategorySelector)
#include "tst_category_selector.moc"
