// The printed documents: the sheets (the game's puzzles, the command's errors and pages, the window's) and the manual.
#include "PuzzleChecker.h"
#include "RandomSource.h"
#include "SafeSave.h"
#include "SheetDocument.h"
#include "SheetPuzzles.h"
#include "SheetWindow.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace {

struct Run {
    int status = -1;
    QString out, err;
    QByteArray bytes;  // the output as it came, which need not be UTF-8
};

// A command's status and output, run with no display: the sheets command then never opens its window.
Run Command(const QStringList& arguments, const QString& program = QStringLiteral(QUADRIVELLO_STAMPA_PATH))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitCode(), out, process.readAllStandardError(), out};
}

// Everything in a folder, hidden temporary files included.
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A PDF writer whose dots are twice as tall as they are wide, as a 600 × 1200 dpi printer's; it paints
// nothing, and keeps the transformation the page's first text is drawn with.
class TallDots final : public QPdfWriter, QPaintEngine {
public:
    explicit TallDots(const QString& file) : QPdfWriter(file), QPaintEngine(AllFeatures) {}
    QTransform firstText;

protected:
    int metric(PaintDeviceMetric which) const override
    {
        const int value = QPdfWriter::metric(which);
        return which == PdmDpiY || which == PdmPhysicalDpiY || which == PdmHeight ? 2 * value : value;
    }
    QPaintEngine* paintEngine() const override { return const_cast<TallDots*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyTransform)
            transform_ = state.transform();
    }
    void drawTextItem(const QPointF&, const QTextItem&) override
    {
        if (firstText.isIdentity())
            firstText = transform_;
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

private:
    QTransform transform_;
};

std::string Clues(const Puzzle& puzzle)
{
    std::string clues;
    for (const auto* entries : {&puzzle.across, &puzzle.down})
        for (const PuzzleEntry& e : *entries)
            clues += e.clue;
    return clues;
}

std::string Solutions(const Puzzle& puzzle)
{
    std::string lines;
    for (const auto* entries : {&puzzle.across, &puzzle.down})
        for (const PuzzleEntry& e : *entries)
            lines += SolutionLine(e) + "|";
    return lines;
}

}  // namespace

class TestSheets : public QObject {
    Q_OBJECT
private slots:
    // Seed S's stack is the game's sound puzzles after seeding with S, however long; another seed, others; a
    // class that suits the level, the same numbers with its own sound clues.
    void sheetsAreTheGamesSoundPuzzles()
    {
        for (int n = 1; n <= LevelCount; ++n) {
            const unsigned seed = 4242u + unsigned(n);
            const SheetSet stack = GenerateSheets(n, 300, seed), other = GenerateSheets(n, 300, seed + 10);
            const SheetSet third = GenerateSheets(n, 300, seed, DefaultRules(SchoolYear(std::max(n + 1, 3))));
            QCOMPARE(GenerateSheets(n, 2, seed).sheets[1].down[3].clue, stack.sheets[1].down[3].clue);
            SeededRandom random(seed);
            for (std::size_t k = 0; k < stack.sheets.size(); ++k) {
                const Puzzle& sheet = stack.sheets[k];
                QCOMPARE(Clues(sheet), Clues(GeneratePuzzle(GetLevel(n), random)));
                QCOMPARE(PuzzleProblem(sheet), std::string());
                QVERIFY(Clues(other.sheets[k]) != Clues(sheet));
                QCOMPARE(PuzzleProblem(third.sheets[k]), std::string());
                QCOMPARE(Solutions(third.sheets[k]), Solutions(sheet));
                QCOMPARE(Clues(third.sheets[k]) != Clues(sheet), n < 3);
            }
        }
    }

