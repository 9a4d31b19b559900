// Build step: the Italian manual Dati/Quadrivello.pdf, from its HTML text, the grid pictures and
// pictures of the real game window, laid out by Qt's text engine on A4 pages.
#include "DrawingFont.h"
#include "make_manual_pictures.h"
#include "Version.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>
#include <set>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "make_manual: %s\n", qPrintable(message));
    return 1;
}

// Fills every {{name}} of the text from the worked example; a name it does not know is an error,
// so a slip in the manual's text stops the build instead of reaching the reader.
bool FillPlaceholders(QString& html, const std::map<QString, QString>& values, QString& unknown)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{([^}]*)\\}\\}"));
    QString filled;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(html)) {
        const auto value = values.find(m.captured(1));
        if (value == values.end()) {
            unknown = m.captured(1);
            return false;
        }
        filled += html.mid(from, m.capturedStart() - from) + value->second.toHtmlEscaped();
        from = m.capturedEnd();
    }
    html = filled + html.mid(from);
    return true;
}

// The picture file names the text shows.
std::set<QString> PicturesUsed(const QString& html)
{
    static const QRegularExpression image(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]+)\""));
    std::set<QString> names;
    for (const QRegularExpressionMatch& m : image.globalMatch(html))
        names.insert(m.captured(1));
    return names;
}

// Gives every picture that the text sizes by its width alone the height that keeps its shape: the
// text engine would otherwise keep the picture's own height for its line.
QString CompleteImageSizes(const QString& html, const std::map<QString, QImage>& images)
{
    static const QRegularExpression tag(QStringLiteral("<img[^>]*>"));
    static const QRegularExpression src(QStringLiteral("\\ssrc=\"([^\"]+)\""));
    static const QRegularExpression width(QStringLiteral("\\swidth=\"(\\d+)\""));
    QString sized;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        QString img = m.captured(0);
        const QRegularExpressionMatch name = src.match(img);
        const QRegularExpressionMatch w = width.match(img);
        const auto picture = name.hasMatch() ? images.find(name.captured(1)) : images.end();
        if (w.hasMatch() && !img.contains(QStringLiteral(" height=")) && picture != images.end()) {
            const QSize size = picture->second.deviceIndependentSize().toSize();
            const int height = qRound(w.captured(1).toDouble() * size.height() / size.width());
            img.insert(img.size() - 1, QStringLiteral(" height=\"%1\"").arg(height));
        }
        sized += html.mid(from, m.capturedStart() - from) + img;
        from = m.capturedEnd();
    }
    return sized + html.mid(from);
}

// Lays the text out on A4 pages with a page number at the foot of each. The pictures go into the
// file as they are, without lossy compression, so the grids keep their sharp lines.
bool WritePdf(QTextDocument& document, const QString& path)
{
    QPdfWriter writer(path);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Quadrivello"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 16, 20, 12),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::LosslessImageRendering);
    // Laid out for the writer, so that points and pictures take their size on paper.
    document.documentLayout()->setPaintDevice(&writer);
    const QSizeF area = writer.pageLayout().paintRectPixels(writer.resolution()).size();
    const qreal footer = writer.resolution() * 10 / 25.4;  // 10 mm for the page number
    const QSizeF page(area.width(), area.height() - footer);
    document.setPageSize(page);
    painter.setFont(document.defaultFont());
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        const QRectF shown(QPointF(0, i * page.height()), page);
        painter.save();
        painter.translate(0, -shown.top());
        document.drawContents(&painter, shown);
        painter.restore();
        painter.drawText(QRectF(0, page.height(), area.width(), footer), Qt::AlignRight | Qt::AlignBottom,
                         QString::number(i + 1));
    }
    return painter.end();
}

}  // namespace

// make_manual SOURCE.html APPLICATION_FOLDER OUTPUT.pdf
int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_manual SOURCE.html APPLICATION_FOLDER OUTPUT.pdf\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window is drawn at twice its size, so that it stays sharp on paper.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    const QDir applicationFolder(QString::fromLocal8Bit(argv[2]));
    const QString outputPath = QString::fromLocal8Bit(argv[3]);

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1").arg(sourcePath));
    QString html = QString::fromUtf8(source.readAll());

    // The grid pictures of the three levels, as the game loads them.
    std::map<QString, QImage> images;
    for (const char* name : {"Schema-01.bmp", "Schema-02.bmp", "Schema-03.bmp"}) {
        const QString path = applicationFolder.filePath(QStringLiteral("Dati/") + QLatin1String(name));
        QImage picture(path);
        if (picture.isNull())
            return Fail(QStringLiteral("cannot read %1").arg(path));
        images[QLatin1String(name)] = picture;
    }
    // The icon, enlarged by whole pixels so it stays the same small drawing.
    const QImage icon(QStringLiteral(":/icons/quadrivello.png"));
    if (icon.isNull())
        return Fail(QStringLiteral("the icon is not built into the program"));
    images[QStringLiteral("icona.png")] = icon.scaled(icon.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    ManualPictures window = RenderManualPictures(applicationFolder.path());
    images.merge(window.images);
    window.values[QStringLiteral("versione")] = QStringLiteral(QUADRIVELLO_VERSION);

    QString unknown;
    if (!FillPlaceholders(html, window.values, unknown))
        return Fail(QStringLiteral("%1 names {{%2}}, which the worked example does not have").arg(sourcePath, unknown));

    QTextDocument document;
    for (const QString& name : PicturesUsed(html)) {
        const auto picture = images.find(name);
        if (picture == images.end())
            return Fail(QStringLiteral("%1 shows %2, which is not one of the manual's pictures").arg(sourcePath, name));
        document.addResource(QTextDocument::ImageResource, QUrl(name), picture->second);
    }
    QFont font(DrawingFontFamily());
    font.setPointSizeF(12);
    // No ligatures: "fi" stays two letters, so the text can be searched and copied as written.
    font.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(font);
    document.setHtml(CompleteImageSizes(html, images));

    QDir().mkpath(QFileInfo(outputPath).absolutePath());
    if (!WritePdf(document, outputPath))
        return Fail(QStringLiteral("cannot write %1").arg(outputPath));
    return 0;
}
