// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// The operations a person repeats, on catalogues a hundred times the shipped one: choosing
// "TODOS" on 100,000 records, a keystroke in the search box over 100,000 entries, a selection,
// and adding, removing and rebuilding on an own list of 10,000 records. Each runs in the real
// window, through the controls' own handlers, and reads its files again as it always does.

#include "BenchData.h"
#include "ClickableLabel.h"
#include "Desktop.h"
#include "EmoticonList.h"
#include "MainWindow.h"
#include "Medians.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

constexpr int CatalogueRecords = 100'000;
constexpr int OwnListRecords = 10'000;
constexpr int Runs = 101;

class SilentDesktop final : public Desktop {
public:
    void beep() override {}
    QMessageBox::StandardButton showMessage(QWidget*, const Message&) override
    {
        return QMessageBox::Yes;
    }
    bool openLink(const QUrl&) override { return false; }
};

template <typename T> T* control(const QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!BenchData::writeCategoryFile(folder.filePath(QStringLiteral("all.bra")),
                                      CatalogueRecords) ||
        !BenchData::writeOwnList(folder.filePath(QStringLiteral("custom.bra")), OwnListRecords))
        return 1;

    SilentDesktop desktop;
    MainWindow window(folder.path(), desktop);
    window.show();
    QApplication::processEvents();
    auto* list = control<EmoticonList>(window, "lstGeneralEmoticons");
    auto* search = control<QLineEdit>(window, "txtGeneralSearch");
    auto* category = control<QComboBox>(window, "cboGeneralCategory");

    std::printf("| %-52s | %8s | %8s | %8s | %8s | %s |\n", "operation (ms)", "median", "p10",
                "p90", "target", "");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(54, '-').c_str(), "----------", "----------",
                "----------", "----------", "--------");

    reportMedian("category change to TODOS, 100,000 records", 21, 40, [&](int) {
        emit category->activated(category->findText(QStringLiteral("TODOS")));
    });
    if (list->count() != CatalogueRecords)
        return 1;

    // Each keystroke completes the last name or turns it into one that nothing matches, so
    // the selection changes at every step, as while a person types.
    const QString last = BenchData::nameOf(CatalogueRecords);
    const QString noMatch = last.chopped(1) + QLatin1Char('x');
    reportMedian("search keystroke matching the last entry", Runs, 3,
                 [&](int run) { search->setText(run % 2 ? noMatch : last); });
    reportMedian("search keystroke matching none", Runs, 3,
                 [&](int run) { search->setText(run % 2 ? last : noMatch); });
    search->clear();
    reportMedian("selection (record read, preview drawn)", Runs, 5,
                 [&](int run) { list->selectRow(run % 2 ? 99'998 : 12'345); });

    window.toolbarButtonClicked(Command::ShowOwnListPanel); // the own-list editor, prepared
    auto* name = control<QLineEdit>(window, "txtOwnListEmoticonName");
    auto* representation = control<QLineEdit>(window, "txtOwnListRepresentation");
    auto* ownList = control<EmoticonList>(window, "lstOwnListCustom");
    reportMedian("own list: add, 10,000 records", Runs, 5, [&](int run) {
        name->setText(QStringLiteral("Novo %1").arg(run));
        representation->setText(QStringLiteral(":-D"));
        emit control<ClickableLabel>(window, "imgOwnListAdd")->clicked();
    });
    reportMedian("own list: remove the first entry, 10,000 records", Runs, 30, [&](int) {
        ownList->selectRow(0);
        emit control<ClickableLabel>(window, "imgOwnListRemove")->clicked();
    });
    reportMedian("own list: rebuild, 10,000 records", Runs, 30,
                 [&](int) { window.toolbarButtonClicked(Command::ShowBrowsePanel); });
    return ownList->count() == OwnListRecords ? 0 : 1;
}
