// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFileBuilder.h"
#include "EmoticonList.h"
#include "FailureTexts.h"
#include "FileModes.h"
#include "ListedNames.h"
#include "MainWindow.h"
#include "OwnListPanel.h"
#include "SystemFile.h"
#include "WidgetTest.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using namespace FailureTexts;
namespace Build = DataFileBuilder;
using Step = SystemFile::Step;

namespace {

// The catalogue: a 34-character name, and a record whose representation has no terminator.
const QString LongName = u"Nome comprido "_s + QString(20, u'x');
const QByteArray Catalogue = Build::categoryFile(
    Build::categoryRecord({u"Abelha"_s, u"(*)"_s}) +
    Build::categoryRecord({u"Gato"_s, u"=^.^="_s}) +
    Build::categoryRecord({u"Gato bravo"_s, u">^.^<"_s}) +
    Build::categoryRecord({LongName, u":-)"_s}) + Build::record("Sem fim\xE6", ":-("));

const QByteArray Bee = Build::record("Abelha", "(*)");
const QByteArray Cat = Build::record("  Gato", "=^.^=");
const QByteArray Sun = Build::record("Sol", "\\o/");
const QByteArray Blank = Build::record(" ", " ");

const QString AddRefusal =
    u"Selecione antes na lista um emoticon ou digite nos campos o seu próprio."_s;
const QString RemoveRefusal = u"Você não selecionou nenhum emoticon para ser removido."_s;
const QString Unchanged = u"\nA lista própria não foi alterada."_s;

} // namespace

// The own-list editor on a temporary program folder, prepared as its toolbar button
// prepares it.
class TestOwnListPanel : public WidgetTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(FileModes::obeyFileModes()); }
    void addStoresWhatTheBoxesHold_data();
    void addStoresWhatTheBoxesHold();
    void refusalChangesNothing_data();
    void refusalChangesNothing();
    void removeEndsAsTheListWalkDoes_data();
    void removeEndsAsTheListWalkDoes();
    void clearAsksFirst_data();
    void clearAsksFirst();
    void fileFailureIsReportedAndChangesNothing_data();
    void fileFailureIsReportedAndChangesNothing();
    void selectionFillsTheBoxesAndCopies_data();
    void selectionFillsTheBoxesAndCopies();
    void searchSelectsTheFirstMatch_data();
    void searchSelectsTheFirstMatch();
    void typingLimitsBindTypingOnly_data();
    void typingLimitsBindTypingOnly();
    void keyboardWalksThePanelInOrder();
    void additionShowsInTheOwnCategoryOfTheWindow();

private:
    void prepare() override;
    void finish() override { FileModes::setWritable(path(QString()), true); }
    EmoticonList* catalogue() const { return control<EmoticonList>(u"lstOwnListEmoticons"_s); }
    EmoticonList* ownList() const { return control<EmoticonList>(u"lstOwnListCustom"_s); }

    void setOwnList(const QByteArray& bytes);
    std::optional<QByteArray> ownListFile() const { return Build::read(path(u"custom.bra"_s)); }
    void clickEntry(EmoticonList* list, int row) const;
    void clickPicture(const QString& name) const;
    void type(const QString& boxName, const QString& keys) const;
    QStringList boxes() const;
    QString legend() const; // the status word while it is shown

    OwnListPanel* m_panel = nullptr;
};

void TestOwnListPanel::prepare()
{
    write(u"all.bra"_s, Catalogue);
    auto host = std::make_unique<QWidget>();
    m_panel = new OwnListPanel(store(), m_desktop, timer(), host.get());
    m_panel->resize(465, 321);
    open(std::move(host));
    m_panel->prepare();
    m_panel->refreshOwnList();
}

void TestOwnListPanel::setOwnList(const QByteArray& bytes)
{
    write(u"custom.bra"_s, bytes);
    m_panel->refreshOwnList();
}

void TestOwnListPanel::clickEntry(EmoticonList* list, int row) const
{
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void TestOwnListPanel::clickPicture(const QString& name) const
{
    QTest::mouseClick(control<QLabel>(name), Qt::LeftButton);
}

void TestOwnListPanel::type(const QString& boxName, const QString& keys) const
{
    auto* box = control<QLineEdit>(boxName);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    // Key by key, as a keyboard layout delivers them, letters beyond Latin-1 included.
    for (const char32_t character : keys.toUcs4())
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&character, 1),
                            Qt::NoModifier);
}