    // Each wrong command line (none at all, with no display or one that does not answer), existing file,
    // pipe, broken link, overlong name, missing or unwritable folder, no font: its status and message,
    // nothing written or half-written, last year's file and the pipe untouched; a run stopped by a signal
    // leaves nothing either. With arguments no display is needed, whatever platform is named.
    void commandErrors()
    {
        const QString hint = QStringLiteral("\nPer l'aiuto: ");
        // Arguments split at blanks, DIR being a folder that holds only vecchio.pdf, the pipe tubo and the link
        // rotto.pdf to a file in a folder that is not there, OUT being DIR/schede.pdf, LONG 300 letters.
        const std::pair<const char*, QString> rows[] = {
            {"", "manca il file da scrivere: indicalo con -o FILE.pdf" + hint},
            {"--livello 2", "manca il file da scrivere: indicalo con -o FILE.pdf" + hint},
            {"--livello=0 -o OUT", "livello non valido: «0» (deve essere 1, 2 o 3)" + hint},
            {"--schede=501 -o OUT", "numero di schede non valido: «501» (deve essere da 1 a 500)" + hint},
            {"--seme 4294967296 -o OUT",
             "seme non valido: «4294967296» (deve essere un numero da 0 a 4294967295)" + hint},
            {"-o OUT --schede", "manca il valore dell'opzione --schede" + hint},
            {"-o --soluzioni", "manca il nome del file dopo -o" + hint},
            {"-o -x.pdf", "il nome «-x.pdf» comincia con «-» come un'opzione: se è il file da scrivere, indicalo "
                          "come «./-x.pdf»" +
                              hint},
            {"--colore -o OUT", "opzione sconosciuta: «--colore»" + hint},
            {"schede.pdf", "argomento inatteso: «schede.pdf»" + hint},
            {"- -o OUT", "argomento inatteso: «-»" + hint},
            {"--livello 1 --livello 2 -o OUT", "l'opzione --livello è data più di una volta" + hint},
            {"--soluzioni=si -o OUT", "l'opzione --soluzioni non vuole un valore" + hint},
            {"--classe 3 --livello 3 -o OUT",
             "il livello 3 non è adatto alla classe terza (solo i livelli 1 e 2)" + hint},
            {"--tabelline 7 -o OUT", "l'opzione --tabelline vale solo con --classe 2 o 3" + hint},
            {"--livello 9 -o OUT --help", ""},
            {"--seme 5 -o DIR/vecchio.pdf",
             "il file «DIR/vecchio.pdf» esiste già: scegli un altro nome o aggiungi --sovrascrivi"},
            {"-o DIR/manca/schede.pdf", "la cartella «DIR/manca» non esiste"},
            {"--sovrascrivi -o DIR/tubo", "«DIR/tubo» è una pipe, non un file"},
            {"-o /dev/stdout", "«/dev/stdout» è una pipe, non un file"},  // the test reads it through a pipe
            {"--sovrascrivi -o DIR/rotto.pdf",
             "non si può seguire il collegamento «DIR/rotto.pdf»: file o cartella inesistente"},
            {"-o DIR/LONG.pdf", "non si può scrivere «DIR/LONG.pdf»: il nome è troppo lungo"},
            // A folder nobody can make a file in, the superuser included.
            {"-o /proc/schede.pdf", "non si può scrivere nella cartella «/proc»: file o cartella inesistente"},
        };
        for (const auto& [line, message] : rows) {
            QTemporaryDir folder;
            QFile old(folder.filePath("vecchio.pdf"));
            old.open(QIODevice::WriteOnly);
            old.write("last year's sheets");
            old.close();
            QCOMPARE(Command({folder.filePath("tubo")}, "mkfifo").status, 0);
            QVERIFY(QFile::link("manca/schede.pdf", folder.filePath("rotto.pdf")));
            const auto fill = [&](QString text) {
                return text.replace("OUT", "DIR/schede.pdf")
                    .replace("DIR", QDir::toNativeSeparators(folder.path()))
                    .replace("LONG", QString(300, u'x'));
            };
            const Run run = Command(fill(QString::fromUtf8(line)).split(u' ', Qt::SkipEmptyParts));
            if (message.isEmpty()) {  // --help wins, whatever else the line holds
                QCOMPARE(run.status, 0);
                QVERIFY(run.out.startsWith("Uso: quadrivello-stampa"));
            } else {
                QCOMPARE(run.status, message.contains(hint) ? 2 : 1);
                QCOMPARE(run.err, "quadrivello-stampa: " + fill(message) +
                                      (message.contains(hint) ? "quadrivello-stampa --help\n" : "\n"));
                QVERIFY(run.out.isEmpty());
            }
            QCOMPARE(Entries(folder.path()), (QStringList{"rotto.pdf", "tubo", "vecchio.pdf"}));
            old.open(QIODevice::ReadOnly);
            QCOMPARE(old.readAll(), "last year's sheets");
        }
        const Run deadDisplay =
            Command({"-c", "DISPLAY=:9876 QT_QPA_PLATFORM=xcb exec \"$0\"", QUADRIVELLO_STAMPA_PATH}, "sh");
        QCOMPARE(deadDisplay.status, 2);
        QCOMPARE(deadDisplay.err, "quadrivello-stampa: non si può aprire la finestra: lo schermo «:9876» non risponde\n"
                                  "quadrivello-stampa: manca il file da scrivere: indicalo con -o FILE.pdf\n"
                                  "Per l'aiuto: quadrivello-stampa --help\n");
        QTemporaryDir folder;
        const QString stampa = QStringLiteral(QUADRIVELLO_STAMPA_PATH);
        const QString headless = "exec \"$0\" --sovrascrivi -o \"$1/schede.pdf\"";  // whatever platform is named
        for (const QString platform : {"DISPLAY=:9876 QT_QPA_PLATFORM=xcb ", "QT_QPA_PLATFORM=wayland "})
            QCOMPARE(Command({"-c", platform + headless, stampa, folder.path()}, "sh").status, 0);
        // Fontconfig told of no font at all: the sheets would be black boxes.
        const char* noFonts =
            "cd \"$1\" && echo '<fontconfig/>' >fonts.conf && FONTCONFIG_FILE=\"$PWD/fonts.conf\" exec \"$0\" -o x.pdf";
        const Run fontless = Command({"-c", noFonts, stampa, folder.path()}, "sh");
        QCOMPARE(fontless.err,
                 "quadrivello-stampa: non c'è nessun tipo di carattere (font) installato con cui scrivere "
                 "le schede: installa per esempio DejaVu Sans\n");
        QCOMPARE(fontless.status, 1);
        QProcess stopped;  // a long run, stopped once its hidden temporary file is there
        stopped.start(stampa, {"--schede", "500", "--soluzioni", "-o", folder.filePath("lunga.pdf")});
        for (const QDeadlineTimer patience(120000); Entries(folder.path()).size() < 3 && !patience.hasExpired();)
            QThread::usleep(200);
        stopped.terminate();
        QVERIFY(stopped.waitForFinished());
        QCOMPARE(stopped.exitStatus(), QProcess::CrashExit);
        QCOMPARE(stopped.exitCode(), SIGTERM);
        QCOMPARE(Entries(folder.path()), (QStringList{"fonts.conf", "schede.pdf"}));  // nor any x.pdf
        // The game, which has no command line, says only why it cannot show its window.
        for (const auto& [platform, why] :
             {std::pair("DISPLAY=:9876 QT_QPA_PLATFORM=xcb", "lo schermo «:9876» non risponde"),
              {"QT_QPA_PLATFORM=nessuna", "manca il modulo di Qt per la grafica «nessuna»"}}) {
            const Run game = Command(
                {"-c", QStringLiteral("%1 exec \"$0\"").arg(platform), QUADRIVELLO_APP_DIR "/quadrivello"}, "sh");
            QCOMPARE(game.status, 1);
            QCOMPARE(game.err, QStringLiteral("quadrivello: non si può aprire la finestra del gioco: %1\n").arg(why));
        }
        const Run wrongClass = Command({"--classe=5"}, QUADRIVELLO_APP_DIR "/quadrivello");
        QCOMPARE(wrongClass.status, 2);
        QCOMPARE(wrongClass.err, "quadrivello: classe non valida: «5» (deve essere 2, 3 o 4)\n");
    }

