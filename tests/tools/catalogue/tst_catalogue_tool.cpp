// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Categories.h"
#include "EmoticonRecord.h"
#include "LeadingBlock.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray output;
    QString errors;
};

// A field of the given width as bytes, written out by hand for the layout checks.
QByteArray padded(const QByteArray& bytes, qsizetype width)
{
    return bytes.leftJustified(width, ' ');
}

// One record from texts that carry their terminators, if any.
QByteArray record(const QString& name, const QString& representation)
{
    return EmoticonRecord::fromTexts(name, representation).toBytes();
}

QByteArray categoryFile(const QList<QByteArray>& records)
{
    return LeadingBlock::forRecordCount(records.size()) + records.join();
}

// The lines of a dump that are not comments.
QByteArray withoutComments(const QByteArray& text)
{
    QByteArray kept;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty() && !line.startsWith('#'))
            kept += line + '\n';
    return kept;
}

bool hasLine(const QString& text, const QString& start, const QString& detail)
{
    const QStringList lines = text.split(u'\n');
    return std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
        return line.startsWith(start) && line.contains(detail);
    });
}

} // namespace

class CatalogueToolTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void compiledBytesFollowTheProgramsLayout_data();
    void compiledBytesFollowTheProgramsLayout();
    void dumpCompilesBackToTheSameBytes_data();
    void dumpCompilesBackToTheSameBytes();
    void shippedCatalogueRoundTrips_data();
    void shippedCatalogueRoundTrips();
    void badInputIsRefusedAndWritesNothing_data();
    void badInputIsRefusedAndWritesNothing();
    void misuseShowsUsage_data();
    void misuseShowsUsage();
    void refusedBeforeAnythingIsWritten_data();
    void refusedBeforeAnythingIsWritten();
    void fileThatIsNoCatalogueGivesFewLinesAndNoText_data();
    void fileThatIsNoCatalogueGivesFewLinesAndNoText();
    void compiledSourcesDumpAsExpected_data();
    void compiledSourcesDumpAsExpected();
    void ownListOfTheProgramDumpsAndCompilesBack_data();
    void ownListOfTheProgramDumpsAndCompilesBack();
    void ownListIsReplacedWholeOrNotAtAll();
    void inexactRecordsAreReportedAndTheDumpStillCompiles_data();
    void inexactRecordsAreReportedAndTheDumpStillCompiles();

