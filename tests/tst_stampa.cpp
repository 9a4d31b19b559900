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
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run Command(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Run Stampa(const QStringList& arguments)
{
    return Command(QStringLiteral(QUADRIVELLO_STAMPA_PATH), arguments);
}

// Everything in a folder, hidden temporary files included.
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A folder no file can be made in: a read-only one, or /proc for the superuser, who writes in that anyway;
// empty when there is none.
QString LockedFolder(const QString& parent)
{
    const QString locked = parent + "/chiusa";
    QDir().mkdir(locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(locked + "/probe");
    if (!probe.open(QIODevice::WriteOnly))
        return locked;
    probe.remove();
    return QFileInfo(QStringLiteral("/proc")).isDir() ? QStringLiteral("/proc") : QString();
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

}  // namespace

class TestStampa : public QObject {
    Q_OBJECT
private slots:
    void sheetsAreTheGamesSoundPuzzles()
    {
        // The game seeded with S and asked for puzzle after puzzle makes the stack of seed S, however long.
        for (int n = 1; n <= LevelCount; ++n) {
            const LevelData& level = *FindLevel(n);
            const unsigned seed = 4242u + static_cast<unsigned>(n);
            const SheetSet stack = GenerateSheets(n, 300, seed), shorter = GenerateSheets(n, 2, seed);
            const SheetSet other = GenerateSheets(n, 300, seed + 10);
            SeededRandom random(seed);
            PuzzleState state;
            RecordingView view;
            for (std::size_t k = 0; k < stack.sheets.size(); ++k) {
                const SheetPuzzle& sheet = stack.sheets[k];
                level.generate(state, view, random);
                const GeneratedPuzzle game = CapturePuzzle(level, state, view);
                QCOMPARE(sheet.across, game.across);
                QCOMPARE(sheet.down, game.down);
                QCOMPARE(sheet.acrossClues, game.acrossClues);
                QCOMPARE(sheet.downClues, game.downClues);
                QCOMPARE(Joined(sheet.acrossSolutions), view.texts[Control::Text4]);
                QCOMPARE(Joined(sheet.downSolutions), view.texts[Control::Text5]);
                if (k < shorter.sheets.size())
                    QCOMPARE(shorter.sheets[k].downClues, sheet.downClues);
                QVERIFY(other.sheets[k].across != sheet.across);  // another seed, other puzzles

                // Every sheet is a sound puzzle.
                const auto problems = PuzzleProblems(game);
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

    void commandErrors_data()
    {
        // Split at spaces; DIR is a folder holding only vecchio.pdf, OUT is DIR/schede.pdf.
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* arguments, int status, const QString& message) {
            QTest::newRow(arguments) << QString::fromUtf8(arguments) << status << message;
        };
        const QString level = QStringLiteral("(deve essere 1, 2 o 3)");
        const QString seed = QStringLiteral("(deve essere un numero da 0 a 4294967295)");
        row("--livello 2", 2, "manca il file da scrivere: indicalo con -o FILE.pdf");
        row("--livello 4 -o OUT", 2, "livello non valido: «4» " + level);
        row("--livello=due -o OUT", 2, "livello non valido: «due» " + level);
        row("--schede 0 -o OUT", 2, "numero di schede non valido: «0» (deve essere da 1 a 500)");
        row("--schede 501 -o OUT", 2, "numero di schede non valido: «501» (deve essere da 1 a 500)");
        row("--seme -3 -o OUT", 2, "seme non valido: «-3» " + seed);
        row("--seme 4294967296 -o OUT", 2, "seme non valido: «4294967296» " + seed);
        row("-o OUT --schede", 2, "manca il valore dell'opzione --schede");
        row("-o --soluzioni", 2, "manca il nome del file dopo -o");
        row("--colore -o OUT", 2, "opzione sconosciuta: «--colore»");
        row("schede.pdf", 2, "argomento inatteso: «schede.pdf»");
        row("--livello 1 --livello 2 -o OUT", 2, "l'opzione --livello è data più di una volta");
        row("--soluzioni=si -o OUT", 2, "l'opzione --soluzioni non vuole un valore");
        row("--livello 9 -o OUT --help", 0, QString());
        row("--seme 5 -o DIR/vecchio.pdf", 1,
            "il file «DIR/vecchio.pdf» esiste già: scegli un altro nome o aggiungi --sovrascrivi");
        row("-o DIR/manca/schede.pdf", 1, "la cartella «DIR/manca» non esiste");
        row("-o LOCKED/schede.pdf", 1,
            "non si può scrivere nella cartella «LOCKED»: mancano i permessi o il disco è in sola lettura");
    }

    void commandErrors()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir folder, elsewhere;
        QString locked;
        if (arguments.contains("LOCKED") && (locked = LockedFolder(elsewhere.path())).isEmpty())
            QSKIP("no folder here refuses the superuser");
        QFile old(folder.filePath("vecchio.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("last year's sheets") > 0);
        old.close();
        const auto fill = [&](QString text) {
            return text.replace("OUT", "DIR/schede.pdf")
                .replace("DIR", QDir::toNativeSeparators(folder.path()))
                .replace("LOCKED", QDir::toNativeSeparators(locked));
        };
        QStringList filled;
        for (const QString& argument : arguments.split(u' '))
            filled << fill(argument);
        const Run run = Stampa(filled);
        QCOMPARE(run.status, status);
        if (status == 0) {  // --help, whatever else the line holds
            QVERIFY(run.out.startsWith(QStringLiteral("Uso: quadrivello-stampa")) && run.out.contains("--sovrascrivi"));
        } else {
            const QString hint = status == 2 ? QStringLiteral("Per l'aiuto: quadrivello-stampa --help\n") : QString();
            QCOMPARE(run.err, "quadrivello-stampa: " + fill(message) + "\n" + hint);
            QVERIFY(run.out.isEmpty());
        }
        // Nothing written, nothing half-written, and last year's file untouched.
        QCOMPARE(Entries(folder.path()), QStringList{"vecchio.pdf"});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("last year's sheets"));
        if (!locked.isEmpty())
            QCOMPARE(Entries(locked).filter(QStringLiteral("schede.pdf")), QStringList());
    }

    void pagesOfTheDocument()
    {
        QCOMPARE(PageCount(3, true), 4);  // solutions go three to a page
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        // The text of each page; pdftotext ends every page with a form feed.
        const auto pages = [](const QString& pdf) {
            QStringList pages = Command("pdftotext", {"-layout", pdf, "-"}).out.split(u'\f');
            pages.removeLast();
            return pages;
        };
        QTemporaryDir folder;
        const QString sheets = folder.filePath(QStringLiteral("schede.pdf"));
        const Run run = Stampa({"--livello", "2", "--schede", "4", "--soluzioni", "--seme", "31", "-o", sheets});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, "Scritto «" + QDir::toNativeSeparators(sheets) +
                              "»: 4 schede del livello 2 con le soluzioni, 6 pagine, seme 31.\n");
        QCOMPARE(Entries(folder.path()), QStringList{"schede.pdf"});
        const QStringList text = pages(sheets);
        QCOMPARE(text.size(), 6);

        // What the pupil reads on the third sheet: its heading, the name line, the game's clues, the footer.
        const QString third = text[2].simplified();
        for (const char* line : {"Quadrivello Livello 2", "Nome: ______ Classe: ______ Data: ______", "Orizzontali",
                                 "Verticali", "Scheda 3 di 4 · Seme 31"})
            QVERIFY2(third.contains(QString::fromUtf8(line)), qPrintable(third));
        const SheetSet set = GenerateSheets(2, 3, 31u);
        for (const std::string& clue : set.sheets[2].acrossClues)
            QVERIFY2(third.contains(QString::fromStdString(clue).trimmed()), clue.c_str());

        // Replaced only when asked, and then wholly: one sheet without solutions is one page.
        QCOMPARE(Stampa({"--livello=3", "--sovrascrivi", "-o", sheets}).status, 0);
        QCOMPARE(pages(sheets).size(), 1);
        QCOMPARE(Entries(folder.path()), QStringList{"schede.pdf"});
    }
};

QTEST_MAIN(TestStampa)
#include "tst_stampa.moc"
