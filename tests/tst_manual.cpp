// The built manual: a PDF of the planned pages, each section on the page its contents list gives,
// every picture in it and every placeholder of the worked example filled.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString Manual = QStringLiteral(QUADRIVELLO_DATA_DIR "/Quadrivello.pdf");

// The sections and the pages the manual's contents list promises for them.
struct Section {
    const char* heading;
    int page;
};
constexpr Section Sections[] = {
    {"Che cos’è Quadrivello", 1}, {"La finestra del gioco", 2}, {"Come si gioca", 3},
    {"Le quattro operazioni", 4}, {"I tre livelli", 5},          {"Un esempio svolto", 6},
    {"Menu e pulsanti", 7},       {"Per insegnanti e genitori", 8},
};
constexpr int PlannedPages = 8;

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PageText(int page)
{
    return Run(QStringLiteral("pdftotext"), {"-f", QString::number(page), "-l", QString::number(page), Manual, "-"});
}

}  // namespace

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char* tool : {"pdfinfo", "pdftotext", "pdfimages"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP("the PDF tools of poppler-utils are not installed");
        }
    }

    void isAPdfOfThePlannedPages()
    {
        QFile file(Manual);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(Manual));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        const QString info = Run(QStringLiteral("pdfinfo"), {Manual});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(PlannedPages))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(info));
    }

    void eachSectionStartsOnItsPage()
    {
        for (const Section& s : Sections) {
            const QString text = PageText(s.page);
            QVERIFY2(text.contains(QString::fromUtf8(s.heading)), qPrintable(QStringLiteral("%1 not on page %2").arg(QString::fromUtf8(s.heading)).arg(s.page)));
        }
        // The contents list names every section with its page.
        const QString contents = PageText(1);
        for (const Section& s : Sections) {
            if (s.page > 1)
                QVERIFY(contents.contains(QString::fromUtf8(s.heading)));
        }
    }

    void holdsItsPicturesAndNoPlaceholder()
    {
        // The icon, the window, the three grids and the worked example's grid.
        const QStringList images = Run(QStringLiteral("pdfimages"), {"-list", Manual}).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(images.size() - 2, 6);
        QVERIFY(images.at(2).contains(QStringLiteral(" image ")));
        const QString all = Run(QStringLiteral("pdftotext"), {Manual, "-"});
        QVERIFY(!all.contains(QStringLiteral("{{")));
        QVERIFY(all.contains(QStringLiteral("Conferma")));
        QVERIFY(all.contains(QStringLiteral("Controllo")));
    }
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