private:
    ToolRun run(const QStringList& arguments) const;
    // The exit code of a compile of sources into output.
    int compile(const QStringList& options, const QString& output, const QStringList& sources) const
    {
        return run(QStringList{"compile"} + options + QStringList{"-o", output} + sources).exitCode;
    }
    QString path(const QString& name) const { return m_dir->filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    QMap<QString, QByteArray> folderContent() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

ToolRun CatalogueToolTest::run(const QStringList& arguments) const
{
    QProcess process;
    process.setWorkingDirectory(m_dir->path());
    process.start(QStringLiteral(QUILLANE_CATALOGUE_TOOL), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

void CatalogueToolTest::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray CatalogueToolTest::read(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QMap<QString, QByteArray> CatalogueToolTest::folderContent() const
{
    QMap<QString, QByteArray> content;
    for (const QString& name :
         QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        content.insert(name, read(name));
    return content;
}

void CatalogueToolTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void CatalogueToolTest::compiledBytesFollowTheProgramsLayout_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("records");

    QTest::newRow("category: each text ended by 0xE6, é and € one byte each, Æ no terminator")
        << QStringList() << QByteArray("Café\t€:-)\nÆon\tÆ\n")
        << padded("Caf\xE9\xE6", 35) + padded("\x80:-)\xE6", 15) + padded("\xC6on\xE6", 35) +
               padded("\xC6\xE6", 15);
    QTest::newRow("accents saved decomposed, a letter then U+0301 or U+0303: composed")
        << QStringList() << QByteArray("Cafe\xCC\x81\t:-)\nPa\xCC\x83o\to\xCC\x81\n")
        << padded("Caf\xE9\xE6", 35) + padded(":-)\xE6", 15) + padded("P\xE3o\xE6", 35) +
               padded("\xF3\xE6", 15);
    QTest::newRow("own list: no terminator, æ an ordinary letter")
        << QStringList{"--own-list"} << QByteArray("Café\t€:-)\nmãe æ\tæ\n")
        << padded("Caf\xE9", 35) + padded("\x80:-)", 15) +
               padded("m\xE3"
                      "e \xE6",
                      35) +
               padded("\xE6", 15);
}

void CatalogueToolTest::compiledBytesFollowTheProgramsLayout()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, records);

    write("source.txt", source);
    QCOMPARE(compile(options, "out.bra", {"source.txt"}), 0);
    QByteArray bytes = read("out.bra");
    if (options.isEmpty()) {
        const QByteArray block = bytes.first(1000);
        QVERIFY(block.startsWith("Quillane Emoticon catalogue\n"));
        QVERIFY(block.contains("\nrecords: 2\n"));
        QVERIFY(std::all_of(block.begin(), block.end(), [](char byte) {
            return byte == '\n' || (byte >= 0x20 && byte < 0x7F);
        }));
        QVERIFY(block.endsWith("          "));
        bytes.remove(0, 1000);
    }
    QCOMPARE(bytes, records);
}

void CatalogueToolTest::dumpCompilesBackToTheSameBytes_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("source");

    QTest::newRow("category, order kept, Windows-1252 symbols")
        << QStringList() << QByteArray("Zé\t(^_^)\nárvore\t¬¬\nCafé\t€ ™ … «»\nÆon\tÆ\n");
    QTest::newRow("category, longest texts: 34 and 14")
        << QStringList() << QByteArray(34, 'n') + '\t' + QByteArray(14, 'r') + '\n';
    QTest::newRow("own list, æ and the longest texts: 35 and 15")
        << QStringList{"--own-list"}
        << QByteArray("mãe æ\tæ\n") + QByteArray(35, 'n') + '\t' + QByteArray(15, 'r') + '\n';
    QTest::newRow("own list keeps an emoticon added twice")
        << QStringList{"--own-list"} << QByteArray("Feliz\t:-)\nGato\t=^.^=\nFeliz\t:-)\n");
}

void CatalogueToolTest::dumpCompilesBackToTheSameBytes()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, source);

    write("source.txt", source);
    QCOMPARE(compile(options, "first.bra", {"source.txt"}), 0);
    const ToolRun dump = run(QStringList{"dump", "first.bra"} + options);
    QCOMPARE(dump.errors, QString());
    QCOMPARE(dump.exitCode, 0);
    QCOMPARE(dump.output, source);
    write("dump.txt", dump.output);
    QCOMPARE(compile(options, "second.bra", {"dump.txt"}), 0);
    QCOMPARE(read("second.bra"), read("first.bra"));
}

void CatalogueToolTest::shippedCatalogueRoundTrips_data()
{
    QTest::addColumn<QString>("fileName");
    for (const Category& category : Categories)
        if (category.layout == Category::Layout::CategoryFile)
            QTest::newRow(qPrintable(category.fileName.toString())) << category.fileName.toString();
}

void CatalogueToolTest::shippedCatalogueRoundTrips()
{
    QFETCH(QString, fileName);
    const QString shipped = QStringLiteral(QUILLANE_SHIPPED_CATALOGUE "/") + fileName;
    QVERIFY2(QFile::exists(shipped), qPrintable(shipped + " was not built"));

    const ToolRun dump = run({"dump", shipped, "-o", "dump.txt"});
    QCOMPARE(dump.errors, QString());
    QCOMPARE(dump.exitCode, 0);
    QCOMPARE(compile({}, "again.bra", {"dump.txt"}), 0);
    QFile original(shipped);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QVERIFY(read("again.bra") == original.readAll());
}

