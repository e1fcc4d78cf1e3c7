// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFileBuilder.h"
#include "EmoticonList.h"
#include "FailureTexts.h"
#include "FileModes.h"
#include "MainWindow.h"
#include "PreviewArea.h"
#include "QtTranslations.h"
#include "WidgetTest.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWindow>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;

// The window's commands that switch no panel: the help page and the maker's pages, "Sempre
// Visível", the about box; and the start and the end of a run with the settings file.
class TestWindowCommands : public WidgetTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(FileModes::obeyFileModes()); }
    void linksHandTheirAddressToTheShell_data();
    void linksHandTheirAddressToTheShell();
    void linkThatCannotOpenChangesNothing();
    void alwaysOnTopTogglesTogether();
    void startsAndEndsWithTheSettingsFile_data();
    void startsAndEndsWithTheSettingsFile();
    void unwritableSettingsAreReportedAndTheWindowCloses();
    void aboutBoxIsOneNonModalToolWindow();
    void aboutBoxCloseCaptionLightsUnderTheMouse();
    void aboutBoxLinks();
    void qtStandardMenusSpeakPortuguese();

private:
    void prepare() override;
    // On a program folder with emoticon.dat holding content, when given.
    void openWindow(std::optional<QByteArray> content = std::nullopt);
    QByteArray settings() const
    {
        return Build::read(path(u"emoticon.dat"_s)).value_or("(missing)");
    }
    QWidget* aboutBox() const { return m_window->findChild<QWidget*>(u"frmAbout"_s); }
    QLabel* aboutLabel(const QString& name) const { return aboutBox()->findChild<QLabel*>(name); }

    MainWindow* m_window = nullptr;
};

namespace {

QByteArray tagged(const QByteArray& text)
{
    const char header[] = {8, 0, char(text.size()), 0};
    return QByteArray(header, sizeof header) + text;
}

} // namespace

void TestWindowCommands::prepare()
{
    write(u"all.bra"_s, Build::categoryFile(Build::numbered(u"Todos"_s, 4)));
}

void TestWindowCommands::openWindow(std::optional<QByteArray> content)
{
    if (content)
        write(u"emoticon.dat"_s, *content);
    m_window = open(std::make_unique<MainWindow>(path(QString()), m_desktop));
}

void TestWindowCommands::linksHandTheirAddressToTheShell_data()
{
    QTest::addColumn<QString>("how"); // a menu entry, "Toolbar3:<button>" or a key in a box
    QTest::addColumn<QString>("address");

    const QString help = u"help/index-bra.html"_s;
    QTest::newRow("Conteúdo") << u"mnuContents"_s << help;
    QTest::newRow("Ctrl+F1 in the search box") << u"keys"_s << help;
    QTest::newRow("help button") << u"Toolbar3:2"_s << help;
    QTest::newRow("home page") << u"mnuQuillaneHomePage"_s << u"http://quillane.example"_s;
    QTest::newRow("home button") << u"Toolbar3:1"_s << u"http://quillane.example"_s;
    QTest::newRow("FAQ") << u"mnuFAQ"_s << u"http://quillane.example//faq.htm"_s;
    QTest::newRow("news") << u"mnuNews"_s << u"http://quillane.example//news.htm"_s;
    QTest::newRow("suggestions") << u"mnuSuggestions"_s
                                 << u"http://quillane.example//suggestion.htm"_s;
    QTest::newRow("support") << u"mnuSupport"_s << u"http://quillane.example//support.htm"_s;
}

void TestWindowCommands::linksHandTheirAddressToTheShell()
{
    QFETCH(QString, how);
    QFETCH(QString, address);
    openWindow();
    control<QAction>(u"mnuYahoo"_s)->trigger();

    if (how == u"keys") {
        control<QAction>(u"mnuGeneral"_s)->trigger();
        auto* search = control<QLineEdit>(u"txtGeneralSearch"_s);
        search->setFocus();
        QTest::keyClick(search, Qt::Key_F1, Qt::ControlModifier);
    } else if (how.startsWith(u"Toolbar3:")) {
        clickToolbarButton(u"Toolbar3"_s, how.back().digitValue());
    } else {
        control<QAction>(how)->trigger();
    }

    QCOMPARE(m_desktop.links.size(), 1);
    const QUrl link = m_desktop.links.first();
    if (address.startsWith(u"http"))
        QCOMPARE(link.toString(), address);
    else
        QCOMPARE(link.toLocalFile(), path(address));
    QVERIFY(m_desktop.messages.isEmpty());
    if (how != u"keys")
        QVERIFY(control<QFrame>(u"fraYahoo"_s)->isVisible());
}

