// The .deb: made by CPack from this build, it holds the program, its data, the menu entry and the
// icons; unpacked anywhere, the program started through bin/ finds its pictures and shows its window.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

Result Run(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Result r;
    if (process.waitForFinished(180000) && process.exitStatus() == QProcess::NormalExit)
        r.exitCode = process.exitCode();
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

// Starts the unpacked game on a virtual X display of its own and tells what showed up.
QString StartUnderX(const QString& program)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return Run(QStringLiteral("xvfb-run"),
               {"-a", "-s", "-screen 0 1280x1024x24", "sh", QStringLiteral(QUADRIVELLO_SOURCE_DIR "/tests/start_under_x.sh"),
                program},
               environment)
        .out;
}

}  // namespace

class TestPackage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps", "xvfb-run", "xwininfo"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
        }
        QVERIFY(scratch_.isValid());
        const Result cpack = Run(QStringLiteral(QUADRIVELLO_CPACK), {"-G", "DEB", "--config",
                                 QStringLiteral(QUADRIVELLO_BUILD_DIR "/CPackConfig.cmake"), "-B", scratch_.path()});
        QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.out + cpack.err));
        const QStringList debs = QDir(scratch_.path()).entryList({"*.deb"}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        deb_ = scratch_.filePath(debs.front());
    }

    void holdsProgramDataMenuEntryAndIcons()
    {
        const Result listing = Run(QStringLiteral("dpkg-deb"), {"-c", deb_});
        QCOMPARE(listing.exitCode, 0);
        QStringList expected{
            "./usr/lib/quadrivello/quadrivello",
            "./usr/bin/quadrivello -> ../lib/quadrivello/quadrivello",
            "./usr/lib/quadrivello/Dati/Schema-01.bmp",
            "./usr/lib/quadrivello/Dati/Schema-02.bmp",
            "./usr/lib/quadrivello/Dati/Schema-03.bmp",
            "./usr/lib/quadrivello/Dati/Quadrivello.pdf",
            "./usr/share/applications/quadrivello.desktop",
            "./usr/share/metainfo/quadrivello.metainfo.xml",
            "./usr/share/doc/quadrivello/copyright",
        };
        for (const QString& size : QStringLiteral(QUADRIVELLO_ICON_SIZES).split(u','))
            expected << QStringLiteral("./usr/share/icons/hicolor/%1x%1/apps/quadrivello.png").arg(size);
        for (const QString& entry : expected)
            QVERIFY2(listing.out.contains(u' ' + entry + u'\n'), qPrintable(entry));
    }

    void dependsOnWhatTheProgramLinks()
    {
        const Result fields = Run(QStringLiteral("dpkg-deb"), {"-f", deb_, "Depends", "Recommends"});
        QCOMPARE(fields.exitCode, 0);
        for (const char* package : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libc6", "qt6-qpa-plugins"})
            QVERIFY2(fields.out.contains(QLatin1String(package)), qPrintable(fields.out));
        QVERIFY2(fields.out.contains(QStringLiteral("Recommends: fonts-dejavu-core, fonts-liberation2, xdg-utils")),
                 qPrintable(fields.out));
    }

    void unpackedGameStartsAndFindsItsPictures()
    {
        const QString root = scratch_.filePath(QStringLiteral("root"));
        QCOMPARE(Run(QStringLiteral("dpkg"), {"-x", deb_, root}).exitCode, 0);
        const QString program = root + "/usr/bin/quadrivello";

        const QString shown = StartUnderX(program);
        QVERIFY2(shown.contains(QStringLiteral("window mapped")), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("still running")), qPrintable(shown));
        QVERIFY2(!shown.contains(QStringLiteral("message shown")), qPrintable(shown));

        // Without its data folder the same start shows the missing-picture message: the run above
        // would have seen it.
        QVERIFY(QDir().rename(root + "/usr/lib/quadrivello/Dati", root + "/usr/lib/quadrivello/Dati-altrove"));
        const QString withoutData = StartUnderX(program);
        QVERIFY2(withoutData.contains(QStringLiteral("message shown")), qPrintable(withoutData));
    }

    void desktopFilesAreValid()
    {
        const QString root = scratch_.filePath(QStringLiteral("root"));
        if (!QFile::exists(root))
            QCOMPARE(Run(QStringLiteral("dpkg"), {"-x", deb_, root}).exitCode, 0);
        const QString metainfo = root + "/usr/share/metainfo/quadrivello.metainfo.xml";
        const QString desktop = root + "/usr/share/applications/quadrivello.desktop";
        QFile entry(desktop);
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QByteArray text = entry.readAll();
        QVERIFY(text.contains("\nCategories=Game;LogicGame;Education;\n"));
        QVERIFY(text.contains("\nExec=quadrivello\n"));
        QVERIFY(text.contains("\nIcon=quadrivello\n"));
        if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
            const Result r = Run(QStringLiteral("desktop-file-validate"), {desktop});
            QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
        }
        if (QStandardPaths::findExecutable(QStringLiteral("appstreamcli")).isEmpty())
            QSKIP("appstreamcli is not installed");
        // The game has no domain of its own to build a reverse-domain id from; that one remark is allowed.
        const Result r = Run(QStringLiteral("appstreamcli"),
                             {"validate", "--no-net", "--override=cid-desktopapp-is-not-rdns=info", metainfo});
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    }

private:
    QTemporaryDir scratch_;
    QString deb_;
};

QTEST_MAIN(TestPackage)
#include "tst_package.moc"