void CatalogueToolTest::badInputIsRefusedAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("secondSource");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("detail");

    const QStringList category;
    const QStringList ownList{"--own-list"};
    const auto bad = [](const char* what, const QStringList& options, const QByteArray& source,
                        const char* place, const char* detail, const QByteArray& second = {}) {
        QTest::newRow(what) << options << source << second << QString(place)
                            << QString::fromUtf8(detail);
    };
    bad("category name of 35 characters", category, "ok\t:)\n" + QByteArray(35, 'n') + "\t:)\n",
        "a.txt:2", "o máximo é 34");
    bad("category representation of 15 characters", category, "ok\t" + QByteArray(15, 'r') + '\n',
        "a.txt:1", "o máximo é 14");
    bad("own-list name of 36 characters", ownList, QByteArray(36, 'n') + "\t:)\n", "a.txt:1",
        "o máximo é 35");
    bad("own-list representation of 16 characters", ownList, "ok\t" + QByteArray(16, 'r') + '\n',
        "a.txt:1", "o máximo é 15");
    bad("character outside Windows-1252, named with its code", category, "Ômega\tω\n", "a.txt:1",
        "«ω» (U+03C9)");
    bad("character beyond 16 bits, named with its code", ownList, "Rindo\t😀\n", "a.txt:1",
        "U+1F600");
    bad("æ in a category name", category, "Gatoæ\t:)\n", "a.txt:1", "«æ»");
    bad("æ in a category representation", category, "Gato\t=^æ^=\n", "a.txt:1", "«æ»");
    bad("empty name", category, "\t:)\n", "a.txt:1", "nome vazio");
    bad("empty representation", ownList, "Gato\t\n", "a.txt:1", "representação vazia");
    bad("blank before a name", category, " Gato\t:)\n", "a.txt:1", "espaço no início ou no fim");
    bad("blank after a representation", ownList, "Gato\t:) \n", "a.txt:1",
        "espaço no início ou no fim");
    bad("control character", category, "Ga\x07to\t:)\n", "a.txt:1", "U+0007");
    bad("line without TAB, counted past comments and blank lines", category,
        "# gatos\n\nGato =^.^=\n", "a.txt:3", "sem o TAB");
    bad("line with two TABs", category, "Gato\t=^.^=\tgato\n", "a.txt:1", "2 TABs");
    bad("bytes that are not UTF-8", category, "ok\t:)\nGato\t\xFF\n", "a.txt:2", "UTF-8");
    bad("name repeated in one file, case and accents ignored", category, "Água\t~\nagua\t~\n",
        "a.txt:2", "linha 1");
    bad("same name, another representation in a second file: both places named", category,
        "Gato\t=^.^=\n", "b.txt:2", "a.txt:1", "ok\t:)\ngato\t=^_^=\n");
    bad("same name and representation in a second file, spelt differently", ownList,
        "Gato\t=^.^=\n", "b.txt:1", "a.txt:1", "GATO\t=^.^=\n");
}

void CatalogueToolTest::badInputIsRefusedAndWritesNothing()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, secondSource);
    QFETCH(QString, place);
    QFETCH(QString, detail);

    write("a.txt", source);
    QStringList sources{"a.txt"};
    if (!secondSource.isEmpty()) {
        write("b.txt", secondSource);
        sources << "b.txt";
    }
    for (const bool outputExists : {false, true}) {
        if (outputExists)
            write("out.bra", "previous content");
        const ToolRun result =
            run(QStringList{"compile"} + options + QStringList{"-o", "out.bra"} + sources);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(hasLine(result.errors, place + ": ", detail), qPrintable(result.errors));
        QCOMPARE(read("out.bra"), outputExists ? QByteArray("previous content") : "<missing>");
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), sources.size() + 1);
}

void CatalogueToolTest::misuseShowsUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("detail");

    QTest::newRow("no command") << QStringList() << "falta o comando";
    QTest::newRow("unknown command") << QStringList{"build", "a.txt"} << "build";
    QTest::newRow("compile without output") << QStringList{"compile", "a.txt"} << "-o SAÍDA";
    QTest::newRow("compile without source") << QStringList{"compile", "-o", "out.bra"} << "fonte";
    QTest::newRow("unknown option")
        << QStringList{"compile", "--fast", "-o", "out.bra", "a.txt"} << "--fast";
    QTest::newRow("-o without its file") << QStringList{"dump", "a.bra", "-o"} << "-o";
    QTest::newRow("dump of two files") << QStringList{"dump", "a.bra", "b.bra"} << "um arquivo";
    QTest::newRow("--sort belongs to compile")
        << QStringList{"dump", "--sort", "a.bra"} << "--sort";
}

