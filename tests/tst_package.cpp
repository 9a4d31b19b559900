// The .deb made by CPack from this build: its files and fields, lintian, validators, manual pages, and
// the unpacked game passing the real-window smoke test.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The exit code (-1 if it did not end normally) and all it printed; a game started on X must not take
// the tests' offscreen platform.
std::pair<int, QString> Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(180000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

}  // namespace

class TestPackage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const auto [status, output] =
            Run(QUADRIVELLO_CPACK,
                {"-G", "DEB", "--config", QUADRIVELLO_BUILD_DIR "/CPackConfig.cmake", "-B", scratch_.path()});
        QVERIFY2(status == 0, qPrintable(output));
        const QStringList debs = QDir(scratch_.path()).entryList({"*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        deb_ = scratch_.filePath(debs.front());
        QCOMPARE(Run("dpkg", {"-x", deb_, root_}).first, 0);
    }

    // The game in games/, its manual, every icon size (the other files show in the checks below); the
    // platform plugin the window needs, and a viewer for the manual; the game starts from games/.
    void holdsTheGameIconsAndDependenciesAndStarts()
    {
        const QString listing = Run("dpkg-deb", {"-c", deb_}).second;
        QStringList expected{"games/quadrivello -> ../lib/quadrivello/quadrivello",
                             "lib/quadrivello/Dati/Quadrivello.pdf"};
        for (const QString& size : QStringLiteral(QUADRIVELLO_ICON_SIZES).split(u','))
            expected << QStringLiteral("share/icons/hicolor/%1x%1/apps/quadrivello.png").arg(size);
        for (const QString& entry : expected)
            QVERIFY2(listing.contains(" ./usr/" + entry + "\n"), qPrintable(entry + " not in:\n" + listing));
        const QString fields = Run("dpkg-deb", {"-f", deb_, "Depends", "Recommends"}).second;
        QVERIFY2(fields.contains("qt6-qpa-plugins"), qPrintable(fields));
        QVERIFY2(fields.contains("evince | pdf-viewer"), qPrintable(fields));
        const auto [status, output] =
            Run(QUADRIVELLO_SOURCE_DIR "/tests/smoke/real_window.sh", {root_ + "/usr/games/quadrivello"});
        QVERIFY2(status == 0, qPrintable(output));
    }

    // The menu entries and the software centre's text pass their validators (the game has no domain
    // of its own to build a reverse-domain id from, and that one remark is allowed), and lintian's.
    void desktopFilesAndPackageAreValid()
    {
        const QString entries = root_ + "/usr/share/applications/quadrivello";
        const auto [entryStatus, entryOutput] =
            Run("desktop-file-validate", {entries + ".desktop", entries + "-stampa.desktop"});
        QCOMPARE(entryStatus, 0);
        QVERIFY2(!entryOutput.contains("warning"), qPrintable(entryOutput));
        const auto [streamStatus, streamOutput] =
            Run("appstreamcli", {"validate", "--no-net", "--override=cid-desktopapp-is-not-rdns=info",
                                 root_ + "/usr/share/metainfo/quadrivello.metainfo.xml"});
        QVERIFY2(streamStatus == 0, qPrintable(streamOutput));
        // Without an address from the builder, lintian tells that the maintainer field and the
        // changelog lack one; nothing else.
        const bool noAddress = !Run("dpkg-deb", {"-f", deb_, "Maintainer"}).second.contains(u'@');
        const auto [status, output] = Run("lintian", {"--fail-on", "none", deb_});
        QCOMPARE(status, 0);
        for (const QString& line : output.split(u'\n')) {
            const bool allowed = noAddress && (line.contains(" malformed-contact Maintainer ") ||
                                               line.contains(" bogus-mail-host-in-debian-changelog "));
            QVERIFY2(allowed || !(line.startsWith("E: ") || line.startsWith("W: ")), qPrintable(output));
        }
    }

    void manualPagesShowWithoutWarningsAndListTheOptionsOfHelp()
    {
        // Options at the head of an indented line, as both --help and man show them.
        const auto options = [](const QString& text) {
            QStringList found;
            const QRegularExpression option("^ {1,7}(-[-a-z]+)(?:, (-[-a-z]+))?", QRegularExpression::MultilineOption);
            for (auto matches = option.globalMatch(text); matches.hasNext();)
                found << matches.next().capturedTexts().mid(1);
            return found;
        };
        const QStringList help = options(Run(root_ + "/usr/bin/quadrivello-stampa", {"--help"}).second);
        QVERIFY2(help.contains("--seme"), qPrintable(help.join(' ')));
        for (const QString page :
             {"man6/quadrivello", "man6/quadrivello-stampa", "it/man6/quadrivello", "it/man6/quadrivello-stampa"}) {
            const auto [status, text] =
                Run("man", {"--warnings", "-E", "UTF-8", "-l", root_ + "/usr/share/man/" + page + ".6.gz"});
            QCOMPARE(status, 0);
            QVERIFY2(text.contains("quadrivello"), qPrintable(page + '\n' + text));
            QVERIFY2(!text.contains("warning"), qPrintable(page + '\n' + text));
            if (page.endsWith("stampa"))
                QCOMPARE(options(text.section(QRegularExpression("\n(OPTIONS|OPZIONI)\n"), 1)), help);
        }
    }

private:
    QTemporaryDir scratch_;
    QString deb_, root_ = scratch_.filePath(QStringLiteral("root"));
};

QTEST_MAIN(TestPackage)
#include "tst_package.moc"
