// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFileBuilder.h"
#include "EmoticonList.h"
#include "FocusMark.h"
#include "GeneralPanel.h"
#include "PreviewArea.h"
#include "PreviewGeometry.h"
#include "WidgetTest.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;

// The browse panel on a temporary program folder, as the window starts it: "Médio",
// "Visão Original", the whole catalogue listed.
class TestGeneralPanel : public WidgetTest {
    Q_OBJECT

private slots:
    void selectionShowsTheRecordAtItsIndex_data();
    void selectionShowsTheRecordAtItsIndex();
    void selectionRereadsTheFile();
    void focusIntoTheListSelectsNothing();
    void aPersonCannotDropTheSelection_data();
    void aPersonCannotDropTheSelection();
    void lettersTypedInTheListSelect_data();
    void lettersTypedInTheListSelect();
    void previewDrawsInsideTheTextCell_data();
    void previewDrawsInsideTheTextCell();
    void previewGrowsWithTheSize();
    void twoTogglesGiveTheSameDrawing();
    void sizeAndViewChangeWithNothingSelected();
    void centresTheTextAsWritten();
    void searchSelectsAsTheUserTypes();
    void keyboardReachesTheSize();
    void copyPutsTheCaptionOnTheClipboard_data();
    void copyPutsTheCaptionOnTheClipboard();
    void copyIsRefusedWhenNothingIsSelected_data();
    void copyIsRefusedWhenNothingIsSelected();
    void markerLightsOverTheCopyCaption();
    void rotatePictureFillsItsPlace();

private:
    void prepare() override;
    EmoticonList* list() const { return control<EmoticonList>(u"lstGeneralEmoticons"_s); }
    // The emoticon previewed, as screen readers read it from the preview.
    QString caption() const
    {
        return control<PreviewArea>(u"picEmoticon"_s)->accessibleDescription();
    }
    QImage drawing() const { return control<PreviewArea>(u"picEmoticon"_s)->drawing(); }
    void choose(const QString& category) const { m_panel->chooseCategory(category); }
    void select(const QString& category, int row) const;
    void rotate() const
    {
        QTest::mouseClick(control<QLabel>(u"lblGeneralRotate"_s), Qt::LeftButton);
    }
    // "COPIAR PARA A MEMÓRIA" clicked, or a key pressed in the focused list.
    void copy(const QString& how) const;

    GeneralPanel* m_panel = nullptr;
};

namespace {

const QColor Navy(0, 0, 128);

// The smallest rectangle holding every painted pixel: by default, every pixel drawn over the
// navy ground.
QRect drawnBounds(
    const QImage& image, bool (*painted)(QColor) = [](QColor colour) { return colour != Navy; })
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (painted(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Each way a person copies: the caption (empty), then keys pressed in the focused list.
const QStringList CopyWays = {QString(), u"Ctrl+C"_s, u"Return"_s};

// A wide emoticon, drawn at every size and view.
const QString WideEmoticon = u"<(^_^)>"_s;

} // namespace

void TestGeneralPanel::prepare()
{
    // Each representation is distinct, so a record read from the wrong place shows.
    write(u"all.bra"_s, Build::categoryFile(Build::numbered(u"Todos"_s, 5)));
    write(u"objects.bra"_s, Build::categoryFile(Build::categoryRecord({u"Abelha"_s, u":-)"_s}) +
                                                Build::record("Abelhudo\xE6", "   ;-)\xE6zz") +
                                                Build::record("Abacate\xE6", " :-P \xE6") +
                                                Build::record("Bala\xE6", "\xE6:-(") +
                                                Build::record("Bolo\xE6", ":-D") +
                                                Build::categoryRecord({u"Largo"_s, WideEmoticon})));
    write(u"custom.bra"_s, Build::ownListFile({{u"  Meu gato"_s, u"  =^.^=  "_s},
                                               {u"Amor"_s, u"<3 \u00E6"_s},
                                               {u"Flor"_s, u"@}-;-"_s}}));
    auto panel = std::make_unique<GeneralPanel>(store(), m_desktop, timer(), nullptr);
    panel->startUp();
    m_panel = open(std::move(panel));
}

void TestGeneralPanel::select(const QString& category, int row) const
{
    choose(category);
    list()->selectRow(row);
}

void TestGeneralPanel::copy(const QString& how) const
{
    if (how.isEmpty())
        return QTest::mouseClick(control<QLabel>(u"lblCopiarEmoticon"_s), Qt::LeftButton);
    list()->setFocus();
    QTest::keySequence(list(), QKeySequence(how));
}

void TestGeneralPanel::selectionShowsTheRecordAtItsIndex_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first record") << u"OBJETOS"_s << 0 << u":-)"_s;
    QTest::newRow("leading blanks trimmed, text after the terminator ignored")
        << u"OBJETOS"_s << 1 << u";-)"_s;
    QTest::newRow("blank before the terminator kept") << u"OBJETOS"_s << 2 << u":-P "_s;
    QTest::newRow("index 3, at byte 1150: starts with the terminator")
        << u"OBJETOS"_s << 3 << QString();
    QTest::newRow("no terminator: nothing, not the previous emoticon")
        << u"OBJETOS"_s << 4 << QString();
    QTest::newRow("own list index 0 is record 1, trimmed") << u"LISTA PRÓPRIA"_s << 0 << u"=^.^="_s;
    QTest::newRow("own list keeps its terminator letter")
        << u"LISTA PRÓPRIA"_s << 1 << u"<3 \u00E6"_s;
    QTest::newRow("own list last record") << u"LISTA PRÓPRIA"_s << 2 << u"@}-;-"_s;
}