void CatalogueToolTest::misuseShowsUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, detail);

    write("a.txt", "Gato\t=^.^=\n");
    const ToolRun result = run(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.errors.contains(detail) && result.errors.contains("uso: quillane-catalogue"),
             qPrintable(result.errors));
    QVERIFY(!QFile::exists(path("out.bra")));
}

void CatalogueToolTest::refusedBeforeAnythingIsWritten_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("compile over its own source")
        << QStringList{"compile", "-o", "a.txt", "a.txt"} << 2
        << "a saída a.txt é o arquivo de entrada a.txt; nada foi escrito";
    QTest::newRow("compile over a second source, named through a link")
        << QStringList{"compile", "--own-list", "-o", "link.txt", "a.txt", "b.txt"} << 2
        << "a saída link.txt é o arquivo de entrada b.txt";
    QTest::newRow("dump over the data file it reads")
        << QStringList{"dump", "x.bra", "-o", "./x.bra"} << 2
        << "a saída ./x.bra é o arquivo de entrada x.bra";
    QTest::newRow("empty source") << QStringList{"compile", "-o", "out.bra", "empty.txt"} << 1
                                  << "empty.txt: nenhum emoticon: a fonte está vazia ou só tem "
                                     "comentários";
    QTest::newRow("source of comments and blank lines only, among good ones")
        << QStringList{"compile", "-o", "out.bra", "a.txt", "comments.txt"} << 1
        << "comments.txt: nenhum emoticon";
    QTest::newRow("missing source: the reason in Portuguese")
        << QStringList{"compile", "-o", "out.bra", "missing.txt"} << 1
        << "Não foi possível ler o arquivo missing.txt: o arquivo ou a pasta não existe.";
    QTest::newRow("a folder for a source")
        << QStringList{"compile", "-o", "out.bra", "folder"} << 1
        << "Não foi possível ler o arquivo folder: existe uma pasta com esse nome.";
    QTest::newRow("dump of a missing file")
        << QStringList{"dump", "missing.bra"} << 1
        << "Não foi possível ler o arquivo missing.bra: o arquivo ou a pasta não existe.";
}

void CatalogueToolTest::refusedBeforeAnythingIsWritten()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    write("a.txt", "Gato\t=^.^=\n");
    write("b.txt", "Sol\t8-)\n");
    write("empty.txt", "");
    write("comments.txt", "# nada ainda\n\n  \t# nem aqui\n");
    write("x.bra", categoryFile({record("Gatoæ", "=^.^=æ")}));
    QVERIFY(QDir(m_dir->path()).mkdir("folder"));
    QVERIFY(QFile::link("b.txt", path("link.txt")));
    const QMap<QString, QByteArray> before = folderContent();

    const ToolRun result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.errors.contains(message), qPrintable(result.errors));
    QCOMPARE(result.output, QByteArray());
    QCOMPARE(folderContent(), before);
}

void CatalogueToolTest::fileThatIsNoCatalogueGivesFewLinesAndNoText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("errorLines");
    QTest::addColumn<int>("textLines"); // -1: no text written

    QByteArray noise(1 << 20, Qt::Uninitialized);
    QRandomGenerator generator(13);
    generator.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QTest::newRow("a megabyte of noise: one line, no text") << noise << 1 << -1;

    QList<QByteArray> records;
    for (int i = 0; i < 60; ++i)
        records += record(QStringLiteral("Gato %1æ").arg(i), "=^.^=æ");
    for (int i = 0; i < 40; ++i)
        records += record(QStringLiteral("Sem fim %1").arg(i), ":-(æ");
    QTest::newRow("a catalogue with 40 broken records of 100: 20 listed, all in the text")
        << categoryFile(records) << 21 << 100;
}

void CatalogueToolTest::fileThatIsNoCatalogueGivesFewLinesAndNoText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, errorLines);
    QFETCH(int, textLines);
    write("x.bra", bytes);

    for (const QStringList& output : {QStringList(), QStringList{"-o", "x.txt"}}) {
        const ToolRun dump = run(QStringList{"dump", "x.bra"} + output);
        QCOMPARE(dump.exitCode, 1);
        QCOMPARE(dump.errors.count(u'\n'), errorLines);
        const QByteArray text = output.isEmpty() ? dump.output : read("x.txt");
        if (textLines < 0)
            QCOMPARE(text, output.isEmpty() ? QByteArray() : QByteArray("<missing>"));
        else
            QCOMPARE(text.count('\n'), textLines);
    }
}