QStringList TestOwnListPanel::boxes() const
{
    return {control<QLineEdit>(u"txtOwnListEmoticonName"_s)->text(),
            control<QLineEdit>(u"txtOwnListRepresentation"_s)->text()};
}

QString TestOwnListPanel::legend() const
{
    const auto* label = control<QLabel>(u"lblOwnListLegend"_s);
    const bool shown = label->isVisibleTo(widget()) &&
                       control<QLabel>(u"imgOwnListLegend"_s)->isVisibleTo(widget());
    return shown ? label->text() : QString();
}

void TestOwnListPanel::addStoresWhatTheBoxesHold_data()
{
    QTest::addColumn<int>("catalogueRow"); // selected first, or -1
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("boxesAfter");

    const QStringList empty{QString(), QString()};
    QTest::newRow("typed by hand into a missing file: one padded record, boxes emptied")
        << -1 << QStringList{u"  Gato"_s, u"=^.^="_s} << 1 << Cat << QStringList{u"Gato"_s}
        << empty;
    QTest::newRow("catalogue entry twice: two records, boxes show it again")
        << 1 << QStringList{} << 2 << Build::record("Gato", "=^.^=").repeated(2)
        << QStringList{u"Gato"_s, u"Gato"_s} << QStringList{u"Gato"_s, u"=^.^="_s};
    QTest::newRow("one blank each: stored, listed as an empty entry")
        << -1 << QStringList{u" "_s, u" "_s} << 1 << Blank << QStringList{QString()} << empty;
    QTest::newRow("a 34-character catalogue name is stored whole")
        << 3 << QStringList{} << 1 << Build::record(LongName.toLatin1(), ":-)")
        << QStringList{LongName} << QStringList{LongName, u":-)"_s};
}

void TestOwnListPanel::addStoresWhatTheBoxesHold()
{
    QFETCH(int, catalogueRow);
    QFETCH(QStringList, typed);
    QFETCH(int, clicks);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, boxesAfter);
    QVERIFY(QFile::remove(path(u"custom.bra"_s)));

    if (catalogueRow >= 0)
        clickEntry(catalogue(), catalogueRow);
    if (!typed.isEmpty()) {
        type(u"txtOwnListEmoticonName"_s, typed[0]);
        type(u"txtOwnListRepresentation"_s, typed[1]);
    }
    for (int i = 0; i < clicks; ++i)
        clickPicture(u"imgOwnListAdd"_s);

    QCOMPARE(ownListFile(), std::optional(file));
    QCOMPARE(namesOf(ownList()->entries()), entries);
    QCOMPARE(boxes(), boxesAfter);
    QCOMPARE(legend(), u"ADICIONADO"_s);
    QVERIFY(m_desktop.messages.isEmpty());
}

void TestOwnListPanel::refusalChangesNothing_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("ownRow"); // selected first, or -1
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("boxesAfter");

    const QString add = u"imgOwnListAdd"_s;
    const QStringList empty{QString(), QString()};
    const auto addRow = [&](const char* what, const QStringList& typed, const QString& message) {
        QTest::newRow(what) << add << -1 << typed << message << typed;
    };
    addRow("add, both boxes empty", empty, AddRefusal);
    addRow("add, name only", {u"Gato"_s, QString()}, AddRefusal);
    addRow("add, representation only", {QString(), u":-)"_s}, AddRefusal);
    addRow("add, a letter the file cannot hold", {u"Gato ω"_s, u":-)"_s},
           u"O caractere \"ω\" (U+03C9) não pode ser gravado na lista própria."_s);
    addRow("add, a character of two UTF-16 units", {u"Feliz"_s, u"😀"_s},
           u"O caractere \"😀\" (U+1F600) não pode ser gravado na lista própria."_s);
    const QStringList typed{u"x"_s, u"y"_s};
    QTest::newRow("remove, nothing selected")
        << u"imgOwnListRemove"_s << -1 << typed << RemoveRefusal << empty;
    QTest::newRow("remove, a name of blanks only")
        << u"imgOwnListRemove"_s << 1 << typed << RemoveRefusal << empty;
}

