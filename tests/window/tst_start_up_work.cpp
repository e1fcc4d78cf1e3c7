// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArtworkLabel.h"
#include "DataFileBuilder.h"
#include "EmoticonList.h"
#include "MainWindow.h"
#include "WidgetTest.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QScrollBar>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

using namespace Qt::StringLiterals;

// What keeps the program quick to start and to use at a hundred times its catalogue, checked
// as structure rather than by the clock: the panels the window opens without are built after
// its first frame, their pictures are not drawn until they are shown, and every list lays out
// its entries without measuring each one and holds a fill as the bytes it read, with no object
// per entry.
class TestStartUpWork : public WidgetTest {
    Q_OBJECT

private slots:
    void hiddenPanelsComeAfterTheFirstFrame();
    void listsDeclareUniformEntries();
    void hiddenPanelsDrawNoPictureUntilShown();
    void aFillHoldsTheBytesItReadOnly();

private:
    MainWindow* openWindow()
    {
        return open(std::make_unique<MainWindow>(path(QString()), m_desktop));
    }
};

void TestStartUpWork::hiddenPanelsComeAfterTheFirstFrame()
{
    const QStringList boxes = {u"picConfigBackground"_s, u"picAOLBackground"_s,
                               u"picMSNBackground"_s, u"picYahooBackground"_s};
    auto window = std::make_unique<MainWindow>(path(QString()), m_desktop);
    QVERIFY(window->findChild<QWidget*>(u"picGeneralBackground"_s));
    for (const QString& box : boxes)
        QVERIFY2(!window->findChild<QWidget*>(box), qPrintable(box));
    open(std::move(window));
    for (const QString& box : boxes)
        QVERIFY2(control<QWidget>(box), qPrintable(box));
}

void TestStartUpWork::listsDeclareUniformEntries()
{
    openWindow();
    control<QWidget>(u"picConfigBackground"_s); // built after the first frame
    const QList<EmoticonList*> lists = widget()->findChildren<EmoticonList*>();
    QCOMPARE(lists.size(), 3);
    for (const EmoticonList* list : lists)
        QVERIFY2(list->uniformItemSizes(), qPrintable(list->objectName()));
}

void TestStartUpWork::hiddenPanelsDrawNoPictureUntilShown()
{
    openWindow();
    control<QWidget>(u"picConfigBackground"_s); // built after the first frame
    for (const QString& panel : {u"fraConfig"_s, u"fraAOL"_s}) {
        const auto pictures = control<QFrame>(panel)->findChildren<ArtworkLabel*>();
        QVERIFY(!pictures.isEmpty());
        for (const ArtworkLabel* picture : pictures)
            QVERIFY2(picture->pixmap().isNull(), qPrintable(picture->objectName()));
    }
    control<QAction>(u"mnuAOL"_s)->trigger();
    const auto shown = control<QFrame>(u"fraAOL"_s)->findChildren<ArtworkLabel*>();
    QVERIFY(std::ranges::any_of(shown, [](const ArtworkLabel* picture) {
        return picture->isVisible() && !picture->pixmap().isNull();
    }));
}

// The bytes the heap holds, as its allocator counts them.
static qint64 heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 heap = mallinfo2();
    return qint64(heap.uordblks) + qint64(heap.hblkhd);
#endif
}

void TestStartUpWork::aFillHoldsTheBytesItReadOnly()
{
    // The window opens on a few entries, so that what drawing them first leaves behind (the
    // font's glyphs) is not counted, nor anything a long list might leave behind.
    const auto writeCatalogue = [this](int records) {
        write(u"all.bra"_s,
              DataFileBuilder::categoryFile(DataFileBuilder::numbered(u"Nome"_s, records)));
    };
    constexpr int Records = 100'000;
    writeCatalogue(9);
    openWindow();
    writeCatalogue(Records);
    auto* category = control<QComboBox>(u"cboGeneralCategory"_s);
    auto* list = control<EmoticonList>(u"lstGeneralEmoticons"_s);
    QTest::keyClick(category, Qt::Key_Up);                 // from TODOS to LISTA PRÓPRIA, empty
    QTRY_COMPARE(list->verticalScrollBar()->maximum(), 0); // laid out
    const qint64 before = heapInUse();
    QTest::keyClick(category, Qt::Key_Down);
    QCOMPARE(list->count(), Records);
    QTRY_VERIFY(list->verticalScrollBar()->maximum() > 0); // laid out
    QCoreApplication::processEvents();                     // and drawn
    // A record is 50 bytes; a string per entry would take more than that again, and a
    // position recorded per entry 4 bytes.
    const qint64 perRecord = (heapInUse() - before) / Records;
    QVERIFY2(perRecord < 54, qPrintable(QString::number(perRecord) + u" bytes per record"_s));
}

QTEST_MAIN(TestStartUpWork)
#include "tst_start_up_work.moc"
