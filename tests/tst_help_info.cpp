// "Help" and "Info": the manual reaches the desktop as one file URL, or silently not at all; the
// information box has its lines and separators in order.
#include "Form1.h"
#include "MessageBoxCatcher.h"
#include "Version.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
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

int VisibleWindows()
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->isVisible() ? 1 : 0;
    return count;
}

}  // namespace

class TestHelpInfo : public QObject {
    Q_OBJECT
private slots:
    void helpHandsTheManualToTheDesktop_data()
    {
        QTest::addColumn<QString>("folderName");
        QTest::newRow("plain") << QStringLiteral("gioco");
        // A shell would split, expand or run parts of this; a URL carries it whole.
        QTest::newRow("awkward") << QStringLiteral("Gioco \"di\" l'alunno $(touch preso) `touch preso` àèìòù #1 %20 ;&");
    }

    void helpHandsTheManualToTheDesktop()
    {
        QFETCH(QString, folderName);
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(folderName);
        QVERIFY(QDir().mkpath(folder + "/Dati"));
        const QString manual = folder + "/Dati/Quadrivello.pdf";
        QVERIFY(QFile::copy(AppDir + "/Dati/Quadrivello.pdf", manual));

        DesktopCatcher desktop;
        Form1 form(folder);
        form.window().show();
        const int windows = VisibleWindows();
        form.mnuHelp_Click();
        QCOMPARE(desktop.urls.size(), 1);
        const QUrl url = desktop.urls.front();
        QCOMPARE(url, QUrl::fromLocalFile(manual));
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("file"));
        QVERIFY(!url.hasQuery());
        QVERIFY(!url.hasFragment());
        QCOMPARE(url.toLocalFile(), manual);
        QVERIFY(QFile::exists(url.toLocalFile()));
        // The game did not wait and shows nothing of its own.
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(VisibleWindows(), windows);
        QVERIFY(!QFile::exists(scratch.filePath("preso")));
        QVERIFY(!QFile::exists(QDir::current().filePath("preso")));
    }

    void helpWithoutTheManualShowsNothing()
    {
        // The grid pictures are there, the manual is not.
        QTemporaryDir empty;
        QVERIFY(QDir().mkpath(empty.filePath("Dati")));
        for (const char* picture : {"/Dati/Schema-01.bmp", "/Dati/Schema-02.bmp", "/Dati/Schema-03.bmp"})
            QVERIFY(QFile::copy(AppDir + picture, empty.path() + picture));
        DesktopCatcher desktop;
        MessageBoxCatcher boxes;
        Form1 form(empty.path());
        form.window().show();
        const int windows = VisibleWindows();
        form.mnuHelp_Click();
        QTest::qWait(50);
        QVERIFY(desktop.urls.isEmpty());
        QVERIFY(boxes.caught.empty());
        QCOMPARE(VisibleWindows(), windows);
        // A second try, and one with no data folder at all, end the same way.
        Form1 nowhere(empty.filePath("manca"));
        nowhere.mnuHelp_Click();
        form.mnuHelp_Click();
        QVERIFY(desktop.urls.isEmpty());
    }

    void infoTextHasItsLinesInOrder()
    {
        const QString text = InformationText();
        QString separators;
        for (QChar c : text) {
            if (c == u'\n' || c == u'\r')
                separators += c;
        }
        QCOMPARE(separators, QStringLiteral("\n\r\n\r\n\r\n\r\n\r"));
        const QStringList paragraphs = text.split(QStringLiteral("\n\r\n\r"));
        QCOMPARE(paragraphs.size(), 3);
        const QStringList terms = paragraphs[2].split(QStringLiteral("\n\r"));
        QCOMPARE(terms.size(), 2);
        const QString author = paragraphs[0];
        const QString contact = paragraphs[1];
        for (const QString& line : {author, contact, terms[0], terms[1]})
            QVERIFY2(!line.trimmed().isEmpty() && line == line.trimmed(), qPrintable(line));
        QVERIFY(author.startsWith(QStringLiteral("Quadrivello")));
        QVERIFY(author.contains(QStringLiteral(QUADRIVELLO_VERSION)));
        QVERIFY(!contact.contains(u'@'));
        QVERIFY(!contact.contains(QStringLiteral("http")));
        // The notice names the licence that the LICENSE file holds.
        QVERIFY(terms[0].contains(QStringLiteral("MIT")));
        QVERIFY(terms[0].contains(QStringLiteral("LICENSE")));
        QFile license(QStringLiteral(QUADRIVELLO_SOURCE_DIR "/LICENSE"));
        QVERIFY(license.open(QIODevice::ReadOnly));
        QVERIFY(license.readLine().startsWith("MIT License"));
    }

    void infoShowsTheBox()
    {
        Form1 form(AppDir);
        MessageBoxCatcher boxes;
        form.window().menuAction("mnuInfo1")->trigger();
        QCOMPARE(boxes.caught.size(), std::size_t(1));
        const MessageBoxCatcher::Caught& box = boxes.caught.front();
        QCOMPARE(box.title, QStringLiteral("Quadrivello1"));
        QVERIFY(!box.hasIcon);
        QVERIFY(box.okOnly);
        const QStringList paragraphs = InformationText().split(QStringLiteral("\n\r\n\r"));
        QCOMPARE(box.text, paragraphs[0] + "\n\n" + paragraphs[1] + "\n\n" + QString(paragraphs[2]).replace("\n\r", "\n"));
    }
};

QTEST_MAIN(TestHelpInfo)
#include "tst_help_info.moc"