void TestOwnListPanel::refusalChangesNothing()
{
    QFETCH(QString, picture);
    QFETCH(int, ownRow);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, boxesAfter);
    setOwnList(Bee + Blank);
    if (ownRow >= 0)
        clickEntry(ownList(), ownRow);
    type(u"txtOwnListEmoticonName"_s, typed[0]);
    type(u"txtOwnListRepresentation"_s, typed[1]);

    clickPicture(picture);

    QCOMPARE(m_desktop.messages, QList{RecordingDesktop::error(message)});
    QCOMPARE(ownListFile(), std::optional(Bee + Blank));
    QCOMPARE(ownList()->count(), 2);
    QCOMPARE(boxes(), boxesAfter);
    QCOMPARE(legend(), QString());
}

void TestOwnListPanel::removeEndsAsTheListWalkDoes_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("boxesAfter");

    const QStringList sun{u"Sol"_s, u"\\o/"_s};
    QTest::newRow("entry 2 of 3: the old third stays selected and shown")
        << Bee + Cat + Sun << 1 << Bee + Sun << QStringList{u"Abelha"_s, u"Sol"_s} << 1 << sun;
    QTest::newRow("first of 3: the blanks leading another name survive")
        << Bee + Cat + Sun << 0 << Cat + Sun << QStringList{u"Gato"_s, u"Sol"_s} << 1 << sun;
    QTest::newRow("last of 3: nothing selected, the removed entry still shown")
        << Bee + Cat + Sun << 2 << Bee + Cat << QStringList{u"Abelha"_s, u"Gato"_s} << -1 << sun;
    QTest::newRow("the only entry: an empty file")
        << Sun << 0 << QByteArray() << QStringList{} << -1 << sun;
}

void TestOwnListPanel::removeEndsAsTheListWalkDoes()
{
    QFETCH(QByteArray, before);
    QFETCH(int, row);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, entries);
    QFETCH(int, selected);
    QFETCH(QStringList, boxesAfter);
    setOwnList(before);
    write(u"custom.tmp"_s, Blank + Blank); // left by an interrupted run

    clickEntry(ownList(), row);
    clickPicture(u"imgOwnListRemove"_s);

    QCOMPARE(ownListFile(), std::optional(after));
    QVERIFY(!QFile::exists(path(u"custom.tmp"_s)));
    QCOMPARE(namesOf(ownList()->entries()), entries);
    QCOMPARE(ownList()->selectedRow(), selected);
    QCOMPARE(boxes(), boxesAfter);
    QCOMPARE(legend(), u"REMOVIDO"_s);
    QVERIFY(m_desktop.messages.isEmpty());
}

void TestOwnListPanel::clearAsksFirst_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("Yes: the file is there, empty") << Bee + Sun << QMessageBox::Yes << QByteArray()
                                                   << QStringList{} << u"LIMPADO"_s << QString();
    QTest::newRow("No: the same entries come back")
        << Bee + Sun << QMessageBox::No << Bee + Sun << QStringList{u"Abelha"_s, u"Sol"_s}
        << QString() << QString();
    QTest::newRow("empty list: refused, nothing asked")
        << QByteArray() << QMessageBox::Yes << QByteArray() << QStringList{} << QString()
        << u"Sua lista já está vazia."_s;
}

void TestOwnListPanel::clearAsksFirst()
{
    QFETCH(QByteArray, before);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, entries);
    QFETCH(QString, legend);
    QFETCH(QString, refusal);
    setOwnList(before);
    clickEntry(catalogue(), 1);
    m_desktop.nextAnswer = answer;
    int entriesWhileAsked = -1;
    m_desktop.whileShown = [&] { entriesWhileAsked = ownList()->count(); };

    clickPicture(u"imgOwnListClear"_s);

    QCOMPARE(entriesWhileAsked, 0);
    const Desktop::Message question{u"Quillane Emoticon"_s,
                                    u"Você quer realmente excluir todos os itens de sua lista?"_s,
                                    QMessageBox::Information, QMessageBox::Yes | QMessageBox::No};
    QCOMPARE(m_desktop.messages,
             QList{refusal.isEmpty() ? question : RecordingDesktop::error(refusal)});
    QCOMPARE(ownListFile(), std::optional(after));
    QCOMPARE(namesOf(ownList()->entries()), entries);
    QCOMPARE(boxes(), (QStringList{QString(), QString()}));
    QCOMPARE(this->legend(), legend);
}

