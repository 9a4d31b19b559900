// The .deb: made by CPack from this build, it holds the program, its data, the menu entry and the
// icons; unpacked anywhere, the program started through bin/ finds its pictures and shows its window.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The exit code (-1 when it did not end normally) and everything the program printed. The game
// started under xvfb-run must pick the X display, not the tests' offscreen platform.
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
        for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps", "xvfb-run", "xwininfo", "dbus-run-session"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(tool)));
        }
        const auto [status, output] =
            Run(QUADRIVELLO_CPACK,
                {"-G", "DEB", "--config", QUADRIVELLO_BUILD_DIR "/CPackConfig.cmake", "-B", scratch_.path()});
        QVERIFY2(status == 0, qPrintable(output));
        const QStringList debs = QDir(scratch_.path()).entryList({"*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        deb_ = scratch_.filePath(debs.front());
        QCOMPARE(Run("dpkg", {"-x", deb_, root_}).first, 0);
    }

    void holdsProgramDataMenuEntryIconsAndDependencies()
    {
        const QString listing = Run("dpkg-deb", {"-c", deb_}).second;
        QStringList expected{"usr/bin/quadrivello -> ../lib/quadrivello/quadrivello", "usr/lib/quadrivello/quadrivello",
                             "usr/share/applications/quadrivello.desktop", "usr/share/doc/quadrivello/copyright",
                             "usr/share/metainfo/quadrivello.metainfo.xml"};
        for (const char* data : {"Schema-01.bmp", "Schema-02.bmp", "Schema-03.bmp", "Quadrivello.pdf"})
            expected << QStringLiteral("usr/lib/quadrivello/Dati/") + data;
        for (const QString& size : QStringLiteral(QUADRIVELLO_ICON_SIZES).split(u','))
            expected << QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/quadrivello.png").arg(size);
        for (const QString& entry : expected)
            QVERIFY2(listing.contains(" ./" + entry + "\n"), qPrintable(entry + " not in:\n" + listing));

        const QString fields = Run("dpkg-deb", {"-f", deb_, "Depends", "Recommends"}).second;
        for (const char* package : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libc6", "qt6-qpa-plugins",
                                    "Recommends: fonts-dejavu-core, fonts-liberation2, xdg-utils"})
            QVERIFY2(fields.contains(package), qPrintable(fields));
    }

    void unpackedGameStartsAndFindsItsPictures()
    {
        // A virtual X display and a session bus of its own, as on a desktop; the script tells what showed up.
        const auto startUnderX = [this] {
            return Run("xvfb-run", {"-a", "-s", "-screen 0 1280x1024x24", "dbus-run-session", "--", "sh",
                                    QUADRIVELLO_SOURCE_DIR "/tests/start_under_x.sh", root_ + "/usr/bin/quadrivello"})
                .second;
        };
        const QString shown = startUnderX();
        QVERIFY2(shown.contains("window mapped") && shown.contains("still running"), qPrintable(shown));
        QVERIFY2(!shown.contains("message shown"), qPrintable(shown));
        // Without its data folder the same start shows the missing-picture message: the run above would
        // have seen it.
        const QString data = root_ + "/usr/lib/quadrivello/Dati";
        QVERIFY(QDir().rename(data, data + "-altrove"));
        const QString withoutData = startUnderX();
        QVERIFY2(withoutData.contains("message shown"), qPrintable(withoutData));
    }

    void desktopFilesAreValid()
    {
        QFile entry(root_ + "/usr/share/applications/quadrivello.desktop");
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray text = entry.readAll();
        for (const char* line :
             {"\nCategories=Game;LogicGame;Education;\n", "\nExec=quadrivello\n", "\nIcon=quadrivello\n"})
            QVERIFY2(text.contains(line), line);
        if (QStandardPaths::findExecutable("appstreamcli").isEmpty())
            QSKIP("appstreamcli is not installed");
        // The game has no domain of its own to build a reverse-domain id from; that one remark is allowed.
        const auto [status, output] =
            Run("appstreamcli", {"validate", "--no-net", "--override=cid-desktopapp-is-not-rdns=info",
                                 root_ + "/usr/share/metainfo/quadrivello.metainfo.xml"});
        QVERIFY2(status == 0, qPrintable(output));
    }

private:
    QTemporaryDir scratch_;
    QString deb_, root_ = scratch_.filePath(QStringLiteral("root"));
};

QTEST_MAIN(TestPackage)
#include "tst_package.moc"