void CatalogueToolTest::compiledSourcesDumpAsExpected_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArrayList>("sources");
    QTest::addColumn<QString>("output"); // its name tells the dump the layout
    QTest::addColumn<QByteArray>("dump");

    QTest::newRow("sources are merged in the order given")
        << QStringList() << QByteArrayList{"Zebra\t=Z\nGato\t=^.^=\n", "Gato\t=^.^=\nabelha\t8-)\n"}
        << "out.bra" << QByteArray("Zebra\t=Z\nGato\t=^.^=\nabelha\t8-)\n");

    const QStringList sorted{"abacaxi",    "Ábaco", "afago", "Água",
                             "aguardente", "Élan",  "épico", "Zebra"};
    QByteArray shuffled;
    for (qsizetype i = sorted.size() - 1; i >= 0; i -= 2)
        shuffled += sorted[i].toUtf8() + "\t:)\n";
    for (qsizetype i = 0; i < sorted.size(); i += 2)
        shuffled += sorted[i].toUtf8() + "\t:)\n";
    QTest::newRow("--sort ignores case and accents")
        << QStringList{"--sort"} << QByteArrayList{shuffled} << "out.bra"
        << (sorted.join("\t:)\n") + "\t:)\n").toUtf8();

    QTest::newRow("text from Windows editors: byte-order mark and CRLF accepted")
        << QStringList{"--own-list"} << QByteArrayList{"\xEF\xBB\xBFGato\t=^.^=\r\nSol\t8-)\r\n"}
        << "custom.bra" << QByteArray("Gato\t=^.^=\nSol\t8-)\n");
}

void CatalogueToolTest::compiledSourcesDumpAsExpected()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArrayList, sources);
    QFETCH(QString, output);
    QFETCH(QByteArray, dump);

    QStringList names;
    for (const QByteArray& source : sources) {
        names += QStringLiteral("source%1.txt").arg(names.size());
        write(names.last(), source);
    }
    QCOMPARE(compile(options, output, names), 0);
    QCOMPARE(run({"dump", output}).output, dump);
}

void CatalogueToolTest::ownListOfTheProgramDumpsAndCompilesBack_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("the own list") << "custom.bra";
    QTest::newRow("its temporary copy during a removal") << "custom.tmp";
}

void CatalogueToolTest::ownListOfTheProgramDumpsAndCompilesBack()
{
    QFETCH(QString, fileName);
    const QByteArray ownList = padded("Feliz", 35) + padded(":-)", 15) +
                               padded("m\xE3"
                                      "e \xE6",
                                      35) +
                               padded("\xE6", 15) + QByteArray(35, 'n') + QByteArray(15, 'r') +
                               padded("Feliz", 35) + padded(":-)", 15);
    write(fileName, ownList);

    const ToolRun dump = run({"dump", fileName, "-o", "own.txt"});
    QCOMPARE(dump.errors, QString());
    QCOMPARE(dump.exitCode, 0);
    QCOMPARE(read("own.txt"), "Feliz\t:-)\nmãe æ\tæ\n" + QByteArray(35, 'n') + '\t' +
                                  QByteArray(15, 'r') + "\nFeliz\t:-)\n");
    QCOMPARE(compile({"--own-list"}, "rebuilt.bra", {"own.txt"}), 0);
    QCOMPARE(read("rebuilt.bra"), ownList);
}

void CatalogueToolTest::ownListIsReplacedWholeOrNotAtAll()
{
    const QByteArray before = padded("Velho", 35) + padded(":-(", 15);
    write("custom.bra", before);
    QFile heldOpen(path("custom.bra"));
    QVERIFY(heldOpen.open(QIODevice::ReadOnly));

    write("new.txt", "Novo\t:-D\n");
    QCOMPARE(compile({"--own-list"}, "custom.bra", {"new.txt"}), 0);
    const QByteArray after = padded("Novo", 35) + padded(":-D", 15);
    QCOMPARE(read("custom.bra"), after);
    // A reader that had the old list open still reads all of it: the file was replaced by a
    // rename, not rewritten in place.
    QCOMPARE(heldOpen.readAll(), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"custom.bra", "new.txt"}));

    write("bad.txt", "Novo\t:-D\nRuim\tω\n");
    QCOMPARE(compile({"--own-list"}, "custom.bra", {"bad.txt"}), 1);
    QCOMPARE(read("custom.bra"), after);
}

