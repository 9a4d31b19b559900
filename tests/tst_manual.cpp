// The built manual: an A4 PDF of the planned pages, each section on its page and in the contents list,
// every picture in it and every placeholder of the worked example filled.
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// What a poppler tool prints about the manual, or why it failed.
QString Poppler(const char* tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(tool, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void manualAsBuilt()
    {
        for (const char* tool : {"pdfinfo", "pdftotext", "pdfimages"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP("the PDF tools of poppler-utils are not installed");
        }
        const QString manual = QStringLiteral(QUADRIVELLO_DATA_DIR "/Quadrivello.pdf");
        const QString info = Poppler("pdfinfo", {manual});
        QVERIFY2(info.contains("PDF version") && info.contains("595 x 842 pts (A4)"), qPrintable(info));

        // Each section starts on its planned page and the contents list on page 1 names it; pdftotext ends
        // every page with a form feed.
        const QStringList pages = Poppler("pdftotext", {manual, "-"}).split(u'\f');
        const char* sections[] = {
            "Che cos’è Quadrivello", "La finestra del gioco", "Come si gioca",   "Le quattro operazioni",
            "I tre livelli",         "Un esempio svolto",     "Menu e pulsanti", "Per insegnanti e genitori",
            "Schede da stampare"};
        QCOMPARE(pages.size(), 9 + 1);
        for (int page = 1; page <= 9; ++page) {
            const QString heading = QString::fromUtf8(sections[page - 1]);
            QVERIFY2(pages[page - 1].contains(heading) && pages[0].contains(heading), qPrintable(heading));
        }
        const QString all = pages.join(QString());
        QVERIFY(!all.contains("{{") && all.contains("Conferma") && all.contains("Controllo"));

        // The icon, both windows, the three grids and the worked example's grid, under two lines of header.
        QCOMPARE(Poppler("pdfimages", {"-list", manual}).split(u'\n', Qt::SkipEmptyParts).size(), 2 + 7);
    }
};

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
