// How long the browse panel's incremental search takes on a catalogue of 100,000 emoticons:
// SearchList alone, and one keystroke's whole handler (search, selection, record read and
// preview drawing). Prints the median and the spread of repeated runs.

#include "CatalogueStore.h"
#include "CategorySelector.h"
#include "ConfirmationTimer.h"
#include "Desktop.h"
#include "EmoticonList.h"
#include "EmoticonRecord.h"
#include "GeneralPanel.h"
#include "RecordLayout.h"
#include "SearchModule.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Entries = 100'000;
constexpr int Runs = 201;

QString nameOf(int number)
{
    return QStringLiteral("Emoticon %1").arg(number, 6, 10, QLatin1Char('0'));
}

bool writeCatalogue(const QString& path)
{
    QByteArray bytes(RecordLayout::LeadingBlockSize, ' ');
    bytes.reserve(RecordLayout::LeadingBlockSize + qsizetype(Entries) * EmoticonRecord::Size);
    for (int number = 1; number <= Entries; ++number) {
        bytes += EmoticonRecord::fromTexts(nameOf(number) + Terminator,
                                           QStringLiteral(":-) %1").arg(number) + Terminator)
                     .toBytes();
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Median and the 10th and 90th percentiles, in microseconds.
void report(const char* what, const std::function<void(int run)>& step)
{
    std::vector<double> micros;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        step(run);
        micros.push_back(clock.nsecsElapsed() / 1000.0);
    }
    std::ranges::sort(micros);
    std::printf("%-52s median %9.1f us   p10 %9.1f   p90 %9.1f\n", what, micros[Runs / 2],
                micros[Runs / 10], micros[Runs * 9 / 10]);
}

class SilentDesktop final : public Desktop {
public:
    void beep() override {}
    QMessageBox::StandardButton showMessage(QWidget*, const Message&) override
    {
        return QMessageBox::Ok;
    }
    bool openLink(const QUrl&) override { return false; }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!writeCatalogue(folder.filePath(QStringLiteral("all.bra"))))
        return 1;

    CatalogueStore store(folder.path());
    SilentDesktop desktop;
    ConfirmationTimer timer(nullptr);
    GeneralPanel panel(store, desktop, timer, nullptr);
    panel.preview()->startUp();
    panel.categories()->choose(u"TODOS");
    panel.show();
    auto* list = panel.findChild<EmoticonList*>(QStringLiteral("lstGeneralEmoticons"));
    auto* search = panel.findChild<QLineEdit*>(QStringLiteral("txtGeneralSearch"));
    std::printf("%d entries listed\n", list->count());

    const QString last = nameOf(Entries);
    report("SearchList, matching the last entry",
           [&](int) { SearchModule::SearchList(*list, last); });
    report("SearchList, matching none", [&](int) { SearchModule::SearchList(*list, u"Nada"); });

    // Each keystroke completes the last name or turns it into one nothing matches, so the
    // selection changes at every step, as it does while a person types.
    const QString noMatch = last.chopped(1) + QLatin1Char('x');
    report("keystroke in txtGeneralSearch, matching the last entry",
           [&](int run) { search->setText(run % 2 ? noMatch : last); });
    report("keystroke in txtGeneralSearch, matching none",
           [&](int run) { search->setText(run % 2 ? last : noMatch); });
    return list->selectedRow() >= 0 ? 0 : 1;
}