    // The third class's sheets of level 2 and seed 7 have the very answer pages of the game's own clues, but
    // for the footer that names the class; their pupils' pages have other clues. The window makes them too.
    void aClassSharesTheAnswerPages()
    {
        QTemporaryDir folder;
        QString pages[2][2];
        for (const int year : {3, 4}) {
            const QString pdf = folder.filePath(QStringLiteral("classe-%1.pdf").arg(year));
            QCOMPARE(Command({"--classe", QString::number(year), "--livello", "2", "--schede", "5", "--seme", "7",
                              "--soluzioni", "-o", pdf})
                         .status,
                     0);
            for (const int pupils : {0, 1}) {
                const QString first = pupils ? "1" : "6", last = pupils ? "5" : "7";
                pages[year - 3][pupils] = Command({"-f", first, "-l", last, pdf, "-"}, "pdftotext").out;
                pages[year - 3][pupils].remove(QRegularExpression("Quadrivello · Livello[^\n]*")).remove(u'\n');
            }
        }
        QCOMPARE(pages[0][0], pages[1][0]);
        QCOMPARE(pages[0][0].count("Soluzione della scheda"), 5);  // three on the first page, two on the second
        QVERIFY(pages[0][1] != pages[1][1]);
        SheetWindow window;  // set alike, it saves the same pages; it offers no level the class does not suit
        window.findChild<QObject*>("livello")->setProperty("currentIndex", 2);
        window.findChild<QObject*>("classe")->setProperty("currentIndex", 1);
        QCOMPARE(window.findChild<QObject*>("livello")->property("currentIndex").toInt(), 1);
        window.findChild<QObject*>("schede")->setProperty("value", 5);
        window.findChild<QObject*>("soluzioni")->setProperty("checked", true);
        window.findChild<QObject*>("seme")->setProperty("text", "7");
        QCOMPARE(window.saveTo(folder.filePath("finestra.pdf")).failure, QByteArray());
        QCOMPARE(Command({folder.filePath("finestra.pdf"), "-"}, "pdftotext").out,
                 Command({folder.filePath("classe-3.pdf"), "-"}, "pdftotext").out);
    }