void TestGeneralPanel::selectionShowsTheRecordAtItsIndex()
{
    QFETCH(QString, category);
    QFETCH(int, index);
    QFETCH(QString, expected);

    // Something else is previewed first.
    select(category, index == 0 ? 1 : 0);
    QVERIFY(!caption().isEmpty());
    list()->selectRow(index);
    QCOMPARE(caption(), expected);
    QCOMPARE(drawnBounds(drawing()).isEmpty(), expected.trimmed().isEmpty());
}

void TestGeneralPanel::selectionRereadsTheFile()
{
    choose(u"LISTA PRÓPRIA"_s);
    write(u"custom.bra"_s, Build::ownListFile({{u"Outro"_s, u"8-)"_s}}));
    list()->selectRow(0);
    QCOMPARE(caption(), u"8-)"_s);
    // The list outlives the file's records: the entry shows nothing.
    list()->selectRow(2);
    QCOMPARE(caption(), QString());
}

void TestGeneralPanel::focusIntoTheListSelectsNothing()
{
    choose(u"OBJETOS"_s);
    auto* search = control<QLineEdit>(u"txtGeneralSearch"_s);
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Backtab);
    QVERIFY(list()->hasFocus());
    QCOMPARE(list()->selectedRow(), -1);
    QCOMPARE(caption(), QString());
    QVERIFY(drawnBounds(drawing()).isEmpty());

    // The first arrow key selects the entry the focus marks, then the next.
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->selectedRow(), 0);
    QCOMPARE(caption(), u":-)"_s);
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(caption(), u";-)"_s);
}

void TestGeneralPanel::aPersonCannotDropTheSelection_data()
{
    QTest::addColumn<Qt::MouseButton>("button"); // none: Space pressed instead
    QTest::addColumn<bool>("control");
    QTest::addColumn<int>("row"); // -1: the blank area below the last entry
    QTest::addColumn<int>("selected");
    QTest::newRow("a click selects another entry") << Qt::LeftButton << false << 2 << 2;
    QTest::newRow("the blank area keeps it") << Qt::LeftButton << false << -1 << 1;
    QTest::newRow("Ctrl+click on it keeps it") << Qt::LeftButton << true << 1 << 1;
    QTest::newRow("Ctrl+Space on it keeps it") << Qt::NoButton << true << 1 << 1;
    QTest::newRow("the right button selects nothing") << Qt::RightButton << false << 2 << 1;
}

// A list's one selection moves, and is never dropped (the whole catalogue's five entries leave
// blank room below them).
void TestGeneralPanel::aPersonCannotDropTheSelection()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, control);
    QFETCH(int, row);
    QFETCH(int, selected);
    list()->selectRow(1);
    const Qt::KeyboardModifiers modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
    const QRect entry = list()->visualRect(list()->model()->index(row, 0));
    const QPoint place = row < 0 ? QPoint(20, list()->viewport()->height() - 3) : entry.center();
    if (button == Qt::NoButton)
        QTest::keyClick(list(), Qt::Key_Space, modifiers);
    else
        QTest::mouseClick(list()->viewport(), button, modifiers, place);
    QCOMPARE(list()->selectedRow(), selected);
    QCOMPARE(list()->currentIndex().row(), selected);
}

