// Build step: draws the program's icon, a small grid of white and dark teal cells, as 16-colour PNGs
// in every size a desktop asks for, and as one .ico file that holds them all for Windows.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

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
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// The 32-pixel drawing has one-pixel black lines; larger sizes thicken them in proportion, so
// every size shows the same picture.
QImage DrawIcon(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const int thickness = std::max(1, size / 32);
    // Line k of `count` starts here; the cells lie between the lines.
    const auto line = [size, thickness](int k, int count) { return k * (size - thickness) / count; };
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const QRect cell(QPoint(line(c, Columns) + thickness, line(r, Rows) + thickness),
                             QPoint(line(c + 1, Columns) - 1, line(r + 1, Rows) - 1));
            painter.fillRect(cell, Teal[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] ? QColor(0, 128, 128)
                                                                                                  : QColor(Qt::white));
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_Indexed8, SixteenColours(), Qt::ThresholdDither);
}

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

template <typename T> void Append(QByteArray& out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An .ico file whose images are stored as PNG, as Windows reads them for every size.
QByteArray Ico(const std::vector<QImage>& images)
{
    QByteArray header;
    QByteArray data;
    Append<quint16>(header, 0);  // reserved
    Append<quint16>(header, 1);  // an icon, not a cursor
    Append<quint16>(header, static_cast<quint16>(images.size()));
    const auto firstImage = static_cast<quint32>(6 + 16 * images.size());
    for (const QImage& image : images) {
        const QByteArray png = Png(image);
        // A width or height of 256 is written as 0.
        header.append(static_cast<char>(image.width() & 0xff));
        header.append(static_cast<char>(image.height() & 0xff));
        header.append(static_cast<char>(0));  // colour count: 0 for a true-colour PNG entry
        header.append(static_cast<char>(0));  // reserved
        Append<quint16>(header, 1);           // planes
        Append<quint16>(header, 32);          // bits per pixel
        Append<quint32>(header, static_cast<quint32>(png.size()));
        Append<quint32>(header, firstImage + static_cast<quint32>(data.size()));
        data += png;
    }
    return header + data;
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

// make_icon OUTPUT_FOLDER SIZE...: OUTPUT_FOLDER/quadrivello.png is the 32-pixel icon of the window;
// OUTPUT_FOLDER/hicolor/<N>x<N>/apps/quadrivello.png and OUTPUT_FOLDER/quadrivello.ico hold each size.
int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT_FOLDER [SIZE...]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    if (!Write(folder.filePath(QStringLiteral("quadrivello.png")), Png(DrawIcon(32))))
        return 1;

    std::vector<QImage> sizes;
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size < 16 || size > 256) {
            std::fprintf(stderr, "icon size %s is not between 16 and 256\n", argv[i]);
            return 2;
        }
        sizes.push_back(DrawIcon(size));
        const QString theme = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        folder.mkpath(theme);
        if (!Write(folder.filePath(theme + QStringLiteral("/quadrivello.png")), Png(sizes.back())))
            return 1;
    }
    if (!sizes.empty() && !Write(folder.filePath(QStringLiteral("quadrivello.ico")), Ico(sizes)))
        return 1;
    return 0;
}
