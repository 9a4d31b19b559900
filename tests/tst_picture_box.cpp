// The grid box's loading: a reload always shows the file as it is now, never an older decoding.
#include "PictureBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPictureBox : public QObject {
    Q_OBJECT
private slots:
    void reloadingShowsTheFileAsItIsNow()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Schema-01.bmp"));
        QImage red(460, 262, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(path, "BMP"));

        PictureBox box;
        QVERIFY(box.loadPicture(path));
        QCOMPARE(box.picture(), red);
        // Drawing is wiped by the next load of the same file.
        box.fillRectangle(30, 26, 45, 46, Qt::white);
        QVERIFY(box.picture() != red);
        QVERIFY(box.loadPicture(path));
        QCOMPARE(box.picture(), red);

        // The same name with other content (and another time stamp) is read again.
        QImage blue(460, 262, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        QVERIFY(blue.save(path, "BMP"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(box.loadPicture(path));
        QCOMPARE(box.picture(), blue);

        // A file that has gone fails to load and leaves the picture as it was.
        QVERIFY(QFile::remove(path));
        QVERIFY(!box.loadPicture(path));
        QCOMPARE(box.picture(), blue);
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picture_box.moc"