void TestGeneralPanel::lettersTypedInTheListSelect_data()
{
    QTest::addColumn<int>("selectedBefore");
    QTest::addColumn<QString>("typed"); // in one run
    QTest::addColumn<int>("selected");
    QTest::newRow("a letter moves to the next name it begins") << 0 << u"b"_s << 3;
    QTest::newRow("the same letter again moves on") << 3 << u"b"_s << 4;
    QTest::newRow("and round to the top") << 4 << u"b"_s << 3;
    QTest::newRow("one letter typed twice moves twice") << 0 << u"bb"_s << 4;
    QTest::newRow("a run spells a name") << 0 << u"abac"_s << 2;
    QTest::newRow("a run keeps the entry it found while it matches") << 0 << u"abel"_s << 1;
    QTest::newRow("capitals alike") << 0 << u"L"_s << 5;
    QTest::newRow("from the top with nothing selected") << -1 << u"bo"_s << 4;
    QTest::newRow("nothing found keeps the selection") << 2 << u"z"_s << 2;
}

void TestGeneralPanel::lettersTypedInTheListSelect()
{
    QFETCH(int, selectedBefore);
    QFETCH(QString, typed);
    QFETCH(int, selected);
    select(u"OBJETOS"_s, selectedBefore);
    list()->setFocus();
    QTest::keyClicks(list(), typed);
    QCOMPARE(list()->selectedRow(), selected);
}

void TestGeneralPanel::previewDrawsInsideTheTextCell_data()
{
    QTest::addColumn<bool>("turned");
    QTest::addColumn<int>("sizePosition");

    for (const bool turned : {false, true}) {
        for (int position = 0; position < 3; ++position) {
            QTest::addRow("%s, %s", turned ? "270 graus" : "Visão Original",
                          qPrintable(PreviewGeometry::Sizes[position].caption.toString()))
                << turned << position;
        }
    }
}

void TestGeneralPanel::previewDrawsInsideTheTextCell()
{
    QFETCH(bool, turned);
    QFETCH(int, sizePosition);
    const int points = std::array{18, 28, 36}[sizePosition];
    const int cell = 2 * points;

    select(u"OBJETOS"_s, 5);
    control<QScrollBar>(u"SizeScroll"_s)->setValue(sizePosition);
    if (turned)
        rotate();
    QCOMPARE(control<QLabel>(u"lblGeneralView"_s)->text(),
             turned ? u"270 graus"_s : u"Visão Original"_s);

    const QRect drawn = drawnBounds(drawing());
    QVERIFY(!drawn.isEmpty());
    // The glyphs fill most of the cell's height, and never more.
    const int thickness = turned ? drawn.width() : drawn.height();
    QVERIFY2(thickness > cell / 2 && thickness <= cell, qPrintable(QString::number(thickness)));
    if (turned) {
        // Downward from the size's start point, the letters to its left.
        const QPoint start =
            std::array{QPoint(1650, 500), QPoint(1850, 300), QPoint(2000, 100)}[sizePosition] / 15;
        QVERIFY(drawn.right() <= start.x() + 1 && drawn.right() >= start.x() - cell / 4);
        QVERIFY(drawn.left() >= start.x() - cell - 1);
        QVERIFY(drawn.top() >= start.y() - 1 && drawn.top() <= start.y() + 4);
        QVERIFY(drawn.height() > drawn.width());
    } else {
        // From the point that centres the text measured in Arial at the preview size, up and
        // left by 180 and 100 twips.
        QFont arial(u"Arial"_s);
        arial.setPixelSize(qRound(points * 96.0 / 72.0));
        const QFontMetrics metrics(arial);
        const QSize label = QSize(metrics.horizontalAdvance(WideEmoticon), metrics.height()) * 15;
        const QPoint start(2800 / 2 - label.width() / 2 - 180, 2175 / 2 - label.height() / 2 - 100);
        QVERIFY(drawn.left() >= start.x() / 15 - 1 && drawn.left() <= start.x() / 15 + 4);
        QVERIFY(drawn.top() >= start.y() / 15 - 1 && drawn.top() <= start.y() / 15 + cell / 4);
        QVERIFY(drawn.bottom() <= start.y() / 15 + cell + 1);
        QVERIFY(drawn.width() > drawn.height());
    }
}

