// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogueStore.h"
#include "Categories.h"
#include "DataFileNames.h"
#include "EmoticonRecord.h"
#include "RecordLayout.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTest>
#include <optional>

// Checks the catalogue that the build ships beside the program, read the way the program
// reads it.
namespace {

// Each text as read, empty when the record has none.
struct Emoticon {
    QString name;
    QString representation;
};

QString shippedPath(const QString& fileName)
{
    return QStringLiteral(QUILLANE_SHIPPED_CATALOGUE "/") + fileName;
}

QList<Emoticon> readShipped(const QString& fileName)
{
    const CatalogueStore store(QStringLiteral(QUILLANE_SHIPPED_CATALOGUE));
    const ListSource source{Category::Layout::CategoryFile, shippedPath(fileName)};
    const qsizetype count = store.readRecords(source).bytes.size() / EmoticonRecord::Size;
    QList<Emoticon> emoticons;
    for (qsizetype index = 0; index < count; ++index) {
        const std::optional<EmoticonRecord> record = store.readRecord(source, index);
        if (record)
            emoticons.append({categoryFieldText(record->nameField).value_or(QString()),
                              categoryFieldText(record->representationField).value_or(QString())});
    }
    return emoticons;
}

// The name without case or accents, as the catalogue is ordered: written here apart from the
// tool so that a fault in the tool's order cannot hide itself.
QString folded(const QString& name)
{
    QString key = name.normalized(QString::NormalizationForm_D);
    key.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return key.toLower();
}

void addCategoryFileRows(bool withWholeCatalogue = true)
{
    QTest::addColumn<QString>("fileName");
    for (const Category& category : Categories)
        if (category.layout == Category::Layout::CategoryFile &&
            (withWholeCatalogue || category.fileName != DataFileNames::WholeCatalogue))
            QTest::newRow(qPrintable(category.fileName.toString())) << category.fileName.toString();
}

} // namespace

class CatalogueCheckTest : public QObject {
    Q_OBJECT

private slots:
    void everyRecordIsWholeWithBothTexts_data() { addCategoryFileRows(); }
    void everyRecordIsWholeWithBothTexts();
    void namesAreUniqueAndSorted_data() { addCategoryFileRows(); }
    void namesAreUniqueAndSorted();
    void holdsEnoughEmoticons_data() { addCategoryFileRows(); }
    void holdsEnoughEmoticons();
    void categoryEmoticonsAreInTheWholeCatalogue_data() { addCategoryFileRows(false); }
    void categoryEmoticonsAreInTheWholeCatalogue();
};

void CatalogueCheckTest::everyRecordIsWholeWithBothTexts()
{
    QFETCH(QString, fileName);
    const QFileInfo file(shippedPath(fileName));
    QVERIFY2(file.exists(), qPrintable(file.filePath() + " was not built"));
    QVERIFY(file.size() >= RecordLayout::LeadingBlockSize);
    QCOMPARE((file.size() - RecordLayout::LeadingBlockSize) % EmoticonRecord::Size, 0);

    const QList<Emoticon> emoticons = readShipped(fileName);
    QCOMPARE(emoticons.size(), RecordLayout::categoryRecordCount(file.size()));
    for (qsizetype index = 0; index < emoticons.size(); ++index) {
        QVERIFY2(!emoticons[index].name.isEmpty() && !emoticons[index].representation.isEmpty(),
                 qPrintable(QStringLiteral("record %1 lacks a text").arg(index)));
    }
}

// Equal folded names would be neighbours in a sorted file, so comparing neighbours finds both
// faults.
void CatalogueCheckTest::namesAreUniqueAndSorted()
{
    QFETCH(QString, fileName);
    const QList<Emoticon> emoticons = readShipped(fileName);
    for (qsizetype index = 1; index < emoticons.size(); ++index) {
        const QString& previous = emoticons[index - 1].name;
        const QString& name = emoticons[index].name;
        QVERIFY2(folded(previous) != folded(name),
                 qPrintable(QStringLiteral("«%1» and «%2» are the same name").arg(previous, name)));
        QVERIFY2(folded(previous) < folded(name),
                 qPrintable(QStringLiteral("«%1» comes before «%2»").arg(previous, name)));
    }
}

void CatalogueCheckTest::holdsEnoughEmoticons()
{
    QFETCH(QString, fileName);
    const qsizetype floor = fileName == DataFileNames::WholeCatalogue ? 600 : 40;
    QSet<QPair<QString, QString>> distinct;
    for (const Emoticon& emoticon : readShipped(fileName))
        distinct.insert({emoticon.name, emoticon.representation});
    QVERIFY2(distinct.size() >= floor,
             qPrintable(QString::number(distinct.size()) + " distinct emoticons, too few"));
}

void CatalogueCheckTest::categoryEmoticonsAreInTheWholeCatalogue()
{
    QFETCH(QString, fileName);
    QHash<QString, Emoticon> wholeByName;
    for (const Emoticon& emoticon : readShipped(QString(DataFileNames::WholeCatalogue)))
        wholeByName.insert(folded(emoticon.name), emoticon);

    for (const Emoticon& emoticon : readShipped(fileName)) {
        const auto whole = wholeByName.constFind(folded(emoticon.name));
        QVERIFY2(whole != wholeByName.cend(),
                 qPrintable(emoticon.name + " is missing from all.bra"));
        QCOMPARE(whole->name, emoticon.name);
        QCOMPARE(whole->representation, emoticon.representation);
    }
}

QTEST_GUILESS_MAIN(CatalogueCheckTest)
#include "tst_catalogue_check.moc"
