// The classroom sheets: the game's puzzles by seed, their soundness, and the command's errors and pages.
#include "Levels.h"
#include "PuzzleChecker.h"
#include "RandomSource.h"
#include "RecordingView.h"
#include "SheetDocument.h"
#include "SheetPuzzles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run Stampa(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUADRIVELLO_STAMPA_PATH), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Everything in a folder, hidden temporary files included.
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

GeneratedPuzzle AsChecked(const LevelData& level, const SheetPuzzle& sheet)
{
    return GeneratedPuzzle{&level, sheet.across, sheet.down, sheet.acrossClues, sheet.downClues};
}

QString Poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& path)
{
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(Poppler(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

}  // namespace

class TestStampa : public QObject {
    Q_OBJECT
private slots:
    void sheetsAreTheGamesPuzzlesAfterSeeding()
    {
        // The game seeded with S and asked for puzzle after puzzle makes exactly the stack of seed S.
        for (int n = 1; n <= LevelCount; ++n) {
            const LevelData& level = *FindLevel(n);
            const SheetSet set = GenerateSheets(n, 6, 20240915u);
            SeededRandom random(20240915u);
            PuzzleState state;
            RecordingView view;
            for (const SheetPuzzle& sheet : set.sheets) {
                level.generate(state, view, random);
                const GeneratedPuzzle game = CapturePuzzle(level, state, view);
                QCOMPARE(sheet.across, game.across);
                QCOMPARE(sheet.down, game.down);
                QCOMPARE(sheet.acrossClues, game.acrossClues);
                QCOMPARE(sheet.downClues, game.downClues);
                std::string across, down;
                for (const std::string& line : sheet.acrossSolutions)
                    across += line + "\r\n";
                for (const std::string& line : sheet.downSolutions)
                    down += line + "\r\n";
                QCOMPARE(across, view.texts[Control::Text4]);
                QCOMPARE(down, view.texts[Control::Text5]);
                QCOMPARE(sheet.acrossLetters.front(), std::string(1, level.acrossLetters.front()));
            }
        }
    }

    void aSeedAlwaysGivesTheSameStack()
    {
        const SheetSet first = GenerateSheets(2, 8, 77u);
        const SheetSet again = GenerateSheets(2, 8, 77u);
        const SheetSet shorter = GenerateSheets(2, 3, 77u);
        const SheetSet other = GenerateSheets(2, 8, 78u);
        int differing = 0;
        for (std::size_t k = 0; k < first.sheets.size(); ++k) {
            QCOMPARE(again.sheets[k].across, first.sheets[k].across);
            QCOMPARE(again.sheets[k].downClues, first.sheets[k].downClues);
            if (k < shorter.sheets.size())
                QCOMPARE(shorter.sheets[k].acrossClues, first.sheets[k].acrossClues);
            differing += other.sheets[k].across != first.sheets[k].across ? 1 : 0;
        }
        QCOMPARE(differing, 8);
        // Different puzzles within one stack, too.
        QVERIFY(first.sheets[0].across != first.sheets[1].across);
    }

    void everySheetIsASoundPuzzle()
    {
        for (int n = 1; n <= LevelCount; ++n) {
            const LevelData& level = *FindLevel(n);
            const SheetSet set = GenerateSheets(n, 300, 4242u + static_cast<unsigned>(n));
            for (const SheetPuzzle& sheet : set.sheets) {
                const auto problems = PuzzleProblems(AsChecked(level, sheet));
                QVERIFY2(problems.empty(), problems.empty() ? "" : problems.front().c_str());
                // The answer key's grid spells every entry's number along its cells.
                const auto digits = CellDigits(level, sheet);
                for (const auto entries : {level.geometry.across, level.geometry.down}) {
                    for (const GridEntry& e : entries) {
                        int number = 0;
                        for (int j = 0; j < e.length; ++j)
                            number = number * 10 + digits[e.cells[j].row][e.cells[j].column];
                        QCOMPARE(number, (e.direction == Across ? sheet.across : sheet.down)[e.index]);
                    }
                }
            }
        }
    }

    void argumentErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString out = QStringLiteral("OUT");
        QTest::newRow("no -o") << QStringList{"--livello", "2"}
                               << "manca il file da scrivere: indicalo con -o FILE.pdf";
        QTest::newRow("level 4") << QStringList{"--livello", "4", "-o", out}
                                 << "livello non valido: «4» (deve essere 1, 2 o 3)";
        QTest::newRow("level word") << QStringList{"--livello=due", "-o", out}
                                    << "livello non valido: «due» (deve essere 1, 2 o 3)";
        QTest::newRow("no sheets") << QStringList{"--schede", "0", "-o", out}
                                   << "numero di schede non valido: «0» (deve essere da 1 a 500)";
        QTest::newRow("too many sheets") << QStringList{"--schede", "501", "-o", out}
                                         << "numero di schede non valido: «501» (deve essere da 1 a 500)";
        QTest::newRow("negative seed") << QStringList{"--seme", "-3", "-o", out}
                                       << "seme non valido: «-3» (deve essere un numero da 0 a 4294967295)";
        QTest::newRow("seed too big") << QStringList{"--seme", "4294967296", "-o", out}
                                      << "seme non valido: «4294967296» (deve essere un numero da 0 a 4294967295)";
        QTest::newRow("missing value") << QStringList{"-o", out, "--schede"} << "manca il valore dell'opzione --schede";
        QTest::newRow("-o eats an option") << QStringList{"-o", "--soluzioni"} << "manca il nome del file dopo -o";
        QTest::newRow("unknown option") << QStringList{"--colore", "-o", out} << "opzione sconosciuta: «--colore»";
        QTest::newRow("stray argument") << QStringList{"schede.pdf"} << "argomento inatteso: «schede.pdf»";
        QTest::newRow("given twice") << QStringList{"--livello", "1", "--livello", "2", "-o", out}
                                     << "l'opzione --livello è data più di una volta";
        QTest::newRow("flag with value") << QStringList{"--soluzioni=si", "-o", out}
                                         << "l'opzione --soluzioni non vuole un valore";
    }

    void argumentErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir folder;
        arguments.replaceInStrings(QStringLiteral("OUT"), folder.filePath(QStringLiteral("schede.pdf")));
        const Run run = Stampa(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err, "quadrivello-stampa: " + message + "\nPer l'aiuto: quadrivello-stampa --help\n");
        QVERIFY(run.out.isEmpty());
        QCOMPARE(Entries(folder.path()), QStringList());
    }

    void helpWritesNothing()
    {
        QTemporaryDir folder;
        const Run run = Stampa({"--livello", "9", "-o", folder.filePath(QStringLiteral("x.pdf")), "--help"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("Uso: quadrivello-stampa")));
        QVERIFY(run.out.contains(QStringLiteral("--sovrascrivi")));
        QCOMPARE(Entries(folder.path()), QStringList());
    }

    void anExistingFileIsKeptUnlessReplacing()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("schede.pdf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("last year's sheets");
        old.close();

        const Run refused = Stampa({"--seme", "5", "-o", path});
        QCOMPARE(refused.status, 1);
        QCOMPARE(refused.err, "quadrivello-stampa: il file «" + QDir::toNativeSeparators(path)
                                  + "» esiste già: scegli un altro nome o aggiungi --sovrascrivi\n");
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("last year's sheets"));
        old.close();
        QCOMPARE(Entries(folder.path()), QStringList{"schede.pdf"});

        const Run replaced = Stampa({"--seme", "5", "--sovrascrivi", "-o", path});
        QCOMPARE(replaced.status, 0);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QVERIFY(old.readAll().startsWith("%PDF-"));
        QCOMPARE(Entries(folder.path()), QStringList{"schede.pdf"});
    }

    void aFolderThatCannotTakeTheFile()
    {
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("manca"));
        const Run noFolder = Stampa({"-o", missing + QStringLiteral("/schede.pdf")});
        QCOMPARE(noFolder.status, 1);
        QCOMPARE(noFolder.err, "quadrivello-stampa: la cartella «" + QDir::toNativeSeparators(missing) + "» non esiste\n");
        QCOMPARE(Entries(folder.path()), QStringList());

        // A read-only folder; the superuser writes anywhere a permission allows, so it gets a
        // folder that no one can create files in.
        QString locked = folder.filePath(QStringLiteral("chiusa"));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("chiusa")));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QFile probe(locked + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            if (!QFileInfo(QStringLiteral("/proc")).isDir())
                QSKIP("no folder here refuses the superuser");
            locked = QStringLiteral("/proc");
        }
        const Run unwritable = Stampa({"-o", locked + QStringLiteral("/schede.pdf")});
        QFile::setPermissions(folder.filePath(QStringLiteral("chiusa")), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                            | QFileDevice::ExeOwner);
        QCOMPARE(unwritable.status, 1);
        QCOMPARE(unwritable.err, "quadrivello-stampa: non si può scrivere nella cartella «" + QDir::toNativeSeparators(locked)
                                     + "»: mancano i permessi o il disco è in sola lettura\n");
        QCOMPARE(Entries(locked).filter(QStringLiteral("schede.pdf")), QStringList());
    }

    void pagesOfTheDocument()
    {
        QCOMPARE(PageCount(4, false), 4);
        QCOMPARE(PageCount(4, true), 6);
        QCOMPARE(PageCount(3, true), 4);
        QCOMPARE(PageCount(1, true), 2);
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");

        QTemporaryDir folder;
        const QString sheets = folder.filePath(QStringLiteral("schede.pdf"));
        const Run run = Stampa({"--livello", "2", "--schede", "4", "--soluzioni", "--seme", "31", "-o", sheets});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, "Scritto «" + QDir::toNativeSeparators(sheets)
                              + "»: 4 schede del livello 2 con le soluzioni, 6 pagine, seme 31.\n");
        QCOMPARE(PdfPages(sheets), 6);
        QCOMPARE(Entries(folder.path()), QStringList{"schede.pdf"});

        // What the pupil reads on the third sheet: its heading, the name line, the game's clues, the footer.
        const QString page = Poppler(QStringLiteral("pdftotext"),
                                     {"-f", "3", "-l", "3", "-layout", sheets, "-"}).simplified();
        QVERIFY2(page.contains(QStringLiteral("Quadrivello Livello 2")), qPrintable(page));
        QVERIFY(page.contains(QStringLiteral("Nome: ______ Classe: ______ Data: ______")));
        QVERIFY(page.contains(QStringLiteral("Orizzontali")) && page.contains(QStringLiteral("Verticali")));
        QVERIFY(page.contains(QStringLiteral("Scheda 3 di 4 · Seme 31")));
        const SheetPuzzle third = GenerateSheets(2, 3, 31u).sheets[2];
        for (const std::string& clue : third.acrossClues)
            QVERIFY2(page.contains(QString::fromStdString(clue).trimmed()), clue.c_str());

        const QString one = folder.filePath(QStringLiteral("una.pdf"));
        QCOMPARE(Stampa({"--livello=3", "-o", one}).status, 0);
        QCOMPARE(PdfPages(one), 1);
    }
};

QTEST_MAIN(TestStampa)
#include "tst_stampa.moc"
