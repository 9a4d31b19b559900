// Build step: draws the program's icon, a small grid of white and dark teal cells, as 16-colour PNGs.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <cstdio>

namespace {

constexpr int Columns = 5;
constexpr int Rows = 6;
// Dark teal cells, as a cross-number grid has its blocked cells.
constexpr std::array<std::array<bool, Columns>, Rows> Teal{{
    {false, false, true, false, false},
    {false, true, false, false, true},
    {true, false, false, true, false},
    {false, false, true, false, false},
    {false, true, false, false, true},
    {true, false, false, true, false},
}};

// The classic 16-colour palette: the icon uses white, dark teal and black from it.
QList<QRgb> SixteenColours()
{
    return {qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),   qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0), qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QImage DrawIcon(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const auto line = [size](int k, int count) { return k * (size - 1) / count; };
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const QRect cell(QPoint(line(c, Columns) + 1, line(r, Rows) + 1),
                             QPoint(line(c + 1, Columns) - 1, line(r + 1, Rows) - 1));
            painter.fillRect(cell, Teal[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] ? QColor(0, 128, 128)
                                                                                                   : QColor(Qt::white));
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_Indexed8, SixteenColours(), Qt::ThresholdDither);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    const QString path = folder.filePath(QStringLiteral("quadrivello.png"));
    if (!DrawIcon(32).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
