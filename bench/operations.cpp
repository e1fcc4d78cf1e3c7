// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

// The operations a person repeats, measured once on the data files of a folder (see
// BenchData): choosing "TODOS", a keystroke in the search box, a letter typed in the list, a
// selection, and adding, removing and rebuilding on the own list. Each runs in the real
// window, through the controls' own handlers, and reads its files again as it always does.
// Prints one line per operation: its name, a tab, its median in milliseconds. compare_operations
// runs it, and the same source built on an older commit of the program, in turn.
//
// bench_operations <folder>

#include "BenchData.h"
#include "ClickableLabel.h"
#include "Desktop.h"
#include "EmoticonList.h"
#include "MainWindow.h"
#include "Medians.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <cstdio>

namespace {

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

void report(const char* operation, double medianMs)
{
    std::printf("%s\t%.4f\n", operation, medianMs);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    SilentDesktop desktop;
    MainWindow window(QString::fromLocal8Bit(argv[1]), desktop);
    window.show();
    QApplication::processEvents();
    auto* list = control<EmoticonList>(window, "lstGeneralEmoticons");
    auto* search = control<QLineEdit>(window, "txtGeneralSearch");
    auto* category = control<QComboBox>(window, "cboGeneralCategory");

    const int records = list->count();
    report("category", medianMs(21, [&](int) {
               emit category->activated(category->findText(QStringLiteral("TODOS")));
           }));
    if (list->count() != records)
        return 1;

    // Each keystroke completes the last name or turns it into one that nothing matches, so
    // the selection changes at every step, as while a person types.
    const QString last = BenchData::nameOf(records);
    const QString noMatch = last.chopped(1) + QLatin1Char('x');
    report("keystroke-last",
           medianMs(Runs, [&](int run) { search->setText(run % 2 ? noMatch : last); }));
    report("keystroke-none",
           medianMs(Runs, [&](int run) { search->setText(run % 2 ? last : noMatch); }));
    search->clear();
    report("list-letter-none",
           medianMs(Runs, [&](int) { list->keyboardSearch(QStringLiteral("x")); }));
    report("selection",
           medianMs(Runs, [&](int run) { list->selectRow(run % 2 ? records - 2 : records / 8); }));

    window.toolbarButtonClicked(Command::ShowOwnListPanel); // the own-list editor, prepared
    auto* name = control<QLineEdit>(window, "txtOwnListEmoticonName");
    auto* representation = control<QLineEdit>(window, "txtOwnListRepresentation");
    auto* ownList = control<EmoticonList>(window, "lstOwnListCustom");
    const int ownListRecords = ownList->count();
    report("add", medianMs(Runs, [&](int run) {
               name->setText(QStringLiteral("Novo %1").arg(run));
               representation->setText(QStringLiteral(":-D"));
               emit control<ClickableLabel>(window, "imgOwnListAdd")->clicked();
           }));
    report("remove", medianMs(Runs, [&](int) {
               ownList->selectRow(0);
               emit control<ClickableLabel>(window, "imgOwnListRemove")->clicked();
           }));
    report("rebuild",
           medianMs(Runs, [&](int) { window.toolbarButtonClicked(Command::ShowBrowsePanel); }));
    return ownList->count() == ownListRecords ? 0 : 1;
}