void TestWindowCommands::linkThatCannotOpenChangesNothing()
{
    openWindow();
    m_desktop.linksOpen = false;
    control<QAction>(u"mnuContents"_s)->trigger();
    clickToolbarButton(u"Toolbar3"_s, 1);
    QCOMPARE(m_desktop.links.size(), 2);
    QVERIFY(m_desktop.messages.isEmpty());
    QVERIFY(control<QFrame>(u"fraGeneral"_s)->isVisible());
}

void TestWindowCommands::alwaysOnTopTogglesTogether()
{
    openWindow();
    auto* entry = control<QAction>(u"mnuAlwaysOnTop"_s);
    const QPoint place = m_window->pos();
    // The window changes its layer in place: it is not made anew and keeps the focus.
    control<QLineEdit>(u"txtGeneralSearch"_s)->setFocus();
    for (const bool on : {true, false}) {
        entry->trigger();
        QCOMPARE(m_window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(u"txtGeneralSearch"_s));
        QCOMPARE(entry->isChecked(), on);
        QCOMPARE(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->pos(), place);
    }
}

void TestWindowCommands::startsAndEndsWithTheSettingsFile_data()
{
    QTest::addColumn<std::optional<QByteArray>>("before");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<bool>("toggle"); // once, before closing
    QTest::addColumn<QByteArray>("after");

    const std::optional<QByteArray> missing;
    QTest::newRow("yyy: on, written YYY")
        << std::optional(tagged("yyy")) << true << false << tagged("YYY");
    QTest::newRow("missing: off, written NNN") << missing << false << false << tagged("NNN");
    QTest::newRow("empty: off") << std::optional(QByteArray()) << false << false << tagged("NNN");
    QTest::newRow("YYYY: off") << std::optional(tagged("YYYY")) << false << false
                               << tagged("NNN") + "Y";
    QTest::newRow("switched on: saved") << missing << false << true << tagged("YYY");
    QTest::newRow("switched off: saved, tail kept")
        << std::optional(tagged("YYY") + "tail") << true << true << tagged("NNN") + "tail";
}

void TestWindowCommands::startsAndEndsWithTheSettingsFile()
{
    QFETCH(std::optional<QByteArray>, before);
    QFETCH(bool, onTop);
    QFETCH(bool, toggle);
    QFETCH(QByteArray, after);

    openWindow(before);
    QCOMPARE(control<QAction>(u"mnuAlwaysOnTop"_s)->isChecked(), onTop);
    QCOMPARE(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    // The rest of the starting state.
    QCOMPARE(control<QLabel>(u"lblGeneralView"_s)->text(), u"Visão Original"_s);
    QCOMPARE(control<QLabel>(u"lblGeneralSize"_s)->text(), u"Médio"_s);
    QCOMPARE(control<QComboBox>(u"cboGeneralCategory"_s)->currentText(), u"TODOS"_s);
    QCOMPARE(control<QLabel>(u"lblGeneralEmoticonsNum"_s)->text(), u"4"_s);
    QCOMPARE(control<EmoticonList>(u"lstGeneralEmoticons"_s)->count(), 4);
    const QImage preview = control<PreviewArea>(u"picEmoticon"_s)->drawing();
    QCOMPARE(preview.pixelColor(preview.rect().center()), QColor(0, 0, 128));
    QCOMPARE(control<PreviewArea>(u"picEmoticon"_s)->accessibleDescription(), QString());

    if (toggle)
        control<QAction>(u"mnuAlwaysOnTop"_s)->trigger();
    control<QAction>(u"mnuExit"_s)->trigger();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(settings(), after);
}

void TestWindowCommands::unwritableSettingsAreReportedAndTheWindowCloses()
{
    openWindow(tagged("NNN"));
    control<QAction>(u"mnuAlwaysOnTop"_s)->trigger();
    QVERIFY(FileModes::setWritable(path(u"emoticon.dat"_s), false));
    m_window->close();
    QVERIFY(FileModes::setWritable(path(u"emoticon.dat"_s), true));

    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_desktop.messages,
             QList{RecordingDesktop::error(
                 FailureTexts::cannot(u"gravar", u"emoticon.dat", FailureTexts::Denied)
                     .arg(store().programFolder()))});
    QCOMPARE(settings(), tagged("NNN"));
}