    // Level 3, 2 sheets with solutions, seed 7 (with leading zeros): the command's report, pages and a pupil's
    // sheet, the file readable as the umask allows; the window set alike saves the same PDF and prints the
    // same pages on another resolution and margins, and on dots taller than wide.
    void commandAndWindowMakeTheSamePages()
    {
        QTemporaryDir folder;
        const auto text = [&](const char* pdf) {  // pdftotext ends every page with a form feed
            return Command({"-layout", folder.filePath(pdf), "-"}, QStringLiteral("pdftotext")).out;
        };
        const QString pdf = folder.filePath("comando.pdf"), stampa = QStringLiteral(QUADRIVELLO_STAMPA_PATH);
        QCOMPARE(Command({"-c", "umask 027 && exec \"$0\" \"$@\"", stampa, "--livello", "3", "--schede", "2",
                          "--soluzioni", "--seme", "0000000000007", "-o", pdf},
                         "sh")
                     .out,
                 "Scritto «" + QDir::toNativeSeparators(pdf) +
                     "»: 2 schede del livello 3 con le soluzioni, 3 pagine, seme 7.\n");
        const auto mode = [&] { return Command({"-c", "%a", pdf}, "stat").out; };
        QCOMPARE(mode(), "640\n");
        // A pupil's page and an answer page as approved, so that no change to the layout goes unseen. A
        // change meant: pdftoppm -r 40 -f 2 -l 3 -png that file tests/data/sheet-level3-seed7
        QTemporaryDir rendered;
        Command({"-r", "40", "-f", "2", "-l", "3", "-png", pdf, rendered.filePath("page")}, "pdftoppm");
        for (const char* page : {"2", "3"})
            QCOMPARE(QImage(rendered.filePath(QStringLiteral("page-%1.png").arg(page))),
                     QImage(QStringLiteral(QUADRIVELLO_SOURCE_DIR "/tests/data/sheet-level3-seed7-%1.png").arg(page)));
        const QStringList pages = text("comando.pdf").split(u'\f');
        QCOMPARE(pages.size(), 3 + 1);

        SheetWindow window;  // its preview follows every choice, the level too; it says which pages go to the pupils
        const auto says = [&window](const QString& text) {
            return std::ranges::any_of(window.findChildren<QLabel*>(), [&](QLabel* l) { return l->text() == text; });
        };
        QVERIFY(says("1 pagina, con la scheda."));
        QStringList buttons;  // what the teacher can press
        for (const QPushButton* button : window.findChildren<QPushButton*>())
            buttons << button->text();
        QCOMPARE(buttons, (QStringList{"Stampa…", "Salva PDF…"}));
        const QImage preview = window.findChild<QPrintPreviewWidget*>()->grab().toImage();
        window.findChild<QObject*>("livello")->setProperty("currentIndex", 2);
        QTRY_VERIFY(window.findChild<QPrintPreviewWidget*>()->grab().toImage() != preview);
        window.findChild<QObject*>("schede")->setProperty("value", 2);
        window.findChild<QObject*>("soluzioni")->setProperty("checked", true);
        window.findChild<QObject*>("seme")->setProperty("text", "0000000000007");
        QVERIFY(says("3 pagine: le schede alle pagine 1–2, le soluzioni a pagina 3. Agli alunni vanno solo le prime 2 "
                     "pagine."));
        QCOMPARE(window.saveTo(folder.filePath("finestra.pdf")).failure, QByteArray());
        QCOMPARE(text("finestra.pdf"), text("comando.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(folder.filePath("stampante.pdf"));
        QCOMPARE(window.printOn(printer).failure, QByteArray());
        QCOMPARE(text("stampante.pdf"), text("comando.pdf"));
        TallDots tall(folder.filePath("alta.pdf"));
        QVERIFY(PaintSheets(tall, GenerateSheets(1, 1, 7u), false));
        QCOMPARE(tall.firstText.m22(), 2 * tall.firstText.m11());
    }

    // Printed to a pipe, the window waits for no reader; printed over a file and failing (past a limit on a
    // file's size, as on a full disk), it keeps the file and says why; so does a replacement whose pages fail.
    // A replacement asked for replaces the file whole and keeps its permissions.
    void aFailedPrintOrSaveKeepsTheOldFile()
    {
        QTemporaryDir folder;
        const auto text = [&](const char* pdf) {
            return Command({"-layout", folder.filePath(pdf), "-"}, QStringLiteral("pdftotext")).out;
        };
        const QString pdf = folder.filePath("comando.pdf");
        QCOMPARE(Command({"-c", "umask 027 && exec \"$0\" \"$@\"", QUADRIVELLO_STAMPA_PATH, "--schede", "2", "-o", pdf},
                         "sh")
                     .status,
                 0);
        QCOMPARE(Command({"--seme", "7", "--sovrascrivi", "-o", pdf}).status, 0);  // replaced whole, its mode kept
        QCOMPARE(text("comando.pdf").count(u'\f'), 1);
        const auto mode = [&] { return Command({"-c", "%a", pdf}, "stat").out; };
        QCOMPARE(mode(), "640\n");
        QVERIFY(QFile::copy(pdf, folder.filePath("stampante.pdf")));
        SheetWindow window;
        window.findChild<QObject*>("seme")->setProperty("text", "8");
        QPrinter printer(QPrinter::HighResolution);
        QCOMPARE(Command({folder.filePath("tubo")}, "mkfifo").status, 0);
        printer.setOutputFileName(folder.filePath("tubo"));
        QCOMPARE(window.printOn(printer).failure,
                 "«" + MessageName(FilePathOf(folder.filePath("tubo"))) + "» è una pipe, non un file");
        printer.setOutputFileName(folder.filePath("stampante.pdf"));
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the test
        rlimit sizes{};
        getrlimit(RLIMIT_FSIZE, &sizes);
        const rlimit small{4096, sizes.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const SaveResult tooLarge = window.printOn(printer);
        setrlimit(RLIMIT_FSIZE, &sizes);
        QCOMPARE(tooLarge.failure, "scrittura di «" + MessageName(FilePathOf(folder.filePath("stampante.pdf"))) +
                                       "» non riuscita (il file è troppo grande): il file è rimasto com'era");
        QCOMPARE(text("stampante.pdf"), text("comando.pdf"));

        const auto fail = [](QIODevice& device) { return device.write("%PDF-") < 0; };
        QCOMPARE(SaveBeside(FilePathOf(pdf), true, fail).failure,
                 "scrittura di «" + MessageName(FilePathOf(pdf)) +
                     "» non riuscita (il PDF non si è potuto comporre): il file è rimasto com'era");
        QCOMPARE(text("comando.pdf"), text("stampante.pdf"));
        QCOMPARE(mode(), "640\n");
        QCOMPARE(Entries(folder.path()), (QStringList{"comando.pdf", "stampante.pdf", "tubo"}));
    }

    // A file name that is not UTF-8 is written and named byte for byte.
    void aNameThatIsNotTextIsKept()
    {
        QTemporaryDir other;
        const Run latin =
            Command({"-c", "cd \"$1\" && f=$(printf 'perch\\350.pdf') && \"$0\" --seme 5 -o \"$f\" && rm \"$f\"",
                     QUADRIVELLO_STAMPA_PATH, other.path()},
                    "sh");
        QCOMPARE(latin.bytes, QByteArray("Scritto «perch\xe8.pdf»: 1 scheda del livello 1, 1 pagina, seme 5.\n"));
        QCOMPARE(latin.status, 0);
    }

    // The game's manual: A4, every placeholder filled, its pictures (the icon, the window, the three grids, the
    // worked example's grid, the sheets window, the second class's window and sheet) in it, bookmarks.
    void theManualIsWholeWithItsPicturesAndBookmarks()
    {
        const QString manual = QStringLiteral(QUADRIVELLO_DATA_DIR "/Quadrivello.pdf");
        QVERIFY(Command({manual}, "pdfinfo").out.contains("595 x 842 pts (A4)"));
        const QString manualText = Command({manual, "-"}, "pdftotext").out;
        QVERIFY(!manualText.contains("{{"));
        QVERIFY(manualText.contains("Conferma"));
        QCOMPARE(Command({"-list", manual}, "pdfimages").out.count(u'\n'), 2 + 9);  // two lines of header
        QVERIFY(Command({manual}, "cat").bytes.contains("/Type /Outlines"));  // bookmarks, added after Qt wrote it
    }
};

QTEST_MAIN(TestSheets)
#include "tst_sheets.moc"
