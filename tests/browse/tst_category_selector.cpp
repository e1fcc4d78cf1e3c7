// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CategorySelector.h"
#include "DataFileBuilder.h"
#include "EmoticonList.h"
#include "RecordList.h"
#include "WidgetTest.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;

// The browse panel's three controls around a selector, on a folder whose files have
// distinct record counts.
class TestCategorySelector : public WidgetTest {
    Q_OBJECT

private slots:
    void everyEntryLoadsItsFile_data();
    void everyEntryLoadsItsFile();
    void entriesAreListedInTheirOrder();
    void userChoiceLoadsTheList();
    void choosingForgetsTheSelectionBeforeLoading();
    void countIncludesNamesWithoutTerminator();
    void ownListIsListedAsStored();
    void missingOrUnreadableFilesGiveEmptyLists_data();
    void missingOrUnreadableFilesGiveEmptyLists();

private:
    void prepare() override;

    QComboBox* m_combo = nullptr;
    EmoticonList* m_list = nullptr;
    QLabel* m_count = nullptr;
    RecordList* m_emoticons = nullptr;
    CategorySelector* m_selector = nullptr;
};

namespace {
const QList<std::pair<QString, int>> RecordsPerFile = {
    {u"foods.bra"_s, 1},    {u"animals.bra"_s, 2},  {u"objects.bra"_s, 3},
    {u"celebrit.bra"_s, 4}, {u"occupati.bra"_s, 5}, {u"all.bra"_s, 7},
};
} // namespace

void TestCategorySelector::prepare()
{
    for (const auto& [file, records] : RecordsPerFile)
        write(file, Build::categoryFile(Build::numbered(file, records)));
    write(u"custom.bra"_s, Build::ownListFile(Build::numbered(u"Meu"_s, 6)));
    auto host = std::make_unique<QWidget>();
    m_combo = new QComboBox(host.get());
    m_list = new EmoticonList(host.get());
    m_count = new QLabel(host.get());
    m_emoticons = new RecordList(store(), m_desktop, m_list, nullptr, host.get());
    m_selector = new CategorySelector(store(), m_combo, *m_emoticons, m_count, host.get());
    open(std::move(host));
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

    m_selector->choose(entry);
    QCOMPARE(m_combo->currentText(), entry);
    QCOMPARE(m_list->count(), count);
    QCOMPARE(m_count->text(), QString::number(count));
    // The entries, and the record each stands for, come from the entry's file, in its layout.
    QVERIFY(m_list->entry(0).startsWith(file == u"custom.bra" ? u"Meu 1"_s : file + u" 1"_s));
    m_list->selectRow(count - 1);
    QCOMPARE(m_emoticons->selectedTexts().value_or(EmoticonTexts()).representation,
             u":-"_s + QString::number(count));
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
    connect(m_selector, &CategorySelector::categoryChosen, this,
            [&] { entriesWhenForgotten = m_list->count(); });
    m_selector->choose(u"ANIMAIS");
    QCOMPARE(entriesWhenForgotten, 7);
}

void TestCategorySelector::countIncludesNamesWithoutTerminator()
{
    write(u"objects.bra"_s, Build::categoryFile(Build::record("Chave\xE6", "o-m\xE6") +
                                                Build::record("  Sem terminador", "o-m") +
                                                Build::record("\xE6", "\xE6")));
    m_selector->choose(u"OBJETOS");
    QCOMPARE(m_list->count(), 3);
    QCOMPARE(m_count->text(), u"3"_s);
    QCOMPARE(m_list->entry(1), u"  Sem terminador"_s.leftJustified(35));
}

void TestCategorySelector::ownListIsListedAsStored()
{
    write(u"custom.bra"_s,
          Build::ownListFile({{u"  Meu gato"_s, u"=^.^="_s}, {u"Amoræ"_s, u"<3"_s}}));
    m_selector->choose(u"LISTA PRÓPRIA");
    QCOMPARE(m_list->count(), 2);
    QCOMPARE(m_list->entry(0), u"  Meu gato"_s.leftJustified(35));
    QCOMPARE(m_list->entry(1), u"Amoræ"_s.leftJustified(35));
}

void TestCategorySelector::missingOrUnreadableFilesGiveEmptyLists_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("folder"); // in the file's place, which cannot be read

    QTest::newRow("category file") << u"CELEBRIDADES"_s << u"celebrit.bra"_s << false;
    QTest::newRow("own list") << u"LISTA PRÓPRIA"_s << u"custom.bra"_s << false;
    QTest::newRow("whole catalogue") << u"TODOS"_s << u"all.bra"_s << false;
    QTest::newRow("whole catalogue, a folder") << u"TODOS"_s << u"all.bra"_s << true;
    QTest::newRow("own list, a folder") << u"LISTA PRÓPRIA"_s << u"custom.bra"_s << true;
}

// A file that is there but cannot be read is named in an "Erro" box at each fill, over its list.
void TestCategorySelector::missingOrUnreadableFilesGiveEmptyLists()
{
    QFETCH(QString, entry);
    QFETCH(QString, file);
    QFETCH(bool, folder);
    m_selector->choose(u"PROFISSÃO");
    QVERIFY(QFile::remove(path(file)) && (!folder || QDir().mkdir(path(file))));
    QString countBehindEachBox;
    m_desktop.whileShown = [&] { countBehindEachBox += m_count->text(); };

    m_selector->choose(entry);
    m_selector->choose(u"COMIDAS");
    QCOMPARE(m_list->count(), 1);
    m_selector->choose(entry);
    QCOMPARE(m_list->count(), 0);
    QCOMPARE(m_count->text(), u"0"_s);
    QCOMPARE(countBehindEachBox, QString(folder ? 2 : 0, u'0'));
    for (const Desktop::Message& box : m_desktop.messages)
        QVERIFY(box.title == u"Erro" && box.icon == QMessageBox::Warning &&
                box.text == u"Não foi possível ler o arquivo %1: existe uma pasta com esse "
                            "nome."_s.arg(path(file)));
}

QTEST_MAIN(TestCategorySelector)
#include "tst_category_selector.moc"
