// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ArtworkLabel.h"
#include "EmoticonList.h"
#include "MainWindow.h"
#include "RecordingDesktop.h"

#include <QAction>
#include <QFrame>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// What keeps the program quick to start and to use at a hundred times its catalogue, checked
// as structure rather than by the clock: the panels the window opens without are built after
// its first frame, their pictures are not drawn until they are shown, and every list lays out
// its entries without measuring each one.
class TestStartUpWork : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void hiddenPanelsComeAfterTheFirstFrame();
    void listsDeclareUniformEntries();
    void hiddenPanelsDrawNoPictureUntilShown();

private:
    QTemporaryDir m_folder;
    RecordingDesktop m_desktop;
    std::unique_ptr<MainWindow> m_window;
};

void TestStartUpWork::initTestCase()
{
    m_window = std::make_unique<MainWindow>(m_folder.path(), m_desktop);
}

void TestStartUpWork::hiddenPanelsComeAfterTheFirstFrame()
{
    const QStringList boxes = {u"picConfigBackground"_s, u"picAOLBackground"_s,
                               u"picMSNBackground"_s, u"picYahooBackground"_s};
    for (const QString& box : boxes)
        QVERIFY2(!m_window->findChild<QWidget*>(box), qPrintable(box));
    QVERIFY(m_window->findChild<QWidget*>(u"picGeneralBackground"_s));

    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    for (const QString& box : boxes)
        QTRY_VERIFY2(m_window->findChild<QWidget*>(box), qPrintable(box));
}

void TestStartUpWork::listsDeclareUniformEntries()
{
    const QList<EmoticonList*> lists = m_window->findChildren<EmoticonList*>();
    QCOMPARE(lists.size(), 3);
    for (const EmoticonList* list : lists)
        QVERIFY2(list->uniformItemSizes(), qPrintable(list->objectName()));
}

void TestStartUpWork::hiddenPanelsDrawNoPictureUntilShown()
{
    for (const QString& panel : {u"fraConfig"_s, u"fraAOL"_s}) {
        const auto pictures = m_window->findChild<QFrame*>(panel)->findChildren<ArtworkLabel*>();
        QVERIFY(!pictures.isEmpty());
        for (const ArtworkLabel* picture : pictures)
            QVERIFY2(picture->pixmap().isNull(), qPrintable(picture->objectName()));
    }
    m_window->findChild<QAction*>(u"mnuAOL"_s)->trigger();
    const auto shown = m_window->findChild<QFrame*>(u"fraAOL"_s)->findChildren<ArtworkLabel*>();
    QVERIFY(std::ranges::any_of(shown, [](const ArtworkLabel* picture) {
        return picture->isVisible() && !picture->pixmap().isNull();
    }));
}

QTEST_MAIN(TestStartUpWork)
#include "tst_start_up_work.moc"
