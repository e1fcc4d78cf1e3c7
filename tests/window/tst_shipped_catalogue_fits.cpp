// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Categories.h"
#include "EmoticonList.h"
#include "ListedNames.h"
#include "MainWindow.h"
#include "WidgetTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStyle>

using namespace Qt::StringLiterals;

// Every entry of the shipped catalogue shows whole in the lists that show it: the browse list
// for each category, and the own-list editor's list of the whole catalogue.
class TestShippedCatalogueFits : public WidgetTest {
    Q_OBJECT

private slots:
    void namesFitTheBrowseList_data();
    void namesFitTheBrowseList();
    void namesFitTheOwnListEditor();

private:
    void prepare() override;
    // The entries the list does not show whole; all of them when the list is empty.
    static QStringList entriesCut(const EmoticonList* list);
};

void TestShippedCatalogueFits::prepare()
{
    // A copy, so that the window never writes beside the built program.
    const QDir shipped(QStringLiteral(QUILLANE_SHIPPED_CATALOGUE));
    for (const QString& file : shipped.entryList({u"*.bra"_s}, QDir::Files))
        QVERIFY(QFile::copy(shipped.filePath(file), path(file)));
    open(std::make_unique<MainWindow>(path(QString()), m_desktop));
}

QStringList TestShippedCatalogueFits::entriesCut(const EmoticonList* list)
{
    if (list->count() == 0)
        return {u"(empty list)"_s};
    // Each entry as the list draws it: the padded entry, in the list's font, fitted by the
    // list's own elide mode into the viewport less the margins the style keeps around an
    // entry's text. Shown whole means every character up to the last non-blank one is drawn,
    // nothing in its place, and all of it inside that room.
    QApplication::processEvents(); // the list lays its entries out, and shows its scroll bar
    const QFontMetrics metrics = list->fontMetrics();
    const int textMargin =
        list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int rowWidth = list->visualRect(list->model()->index(0, 0)).width();
    const int room = std::min(rowWidth, list->viewport()->width()) - 2 * textMargin;
    const auto ink = [](const QString& text) {
        qsizetype end = text.size();
        while (end > 0 && text[end - 1] == u' ')
            --end;
        return text.first(end);
    };
    QStringList cut;
    for (const QString& entry : namesOf(list->entries())) {
        const QString shown = ink(metrics.elidedText(entry, list->textElideMode(), room));
        if (shown != ink(entry) || metrics.horizontalAdvance(shown) > room)
            cut.append(entry);
    }
    return cut;
}

void TestShippedCatalogueFits::namesFitTheBrowseList_data()
{
    QTest::addColumn<QString>("entry");
    for (const Category& category : Categories) {
        if (category.layout == Category::Layout::CategoryFile)
            QTest::newRow(category.entryText.toUtf8()) << category.entryText.toString();
    }
}

void TestShippedCatalogueFits::namesFitTheBrowseList()
{
    QFETCH(QString, entry);
    auto* selector = control<QComboBox>(u"cboGeneralCategory"_s);
    selector->setCurrentText(entry);
    emit selector->activated(selector->currentIndex());
    QCOMPARE(entriesCut(control<EmoticonList>(u"lstGeneralEmoticons"_s)), QStringList());
}

void TestShippedCatalogueFits::namesFitTheOwnListEditor()
{
    clickToolbarButton(u"Toolbar1"_s, 2);
    QCOMPARE(entriesCut(control<EmoticonList>(u"lstOwnListEmoticons"_s)), QStringList());
}

QTEST_MAIN(TestShippedCatalogueFits)
#include "tst_shipped_catalogue_fits.moc"
