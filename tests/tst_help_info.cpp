// "Help" and "Info": the manual reaches the desktop as one file URL, or silently not at all; the
// information box has its lines and separators in order.
#include "Form1.h"
#include "MessageBoxCatcher.h"
#include "Version.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

const QString AppDir = QStringLiteral(QUADRIVELLO_APP_DIR);

// Stands in for the desktop: keeps every file URL the game asks it to open.
class DesktopCatcher : public QObject {
    Q_OBJECT
public:
    DesktopCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~DesktopCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

}  // namespace

class TestHelpInfo : public QObject {
    Q_OBJECT
private slots:
    void help_data()
    {
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<bool>("withManual");
        QTest::newRow("plain") << QStringLiteral("gioco") << true;
        // A shell would split, expand or run parts of this; a URL carries it whole.
        QTest::newRow("awkward") << QStringLiteral("Gioco \"di\" l'alunno $(touch preso) `touch preso` àèìòù #1 %20 ;&")
                                 << true;
        QTest::newRow("no manual") << QStringLiteral("gioco") << false;
    }

    void help()
    {
        QFETCH(QString, folderName);
        QFETCH(bool, withManual);
        QTemporaryDir scratch;
        const QString data = scratch.filePath(folderName) + "/Dati/", manual = data + "Quadrivello.pdf";
        QVERIFY(QDir().mkpath(data));
        // The grid pictures are there, so the window has nothing to complain about.
        for (const char* picture : {"Schema-01.bmp", "Schema-02.bmp", "Schema-03.bmp"})
            QVERIFY(QFile::copy(AppDir + "/Dati/" + picture, data + picture));
        QVERIFY(!withManual || QFile::copy(AppDir + "/Dati/Quadrivello.pdf", manual));
        const auto visibleWindows = [] {
            const QWidgetList all = QApplication::topLevelWidgets();
            return std::count_if(all.begin(), all.end(), [](QWidget* w) { return w->isVisible(); });
        };
        DesktopCatcher desktop;
        MessageBoxCatcher boxes;
        Form1 form(scratch.filePath(folderName));
        form.window().show();
        const auto windows = visibleWindows();
        form.mnuHelp_Click();
        QTest::qWait(50);
        QCOMPARE(desktop.urls, withManual ? QList<QUrl>{QUrl::fromLocalFile(manual)} : QList<QUrl>());
        // The game did not wait, showed nothing of its own and ran nothing.
        QVERIFY(boxes.caught.empty());
        QCOMPARE(visibleWindows(), windows);
        QVERIFY(!QFile::exists(scratch.filePath("preso")) && !QFile::exists("preso"));
    }

    void infoTextHasItsLinesInOrder()
    {
        // Author with version; a contact that invents no address; two lines of terms naming the licence.
        const QString line = QStringLiteral("(\\S[^\\n\\r]*\\S)");
        const auto shape =
            QRegularExpression("^" + line + "\n\r\n\r" + line + "\n\r\n\r" + line + "\n\r" + line + "\\z")
                .match(InformationText());
        QVERIFY2(shape.hasMatch(), qPrintable(InformationText()));
        QVERIFY(shape.captured(1).startsWith("Quadrivello") && shape.captured(1).contains(QUADRIVELLO_VERSION));
        QVERIFY(!shape.captured(2).contains(u'@') && !shape.captured(2).contains("http"));
        QVERIFY(shape.captured(3).contains("MIT") && shape.captured(3).contains("LICENSE"));
        QFile license(QStringLiteral(QUADRIVELLO_SOURCE_DIR "/LICENSE"));
        QVERIFY(license.open(QIODevice::ReadOnly) && license.readLine().startsWith("MIT License"));
    }

    void infoShowsTheBox()
    {
        Form1 form(AppDir);
        MessageBoxCatcher boxes;
        form.window().menuAction("mnuInfo1")->trigger();
        QCOMPARE(boxes.caught.size(), std::size_t(1));
        const MessageBoxCatcher::Caught& box = boxes.caught.front();
        QCOMPARE(box.title, QStringLiteral("Quadrivello1"));
        QVERIFY(!box.hasIcon && box.okOnly);
        QCOMPARE(box.text, QString(InformationText()).replace("\n\r", "\n"));
    }
};

QTEST_MAIN(TestHelpInfo)
#include "tst_help_info.moc"
