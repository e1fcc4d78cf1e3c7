// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DataFileBuilder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;
namespace Build = DataFileBuilder;

namespace {

constexpr int Kills = 300;
// The longest wait before a kill; the editor makes dozens of changes in that time, so that the
// kills fall anywhere in them.
constexpr int LongestWaitMicroseconds = 40000;

// A change the editor announced, and the list it makes of the list before it.
struct Change {
    QString kind; // "add" or "remove"
    QByteArray record;
    qsizetype row = -1;

    QList<QByteArray> applied(QList<QByteArray> records) const
    {
        if (kind == u"add")
            records.append(record);
        else
            records.removeAt(row);
        return records;
    }
};

std::optional<Change> announced(const QString& line)
{
    if (line.startsWith(u"add ")) {
        const QStringList texts = line.sliced(4).split(u'\t');
        return Change{u"add"_s, Build::record(texts[0].toLatin1(), texts[1].toLatin1())};
    }
    if (line.startsWith(u"remove "))
        return Change{u"remove"_s, {}, line.sliced(7).toLongLong()};
    return std::nullopt;
}

// Where in the change the kill fell, as the files tell: for a removal, how far custom.tmp had
// come (a stale one, left by an earlier kill, is not this removal's).
QString momentOf(const std::optional<Change>& running, bool changed,
                 const std::optional<QByteArray>& temporary, const QByteArray& after)
{
    if (!running)
        return u"between changes"_s;
    if (changed)
        return running->kind + u", list as after"_s;
    if (running->kind == u"add")
        return u"add, list as before"_s;
    if (temporary == after)
        return u"remove, custom.tmp written, not yet renamed"_s;
    if (temporary && temporary->isEmpty())
        return u"remove, custom.tmp created, empty"_s;
    if (temporary && after.startsWith(*temporary))
        return u"remove, custom.tmp partly written"_s;
    return u"remove, custom.tmp not yet written"_s;
}

} // namespace

// Kills the own-list editor with SIGKILL at random moments while it adds and removes entries,
// hundreds of times. After each kill custom.bra must hold whole records, equal to the list
// before or after the change that was running: never a mixture, never fewer records than both.
// The next run goes on from whatever the kill left, a stale custom.tmp included.
class TestOwnListKill : public QObject {
    Q_OBJECT

private slots:
    void everyKillLeavesTheListBeforeOrAfterTheChange();
};

void TestOwnListKill::everyKillLeavesTheListBeforeOrAfterTheChange()
{
    QTemporaryDir folder;
    const QString ownListPath = folder.filePath(u"custom.bra"_s);
    const QString temporaryPath = folder.filePath(u"custom.tmp"_s);
    QVERIFY(Build::write(folder.filePath(u"all.bra"_s),
                         Build::categoryFile(Build::numbered(u"Gato"_s, 20))));
    // Records a rebuild from trimmed texts would change: each must survive byte for byte.
    QList<QByteArray> list = {Build::record("  Gato", "=^.^="),
                              Build::record("m\xE6"
                                            "e\t",
                                            "\x81 :-) "),
                              Build::record("Sol", " \\o/")};
    QVERIFY(Build::write(ownListPath, list.join()));

    QRandomGenerator waits(2024);
    std::map<QString, int> moments; // what each kill interrupted, and where
    int interrupted = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(QUILLANE_OWN_LIST_CHURN),
                     {folder.path(), QString::number(kill)});
        QVERIFY(editor.waitForStarted());
        while (!editor.canReadLine() && editor.state() == QProcess::Running)
            editor.waitForReadyRead(100);
        QCOMPARE(editor.readLine(), QByteArray("ready\n"));
        QThread::usleep(waits.bounded(LongestWaitMicroseconds));
        editor.kill();
        QVERIFY(editor.waitForFinished());

        std::optional<Change> running;
        for (const QString& line : QString::fromUtf8(editor.readAllStandardOutput()).split(u'\n')) {
            if (line == u"done") {
                list = running->applied(list);
                running.reset();
            } else if (!line.isEmpty()) {
                running = announced(line);
                QVERIFY2(running, qPrintable(line));
            }
        }

        const std::optional<QByteArray> found = Build::read(ownListPath);
        const QByteArray after = running ? running->applied(list).join() : QByteArray();
        const bool changed = found != list.join();
        QVERIFY2(found == list.join() || (running && found == after),
                 qPrintable(u"kill %1 left custom.bra of %2 bytes"_s.arg(kill).arg(
                     found.value_or("<missing>").size())));
        ++moments[momentOf(running, changed, Build::read(temporaryPath), after)];
        if (changed)
            list = running->applied(list);
        interrupted += running ? 1 : 0;
    }

    qInfo("%d kills, %d of them during a change, at %zu distinct moments; no list lost or mixed",
          Kills, interrupted, moments.size());
    for (const auto& [moment, kills] : moments)
        qInfo("  %4d  %s", kills, qPrintable(moment));
    // Kills that fell between changes alone would prove nothing.
    QVERIFY(interrupted >= Kills / 2);
}

QTEST_GUILESS_MAIN(TestOwnListKill)
#include "tst_own_list_kill.moc"
