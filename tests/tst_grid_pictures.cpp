// The generated grid pictures: file format, grid lines, cell colours and the letters of every entry.
#include "GridPicture.h"
#include "Levels.h"

#include <QFile>
#include <QImage>
#include <QTest>

class TestGridPictures : public QObject {
    Q_OBJECT
private slots:
    void formatLinesCellsAndLetters()
    {
        using namespace grid_picture;
        for (int n = 1; n <= LevelCount; ++n) {
            QFile file(QStringLiteral(QUADRIVELLO_DATA_DIR "/Schema-0%1.bmp").arg(n));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QByteArray bytes = file.readAll();
            QCOMPARE(bytes.size(), 361614);
            QCOMPARE(int(quint8(bytes[28])), 24);  // bits per pixel; the size leaves no room for compression
            const QImage image = QImage::fromData(bytes);
            QCOMPARE(image.size(), QSize(460, 262));

            for (int x : ColumnLines)
                for (int y = 0; y < Height; y += 7)
                    QCOMPARE(image.pixel(x, y), qRgb(0, 0, 0));
            for (int y : RowLines)
                for (int x = 0; x < Width; x += 7)
                    QCOMPARE(image.pixel(x, y), qRgb(0, 0, 0));
            const CellMap map = MapCells(*FindLevel(n));
            for (int row = 0; row < GridRows; ++row) {
                for (int column = 0; column < GridColumns; ++column) {
                    // The cell between its grid lines.
                    const QRect cell(QPoint(ColumnLines[column] + 1, RowLines[row] + 1),
                                     QPoint(ColumnLines[column + 1] - 1, RowLines[row + 1] - 1));
                    if (!map.open[row][column]) {
                        QCOMPARE(image.pixel(cell.center()), qRgb(153, 102, 204));
                        continue;
                    }
                    // The letter sits in the top-left corner; the digit area below stays white.
                    QCOMPARE(image.pixel(cell.center().x(), cell.bottom() - 3), qRgb(255, 255, 255));
                    int dark = 0;
                    for (int y = cell.top() + 4; y < cell.top() + 24; ++y)
                        for (int x = cell.left() + 2; x < cell.left() + 20; ++x)
                            dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
                    const char letter = map.letter[row][column];
                    QVERIFY2(letter ? dark > 10 : dark == 0,
                             qPrintable(QStringLiteral("level %1 cell %2,%3").arg(n).arg(row).arg(column)));
                }
            }
        }
    }
};

QTEST_MAIN(TestGridPictures)
#include "tst_grid_pictures.moc"