void TestGeneralPanel::previewGrowsWithTheSize()
{
    select(u"OBJETOS"_s, 5);
    auto* size = control<QScrollBar>(u"SizeScroll"_s);
    QList<int> widths;
    for (const int position : {0, 1, 2}) {
        size->setValue(position);
        QCOMPARE(control<QLabel>(u"lblGeneralSize"_s)->text(),
                 (std::array{u"Pequeno"_s, u"Médio"_s, u"Grande"_s}[position]));
        widths.append(drawnBounds(drawing()).width());
    }
    QVERIFY2(widths[0] < widths[1] && widths[1] < widths[2], qPrintable(QDebug::toString(widths)));
}

void TestGeneralPanel::twoTogglesGiveTheSameDrawing()
{
    select(u"OBJETOS"_s, 5);
    const QImage before = drawing();
    rotate();
    QCOMPARE(control<QLabel>(u"lblGeneralView"_s)->text(), u"270 graus"_s);
    QVERIFY(drawing() != before);
    QTest::mouseClick(control<QLabel>(u"imgGeneralRotate"_s), Qt::LeftButton);
    QCOMPARE(control<QLabel>(u"lblGeneralView"_s)->text(), u"Visão Original"_s);
    QCOMPARE(drawing(), before);
}

void TestGeneralPanel::sizeAndViewChangeWithNothingSelected()
{
    QCOMPARE(control<QLabel>(u"lblGeneralSize"_s)->text(), u"Médio"_s);
    QCOMPARE(control<QLabel>(u"lblGeneralView"_s)->text(), u"Visão Original"_s);
    select(u"OBJETOS"_s, 5);
    choose(u"ANIMAIS"_s);
    QCOMPARE(caption(), QString());
    control<QScrollBar>(u"SizeScroll"_s)->setValue(2);
    QCOMPARE(control<QLabel>(u"lblGeneralSize"_s)->text(), u"Grande"_s);
    rotate();
    QCOMPARE(control<QLabel>(u"lblGeneralView"_s)->text(), u"270 graus"_s);
    QVERIFY(drawnBounds(drawing()).isEmpty());
}

void TestGeneralPanel::centresTheTextAsWritten()
{
    QCOMPARE(PreviewGeometry::originalViewStart({2800, 2175}, {1000, 600}), QPoint(720, 687));
    QCOMPARE(PreviewGeometry::originalViewStart({2800, 2175}, {0, 0}), QPoint(1220, 987));
}

void TestGeneralPanel::searchSelectsAsTheUserTypes()
{
    choose(u"OBJETOS"_s);
    auto* search = control<QLineEdit>(u"txtGeneralSearch"_s);
    search->setFocus();
    const QList<std::tuple<char, int, QString>> steps = {
        {'a', 0, u":-)"_s},   // "Abelha", the first of three
        {'b', 0, u":-)"_s},   // still "Abelha"
        {'a', 2, u":-P "_s},  // "Abacate"
        {'x', -1, QString()}, // nothing begins with "abax"
    };
    for (const auto& [key, row, shown] : steps) {
        QTest::keyClick(search, key);
        QCOMPARE(list()->selectedRow(), row);
        QCOMPARE(caption(), shown);
        QCOMPARE(drawnBounds(drawing()).isEmpty(), row < 0);
    }
    QTest::keyClick(search, Qt::Key_Backspace);
    QCOMPARE(list()->selectedRow(), 2);
    search->clear();
    QCOMPARE(list()->selectedRow(), -1);
    QCOMPARE(caption(), QString());
    QVERIFY(drawnBounds(drawing()).isEmpty());
}

void TestGeneralPanel::keyboardReachesTheSize()
{
    auto* size = control<QScrollBar>(u"SizeScroll"_s);
    control<QWidget>(u"cboGeneralCategory"_s)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(size->hasFocus());
    QVERIFY(widget()->findChild<FocusMark*>()->isVisible()); // the style draws no focus there
    QTest::keyClick(size, Qt::Key_Up);
    QTest::keyClick(size, Qt::Key_Up);
    QCOMPARE(control<QLabel>(u"lblGeneralSize"_s)->text(), u"Pequeno"_s);
}

void TestGeneralPanel::copyPutsTheCaptionOnTheClipboard_data()
{
    QTest::addColumn<QString>("how");
    for (const QString& how : CopyWays)
        QTest::addRow("%s", how.isEmpty() ? "caption" : qPrintable(how)) << how;
}

