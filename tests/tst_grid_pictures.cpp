// The generated grid pictures: file format, grid lines, cell colours and the letters of every entry.
#include "GridPicture.h"
#include "Levels.h"

#include <QFile>
#include <QImage>
#include <QTest>

namespace {

QString PicturePath(int level)
{
    return QStringLiteral(QUADRIVELLO_DATA_DIR "/Schema-0%1.bmp").arg(level);
}

bool IsDark(QRgb p)
{
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}

// Inner pixel box of a cell, between its grid lines.
QRect Interior(int column, int row)
{
    using namespace grid_picture;
    return QRect(QPoint(ColumnLines[column] + 1, RowLines[row] + 1), QPoint(ColumnLines[column + 1] - 1, RowLines[row + 1] - 1));
}

}  // namespace

class TestGridPictures : public QObject {
    Q_OBJECT
private slots:
    void filesAreUncompressed24BitBitmaps()
    {
        for (int n = 1; n <= LevelCount; ++n) {
            QFile file(PicturePath(n));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QByteArray bytes = file.readAll();
            QCOMPARE(bytes.size(), 361614);
            QCOMPARE(bytes.left(2), QByteArray("BM"));
            QCOMPARE(int(quint8(bytes[28])), 24);  // bits per pixel
            QCOMPARE(int(quint8(bytes[30])), 0);   // no compression
            const QImage image(PicturePath(n));
            QCOMPARE(image.size(), QSize(460, 262));
        }
    }

    void linesCellsAndLetters()
    {
        using namespace grid_picture;
        for (int n = 1; n <= LevelCount; ++n) {
            const QImage image(PicturePath(n));
            const CellMap map = MapCells(*FindLevel(n));
            for (int x : ColumnLines)
                for (int y = 0; y < Height; y += 7)
                    QCOMPARE(image.pixel(x, y), qRgb(0, 0, 0));
            for (int y : RowLines)
                for (int x = 0; x < Width; x += 7)
                    QCOMPARE(image.pixel(x, y), qRgb(0, 0, 0));
            for (int row = 0; row < GridRows; ++row) {
                for (int column = 0; column < GridColumns; ++column) {
                    const QRect cell = Interior(column, row);
                    const QPoint lowerMiddle(cell.center().x(), cell.bottom() - 3);
                    if (!map.open[row][column]) {
                        QCOMPARE(image.pixel(cell.center()), qRgb(153, 102, 204));
                        continue;
                    }
                    // The digit area stays white: the letter sits in the top-left corner.
                    QCOMPARE(image.pixel(lowerMiddle), qRgb(255, 255, 255));
                    int dark = 0;
                    for (int y = cell.top() + 4; y < cell.top() + 24; ++y)
                        for (int x = cell.left() + 2; x < cell.left() + 20; ++x)
                            dark += IsDark(image.pixel(x, y)) ? 1 : 0;
                    if (map.letter[row][column] != '\0')
                        QVERIFY2(dark > 10, qPrintable(QStringLiteral("level %1 letter %2").arg(n).arg(map.letter[row][column])));
                    else
                        QCOMPARE(dark, 0);
                }
            }
        }
    }
};

QTEST_MAIN(TestGridPictures)
#include "tst_grid_pictures.moc"