void TestWindowCommands::aboutBoxIsOneNonModalToolWindow()
{
    openWindow();
    control<QAction>(u"mnuAbout"_s)->trigger();
    QWidget* box = aboutBox();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowTitle(), u"Sobre Quillane Emoticon..."_s);
    QCOMPARE(box->windowType(), Qt::Tool);
    QCOMPARE(box->size(), QSize(359, 231));
    QCOMPARE(box->windowModality(), Qt::NonModal);
    QCOMPARE(box->parentWidget(), m_window);
    for (const QLabel* label : box->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
    }

    control<QAction>(u"mnuAbout"_s)->trigger();
    QCOMPARE(m_window->findChildren<QWidget*>(u"frmAbout"_s).size(), 1);
    QCOMPARE(aboutBox(), box);
    // The main window stays usable.
    control<QAction>(u"mnuAOL"_s)->trigger();
    QVERIFY(control<QFrame>(u"fraAOL"_s)->isVisible());
}

void TestWindowCommands::aboutBoxCloseCaptionLightsUnderTheMouse()
{
    openWindow();
    control<QAction>(u"mnuAbout"_s)->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(aboutBox()));
    // Beside its owner: the test platform's pointer finds the first window under it.
    aboutBox()->move(m_window->frameGeometry().topRight() + QPoint(20, 0));
    const auto closeColour = [this] {
        return aboutLabel(u"lblAboutClose"_s)->palette().color(QPalette::WindowText);
    };
    const QColor rest(192, 192, 192);
    const QColor hot(255, 255, 0);
    QCOMPARE(closeColour(), rest);

    QTest::mouseMove(aboutLabel(u"lblAboutClose"_s));
    QTRY_COMPARE(closeColour(), hot);
    QTest::mouseMove(aboutLabel(u"lblAboutVersion"_s));
    QCOMPARE(closeColour(), hot);               // another label leaves it lit
    QTest::mouseMove(aboutBox(), QPoint(3, 3)); // the margin
    QTRY_COMPARE(closeColour(), rest);

    // Choosing the entry again brings the open box forward without loading it anew.
    QTest::mouseMove(aboutLabel(u"lblAboutClose"_s));
    QTRY_COMPARE(closeColour(), hot);
    control<QAction>(u"mnuAbout"_s)->trigger();
    QCOMPARE(closeColour(), hot);

    QTest::mouseClick(aboutLabel(u"lblAboutClose"_s), Qt::LeftButton);
    QTRY_VERIFY(!aboutBox());
    control<QAction>(u"mnuAbout"_s)->trigger();
    QCOMPARE(closeColour(), rest);
}

void TestWindowCommands::aboutBoxLinks()
{
    openWindow();
    control<QAction>(u"mnuAbout"_s)->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(aboutBox()));
    auto* site = aboutLabel(u"lblAboutInternet"_s);
    auto* mail = aboutLabel(u"lblAboutEMAIL"_s);
    QTest::mouseClick(site, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    control<QAction>(u"mnuQuillaneHomePage"_s)->trigger();

    QCOMPARE(m_desktop.links.size(), 3);
    QCOMPARE(m_desktop.links[0], m_desktop.links[2]);
    QCOMPARE(m_desktop.links[1].toString(), u"mailto:"_s + mail->text());
    QVERIFY(aboutBox()->isVisible());
    // The links alone wear the program's link cursor.
    for (const QLabel* label : aboutBox()->findChildren<QLabel*>()) {
        QCOMPARE(label->cursor().shape() == Qt::BitmapCursor, label == site || label == mail);
    }
}

void TestWindowCommands::qtStandardMenusSpeakPortuguese()
{
    const auto firstEntryOfATextBoxMenu = [] {
        QLineEdit box; // owns the menu
        return box.createStandardContextMenu()->actions().first()->text().section(u'\t', 0, 0);
    };
    // Without Qt's translations the program goes on in English.
    const QTemporaryDir none;
    QVERIFY(!QtTranslations::installBrazilianPortuguese(*qApp, none.path()));
    QCOMPARE(firstEntryOfATextBoxMenu(), u"&Undo"_s);
    QVERIFY(QtTranslations::installBrazilianPortuguese(*qApp));
    QCOMPARE(firstEntryOfATextBoxMenu(), u"&Desfazer"_s);
    qDeleteAll(qApp->findChildren<QTranslator*>());
}

QTEST_MAIN(TestWindowCommands)
#include "tst_window_commands.moc"