void TestGeneralPanel::copyPutsTheCaptionOnTheClipboard()
{
    QFETCH(QString, how);
    select(u"LISTA PRÓPRIA"_s, 0);
    QElapsedTimer clock;
    clock.start();
    copy(how);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"=^.^="_s);
    QCOMPARE(m_desktop.beeps, 1);
    QVERIFY(m_desktop.messages.isEmpty());
    auto* copied = control<QLabel>(u"lblGeneralCopied"_s);
    QVERIFY(copied->isVisible());
    QVERIFY(control<QLabel>(u"imgGeneralCopied"_s)->isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(!copied->isVisible(), 5000);
    QVERIFY2(clock.elapsed() >= 1400, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!control<QLabel>(u"imgGeneralCopied"_s)->isVisible());
    QVERIFY(!timer().isActive());
}

void TestGeneralPanel::copyIsRefusedWhenNothingIsSelected_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("how");
    for (const auto& [row, before] : {std::pair{"no selection yet", QString()},
                                      {"after a category change", u"category"_s},
                                      {"after a search without a match", u"no match"_s},
                                      {"after emptying the search box", u"emptied"_s},
                                      {"on a record without a terminator", u"no terminator"_s}}) {
        for (const QString& how : CopyWays)
            QTest::addRow("%s, %s", row, how.isEmpty() ? "caption" : qPrintable(how))
                << before << how;
    }
}

void TestGeneralPanel::copyIsRefusedWhenNothingIsSelected()
{
    QFETCH(QString, before);
    QFETCH(QString, how);
    auto* search = control<QLineEdit>(u"txtGeneralSearch"_s);
    choose(u"OBJETOS"_s);
    if (!before.isEmpty())
        list()->selectRow(0);
    if (before == u"category")
        choose(u"OBJETOS"_s);
    else if (before == u"no match")
        search->setText(u"zz"_s);
    else if (before == u"emptied")
        search->clear(), search->setText(u"a"_s), search->clear();
    else if (before == u"no terminator")
        list()->selectRow(4);
    QGuiApplication::clipboard()->setText(u"antes"_s);

    copy(how);
    QCOMPARE(m_desktop.messages,
             QList<Desktop::Message>({{u"Quillane Emoticon"_s,
                                       u"Não há nada para copiar, selecione antes um emoticon."_s,
                                       QMessageBox::NoIcon, QMessageBox::Ok}}));
    QCOMPARE(QGuiApplication::clipboard()->text(), u"antes"_s);
    QCOMPARE(m_desktop.beeps, 0);
    QVERIFY(!control<QLabel>(u"lblGeneralCopied"_s)->isVisible());
}

void TestGeneralPanel::markerLightsOverTheCopyCaption()
{
    auto* marker = control<QWidget>(u"shpGeneralClipboard"_s);
    // The marker as drawn: a circle as high as its 25 x 15 box, centred in it; the colour is
    // its middle's.
    const auto drawn = [marker] {
        QImage image(marker->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Navy);
        marker->render(&image, {}, {}, QWidget::DrawChildren);
        return image;
    };
    const auto colour = [&] { return drawn().pixelColor(12, 7); };
    QCOMPARE(marker->size(), QSize(25, 15));
    QCOMPARE(drawnBounds(drawn()), QRect(5, 0, 15, 15));
    QCOMPARE(drawn().pixelColor(5, 0), Navy); // round: the corner stays empty
    QCOMPARE(colour(), QColor(0, 0, 0));
    QTest::mouseMove(control<QLabel>(u"lblCopiarEmoticon"_s));
    QTRY_COMPARE(colour(), QColor(255, 0, 0));
    // Another control keeps it lit; the panel's background puts it out.
    QTest::mouseMove(control<QLabel>(u"lblGeneralSize"_s));
    QCOMPARE(colour(), QColor(255, 0, 0));
    QTest::mouseMove(m_panel, QPoint(5, 5));
    QTRY_COMPARE(colour(), QColor(0, 0, 0));
}

void TestGeneralPanel::rotatePictureFillsItsPlace()
{
    const auto* rotate = control<QLabel>(u"imgGeneralRotate"_s);
    const QRect painted =
        drawnBounds(rotate->pixmap().toImage(), [](QColor colour) { return colour.alpha() > 0; });
    QCOMPARE(rotate->size(), QSize(29, 27));
    QVERIFY2(painted.width() >= 22 && painted.height() >= 22,
             qPrintable(QDebug::toString(painted)));
}

QTEST_MAIN(TestGeneralPanel)
#include "tst_general_panel.moc"
