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
        QImage red(460, 262, QImage::Format_RGB32), blue = red;
        red.fill(Qt::red);
        blue.fill(Qt::blue);
        PictureBox box;
        QVERIFY(red.save(path, "BMP") && box.loadPicture(path));
        // Drawing is wiped by the next load of the same file.
        box.fillRectangle(30, 26, 45, 46, Qt::white);
        QVERIFY(box.picture() != red);
        QVERIFY(box.loadPicture(path));
        QCOMPARE(box.picture(), red);

        // The same name with other content (and another time stamp) is read again.
        QFile file(path);
        QVERIFY(blue.save(path, "BMP") && file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(box.loadPicture(path));
        QCOMPARE(box.picture(), blue);

        // A file that has gone fails to load and leaves the picture as it was.
        QVERIFY(QFile::remove(path) && !box.loadPicture(path));
        QCOMPARE(box.picture(), blue);
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picture_box.moc"
