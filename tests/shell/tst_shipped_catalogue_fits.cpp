#include "Categories.h"
#include "EmoticonRecord.h"
#include "MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;

// Every name of the shipped catalogue shows whole in the lists that show it: the browse list
// for each category, and the own-list editor's list of the whole catalogue.
class TestShippedCatalogueFits : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void namesFitTheBrowseList_data();
    void namesFitTheBrowseList();
    void namesFitTheOwnListEditor();

private:
    // The names wider than the list's text area; all the list's entries when it is empty.
    static QStringList namesCut(const QListWidget* list);

    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
};

void TestShippedCatalogueFits::initTestCase()
{
    // A copy, so that the window never writes beside the built program.
    const QDir shipped(QStringLiteral(QUILLANE_SHIPPED_CATALOGUE));
    for (const QString& file : shipped.entryList({u"*.bra"_s}, QDir::Files))
        QVERIFY(QFile::copy(shipped.filePath(file), m_folder.filePath(file)));
    m_window = std::make_unique<MainWindow>(m_folder.path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QStringList TestShippedCatalogueFits::namesCut(const QListWidget* list)
{
    if (list->count() == 0)
        return {u"(empty list)"_s};
    // The list's inside, less the vertical scroll bar that a long list shows and the
    // margins the style keeps around an entry's text.
    const int textMargin =
        list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int room = list->width() - 2 * list->frameWidth() -
                     list->verticalScrollBar()->sizeHint().width() - 2 * textMargin;
    QStringList cut;
    for (int i = 0; i < list->count(); ++i) {
        const QString name = TrimBlanks(list->item(i)->text()).toString();
        if (list->fontMetrics().horizontalAdvance(name) > room)
            cut.append(name);
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
    auto* selector = m_window->findChild<QComboBox*>(u"cboGeneralCategory"_s);
    selector->setCurrentText(entry);
    emit selector->activated(selector->currentIndex());
    QCOMPARE(namesCut(m_window->findChild<QListWidget*>(u"lstGeneralEmoticons"_s)), QStringList());
}

void TestShippedCatalogueFits::namesFitTheOwnListEditor()
{
    auto* toolbar = m_window->findChild<QToolBar*>(u"Toolbar1"_s);
    toolbar->actions().at(1)->trigger();
    QCOMPARE(namesCut(m_window->findChild<QListWidget*>(u"lstOwnListEmoticons"_s)), QStringList());
}

QTEST_MAIN(TestShippedCatalogueFits)
#include "tst_shipped_catalogue_fits.moc"
