// Build step: writes Schema-01.bmp, Schema-02.bmp and Schema-03.bmp into the folder it is given.
#include "GridPicture.h"
#include "Levels.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_grid_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (int number = 1; number <= LevelCount; ++number) {
        const LevelData& level = *FindLevel(number);
        // pictureName starts with "/Dati/"; the file itself goes straight into the output folder.
        const QString name =
            QString::fromLatin1(level.pictureName.data(), static_cast<qsizetype>(level.pictureName.size()))
                .section(QLatin1Char('/'), -1);
        const QString path = folder.filePath(name);
        if (!grid_picture::Draw(level).save(path, "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