void TestOwnListPanel::fileFailureIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("readOnly"); // the folder or the file, or nothing
    QTest::addColumn<int>("faultStep");    // a simulated failure at this Step, or -1
    QTest::addColumn<std::errc>("faultError");
    QTest::addColumn<QString>("message"); // %1 stands for the data folder

    const auto readOnly = [](const char* what, const QString& picture, const QString& target,
                             const QString& message) {
        QTest::newRow(what) << u"imgOwnList"_s + picture << target << -1 << std::errc{} << message;
    };
    const auto fault = [](const char* what, Step step, std::errc error, const QString& message) {
        QTest::newRow(what) << u"imgOwnListRemove"_s << QString() << int(step) << error << message;
    };
    const QString file = u"custom.bra"_s;
    readOnly("add to a read-only file", u"Add"_s, file, cannot(u"gravar", file, Denied));
    readOnly("remove from a read-only file", u"Remove"_s, file, cannot(u"gravar", file, Denied));
    readOnly("clear a read-only file", u"Clear"_s, file, cannot(u"excluir", file, Denied));
    readOnly("remove in a read-only folder", u"Remove"_s, u"."_s,
             cannot(u"criar", u"custom.tmp", Denied));
    readOnly("clear in a read-only folder", u"Clear"_s, u"."_s, cannot(u"excluir", file, Denied));
    fault("remove interrupted while writing: disk full", Step::Write, std::errc::no_space_on_device,
          cannot(u"gravar", u"custom.tmp", DiskFull));
    fault("remove interrupted while flushing", Step::Flush, std::errc::io_error,
          cannot(u"gravar", u"custom.tmp", DiskError));
    fault("remove interrupted at the rename", Step::Rename, std::errc::permission_denied,
          cannot(u"renomear", u"custom.tmp para %1custom.bra", Denied));
}

void TestOwnListPanel::fileFailureIsReportedAndChangesNothing()
{
    QFETCH(QString, picture);
    QFETCH(QString, readOnly);
    QFETCH(int, faultStep);
    QFETCH(std::errc, faultError);
    QFETCH(QString, message);
    setOwnList(Bee + Sun);
    clickEntry(catalogue(), 1);
    clickEntry(ownList(), 0);
    type(u"txtOwnListRepresentation"_s, u"!"_s);
    const QStringList shown = boxes();
    m_desktop.nextAnswer = QMessageBox::Yes;
    if (!readOnly.isEmpty())
        QVERIFY(FileModes::setWritable(path(readOnly), false));
    std::optional<SystemFile::SimulatedFault> fault;
    if (faultStep >= 0)
        fault.emplace(Step(faultStep), faultError);

    clickPicture(picture);

    QCOMPARE(m_desktop.messages.last(),
             RecordingDesktop::error(message.arg(store().programFolder()) + Unchanged));
    QCOMPARE(ownListFile(), std::optional(Bee + Sun));
    QVERIFY(!QFile::exists(path(u"custom.tmp"_s)));
    QCOMPARE(namesOf(ownList()->entries()), (QStringList{u"Abelha"_s, u"Sol"_s}));
    QCOMPARE(legend(), QString());
    if (picture == u"imgOwnListAdd")
        QCOMPARE(boxes(), shown); // what the user composed is not lost
}

void TestOwnListPanel::selectionFillsTheBoxesAndCopies_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("catalogue entry")
        << u"lstOwnListEmoticons"_s << 1 << QStringList{u"Gato"_s, u"=^.^="_s};
    QTest::newRow("catalogue representation without terminator shows nothing")
        << u"lstOwnListEmoticons"_s << 4 << QStringList{u"Sem fim"_s, QString()};
    QTest::newRow("own entry, without its surrounding blanks")
        << u"lstOwnListCustom"_s << 1 << QStringList{u"Gato"_s, u"=^.^="_s};
}

void TestOwnListPanel::selectionFillsTheBoxesAndCopies()
{
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(QStringList, shown);
    setOwnList(Bee + Cat);
    clickEntry(catalogue(), 0);

    clickEntry(control<EmoticonList>(list), row);

    QCOMPARE(boxes(), shown);
    if (list == u"lstOwnListCustom")
        QCOMPARE(catalogue()->selectedRow(), 0);
    // Ctrl+C in the list copies the representation, never the padded name; nothing for none.
    QGuiApplication::clipboard()->setText(u"antes"_s);
    QTest::keySequence(control<EmoticonList>(list), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), shown[1].isEmpty() ? u"antes"_s : shown[1]);
}

