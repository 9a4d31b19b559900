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
        const Level& level = GetLevel(number);
        const QString path = folder.filePath(QString::fromUtf8(level.pictureFile()));
        if (!grid_picture::Draw(level).save(path, "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
