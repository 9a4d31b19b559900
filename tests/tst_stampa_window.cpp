// The sheets' window writes the command's PDF and prints the same pages; with no display, no window.
#include "SheetWindow.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The exit status and the two streams of a program run in the given environment.
std::tuple<int, QString, QString> Run(const QString& program, const QStringList& arguments,
                                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace

class TestStampaWindow : public QObject {
    Q_OBJECT
private slots:
    void windowSavesAndPrintsTheCommandsPages()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir folder;
        // A PDF's text laid out as on paper; pdftotext ends every page with a form feed.
        const auto text = [&](const char* pdf) {
            return std::get<1>(Run(QStringLiteral("pdftotext"), {"-layout", folder.filePath(pdf), "-"}));
        };
        Run(QUADRIVELLO_STAMPA_PATH,
            {"--livello", "3", "--schede", "2", "--soluzioni", "--seme", "7", "-o", folder.filePath("comando.pdf")});

        SheetWindow window;
        window.findChild<QObject*>("livello")->setProperty("currentIndex", 2);
        window.findChild<QObject*>("schede")->setProperty("value", 2);
        window.findChild<QObject*>("soluzioni")->setProperty("checked", true);
        window.findChild<QObject*>("seme")->setProperty("text", "7");
        QCOMPARE(window.saveTo(folder.filePath("finestra.pdf")).outcome, SaveResult::Outcome::Saved);
        QCOMPARE(text("finestra.pdf"), text("comando.pdf"));

        // A printer of another resolution, with margins of its own: the same pages.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(folder.filePath("stampante.pdf"));
        QVERIFY(window.printOn(printer));
        QCOMPARE(text("stampante.pdf"), text("comando.pdf"));
    }

    void noArgumentsAndNoDisplayGiveTheUsage()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        QCOMPARE(
            Run(QUADRIVELLO_STAMPA_PATH, {}, environment),
            std::make_tuple(2, QString(),
                            QStringLiteral("quadrivello-stampa: manca il file da scrivere: indicalo con -o FILE.pdf\n"
                                           "Per l'aiuto: quadrivello-stampa --help\n")));
    }
};

QTEST_MAIN(TestStampaWindow)
#include "tst_stampa_window.moc"