void TestOwnListPanel::searchSelectsTheFirstMatch_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("shown");

    const QStringList nothing{QString(), QString()};
    QTest::newRow("first letters, any case")
        << u"gAT"_s << 0 << 1 << QStringList{u"Gato"_s, u"=^.^="_s};
    QTest::newRow("more letters, another entry")
        << u"gato b"_s << 0 << 2 << QStringList{u"Gato bravo"_s, u">^.^<"_s};
    QTest::newRow("no match: nothing selected, nothing shown") << u"gx"_s << 0 << -1 << nothing;
    QTest::newRow("emptied: nothing selected, nothing shown") << u"ga"_s << 2 << -1 << nothing;
}

void TestOwnListPanel::searchSelectsTheFirstMatch()
{
    QFETCH(QString, keys);
    QFETCH(int, backspaces);
    QFETCH(int, selected);
    QFETCH(QStringList, shown);
    clickEntry(catalogue(), 0);

    type(u"txtOwnListSearch"_s, keys);
    for (int i = 0; i < backspaces; ++i)
        QTest::keyClick(control<QLineEdit>(u"txtOwnListSearch"_s), Qt::Key_Backspace);

    QCOMPARE(catalogue()->selectedRow(), selected);
    QCOMPARE(boxes(), shown);
}

void TestOwnListPanel::typingLimitsBindTypingOnly_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("catalogueRow"); // chosen first, or -1
    // Characters erased before typing: from the end, or when negative from the start.
    QTest::addColumn<int>("erased");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");

    const QString name = u"txtOwnListEmoticonName"_s;
    QTest::newRow("name: no 31st typed character")
        << name << -1 << 0 << QString(40, u'a') << QString(30, u'a');
    QTest::newRow("representation: no 16th typed character")
        << u"txtOwnListRepresentation"_s << -1 << 0 << QString(20, u'b') << QString(15, u'b');
    QTest::newRow("a 34-character name shown by the program stays whole, takes nothing")
        << name << 3 << 0 << u"yz"_s << LongName;
    QTest::newRow("shortened, it takes nothing beyond its new length")
        << name << 3 << 2 << u"yz"_s << LongName.chopped(2);
    QTest::newRow("below the limit again, it takes up to 30")
        << name << 3 << 10 << u"abcdefg"_s << LongName.left(24) + u"abcdef"_s;
    QTest::newRow("shortened at its start, the cursor stays there")
        << name << 3 << -5 << u"ab"_s << u"a"_s + LongName.mid(5);
}

void TestOwnListPanel::typingLimitsBindTypingOnly()
{
    QFETCH(QString, box);
    QFETCH(int, catalogueRow);
    QFETCH(int, erased);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    if (catalogueRow >= 0)
        clickEntry(catalogue(), catalogueRow);

    auto* edit = control<QLineEdit>(box);
    edit->setFocus();
    QTest::keyClick(edit, erased < 0 ? Qt::Key_Home : Qt::Key_End);
    for (int i = 0; i < std::abs(erased); ++i)
        QTest::keyClick(edit, erased < 0 ? Qt::Key_Delete : Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);

    QCOMPARE(edit->text(), text);
}

void TestOwnListPanel::keyboardWalksThePanelInOrder()
{
    control<QLineEdit>(u"txtOwnListSearch"_s)->setFocus();
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(walked,
             (QStringList{u"txtOwnListSearch"_s, u"lstOwnListCustom"_s, u"txtOwnListEmoticonName"_s,
                          u"txtOwnListRepresentation"_s, u"lstOwnListEmoticons"_s}));
}

void TestOwnListPanel::additionShowsInTheOwnCategoryOfTheWindow()
{
    open(std::make_unique<MainWindow>(path(QString()), m_desktop));
    clickToolbarButton(u"Toolbar1"_s, 2);
    clickEntry(catalogue(), 1);
    clickPicture(u"imgOwnListAdd"_s);
    auto* legend = control<QLabel>(u"lblOwnListLegend"_s);
    QVERIFY(!legend->isHidden());

    clickToolbarButton(u"Toolbar1"_s, 1);
    auto* category = control<QComboBox>(u"cboGeneralCategory"_s);
    category->setFocus();
    QTest::keyClicks(category, u"L"_s);
    QCOMPARE(category->currentText(), u"LISTA PRÓPRIA"_s);
    const QStringList listed = namesOf(control<EmoticonList>(u"lstGeneralEmoticons"_s)->entries());
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed[0].trimmed(), u"Gato"_s);
    // The shared timer hides the status word again, on whichever panel.
    QTRY_VERIFY(legend->isHidden());
}

QTEST_MAIN(TestOwnListPanel)
#include "tst_own_list_panel.moc"