void CatalogueToolTest::inexactRecordsAreReportedAndTheDumpStillCompiles_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QByteArray>("keptLines");

    const QByteArray gato = record("Gatoæ", "=^.^=æ");
    const auto categoryRow = [&](const char* what, const QByteArray& second, const char* kept) {
        QTest::newRow(what) << "x.bra" << categoryFile({gato, second}) << "registro 2 (byte 1050)"
                            << QByteArray("Gato\t=^.^=\n") + kept;
    };
    categoryRow("field without terminator: a comment only", record("Sol", "8-)æ"), "");
    categoryRow("empty text: a comment only", record("æ", "8-)æ"), "");
    categoryRow("blank kept before the terminator: a comment only", record("Sol æ", "8-)æ"), "");
    categoryRow("tab in a text: a comment only", record("Solæ", "8\t)æ"), "");
    categoryRow("name starting with #: a comment only", record("#Solæ", "8-)æ"), "");
    categoryRow("name already in the file: a comment only", record("gatoæ", "8-)æ"), "");
    categoryRow("blanks before a text: written as the program shows it", record("  Solæ", "8-)æ"),
                "Sol\t8-)\n");
    categoryRow("characters after the terminator: written as the program shows it",
                record("Solæ", "8-)æ:-("), "Sol\t8-)\n");
    QTest::newRow("trailing piece shorter than a record")
        << "x.bra" << categoryFile({gato}) + "abc"
        << "sobram 3 bytes" << QByteArray("Gato\t=^.^=\n");
    QTest::newRow("leading block of another writer")
        << "x.bra" << QByteArray(1000, '\0') + gato << "bloco inicial"
        << QByteArray("Gato\t=^.^=\n");
    QTest::newRow("file shorter than the leading block")
        << "x.bra" << QByteArray(999, ' ') << "menor que o bloco inicial" << QByteArray();

    const QByteArray feliz = record("Feliz", ":-)");
    QTest::newRow("own list, blanks before a name: written trimmed")
        << "custom.bra" << feliz + record("  Sol", "8-)") << "registro 2 (byte 50)"
        << QByteArray("Feliz\t:-)\nSol\t8-)\n");
    QTest::newRow("own list, blank name: a comment only")
        << "custom.bra" << record("", ":-(") + feliz << "registro 1 (byte 0)"
        << QByteArray("Feliz\t:-)\n");
    QTest::newRow("own list, control from an undefined Windows-1252 byte: a comment only")
        << "custom.bra" << padded("Fe\x81liz", 35) + padded(":-)", 15) << "U+0081" << QByteArray();
    QTest::newRow("own list, length not a multiple of 50")
        << "custom.bra" << feliz + "ab"
        << "sobram 2 bytes" << QByteArray("Feliz\t:-)\n");
}

void CatalogueToolTest::inexactRecordsAreReportedAndTheDumpStillCompiles()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, report);
    QFETCH(QByteArray, keptLines);

    write(fileName, bytes);
    const ToolRun dump = run({"dump", fileName, "-o", "dump.txt"});
    QCOMPARE(dump.exitCode, 1);
    QVERIFY2(hasLine(dump.errors, fileName + ": ", report), qPrintable(dump.errors));
    const QByteArray text = read("dump.txt");
    QVERIFY2(hasLine(QString::fromUtf8(text), "# ", report), text.constData());
    QCOMPARE(withoutComments(text), keptLines);

    // A text without a single emoticon line is no source to compile.
    const QStringList layout = fileName == "custom.bra" ? QStringList{"--own-list"} : QStringList();
    QCOMPARE(compile(layout, "again.bra", {"dump.txt"}), keptLines.isEmpty() ? 1 : 0);
}

QTEST_GUILESS_MAIN(CatalogueToolTest)
#include "tst_catalogue_tool.moc"
