// Build step: the Italian manual Dati/Quadrivello.pdf, from its HTML text, the grid pictures and
// pictures of the real windows, laid out by Qt's text engine on A4 pages, with bookmarks and a
// contents list whose page numbers come from the layout.
#include "DrawingFont.h"
#include "make_manual_pdf.h"
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
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <set>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "make_manual: %s\n", qPrintable(message));
    return 1;
}

// Fills every {{name}} of the text with the piece of HTML `value` gives for it; a name it does not
// know is an error, so that a slip in the manual's text stops the build instead of reaching the reader.
bool FillPlaceholders(QString& html, const std::function<std::optional<QString>(const QString&)>& value,
                      QString& unknown)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{([^}]*)\\}\\}"));
    QString filled;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(html)) {
        const std::optional<QString> piece = value(m.captured(1));
        if (!piece) {
            unknown = m.captured(1);
            return false;
        }
        filled += html.mid(from, m.capturedStart() - from) + *piece;
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

// The pages' geometry: the text's part of each page in the writer's pixels, and where a point of
// the laid-out document lands on paper, in PDF's points counted from the page's foot.
struct Pages {
    QSizeF text;        // one page's text, the page number's strip below it left out
    double footer = 0;  // the strip for the page number
    QPointF corner;     // the text's top-left corner on paper, in pixels
    double pointsPerPixel = 0;
    double paperHeight = 0;  // in points

    explicit Pages(const QPdfWriter& writer)
    {
        const QRect paint = writer.pageLayout().paintRectPixels(writer.resolution());
        footer = writer.resolution() * 10 / 25.4;  // 10 mm
        text = QSizeF(paint.width(), paint.height() - footer);
        corner = paint.topLeft();
        pointsPerPixel = 72.0 / writer.resolution();
        paperHeight = writer.pageLayout().fullRectPoints().height();
    }

    int pageOf(double y) const { return static_cast<int>(std::floor(y / text.height())); }

    // A point of the document on a given page, as PDF places it.
    QPointF onPaper(QPointF point, int page) const
    {
        return {(corner.x() + point.x()) * pointsPerPixel,
                paperHeight - (corner.y() + point.y() - page * text.height()) * pointsPerPixel};
    }

    // A place to show: a little above the point, so that a viewer does not put a heading flush
    // against its window's edge.
    PdfPlace place(double y) const { return {pageOf(y), std::min(paperHeight, onPaper({0, y}, pageOf(y)).y() + 12)}; }
};

// A section of the manual: its heading's text and where the heading starts in the document.
struct Section {
    QString title;
    double top = 0;
    int page = 0;  // counted from 0
};

// The text laid out on the writer's pages, every picture it names at hand and each section,
// that is each level-1 heading but the first, starting a new page.
std::unique_ptr<QTextDocument> LayOut(const QString& html, const std::map<QString, QImage>& images, QPdfWriter& writer,
                                      const Pages& pages)
{
    auto document = std::make_unique<QTextDocument>();
    for (const QString& name : PicturesUsed(html))
        document->addResource(QTextDocument::ImageResource, QUrl(name), images.at(name));
    QFont font(DrawingFontFamily());
    font.setPointSizeF(12);
    // No ligatures: "fi" stays two letters, so the text can be searched and copied as written.
    font.setStyleStrategy(QFont::PreferNoShaping);
    document->setDefaultFont(font);
    document->setHtml(CompleteImageSizes(html, images));
    bool first = true;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 1)
            continue;
        if (!first) {
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
        }
        first = false;
    }
    // Laid out for the writer, so that points and pictures take their size on paper.
    document->documentLayout()->setPaintDevice(&writer);
    document->setPageSize(pages.text);
    return document;
}

// Every level-1 heading in the order of the text, where the layout put it.
std::vector<Section> SectionsOf(const QTextDocument& document, const Pages& pages)
{
    std::vector<Section> sections;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1) {
            const double top = document.documentLayout()->blockBoundingRect(block).top();
            sections.push_back({block.text().trimmed(), top, pages.pageOf(top)});
        }
    }
    return sections;
}

// The contents list's rows, for the table the text puts them in: each section with the page it
// starts on, in cells of the class "indice", which the text's style sheet may space.
QString ContentsRows(const std::vector<Section>& listed)
{
    QString rows;
    for (const Section& section : listed)
        rows += QStringLiteral("<tr><td class=\"indice\">%1</td><td class=\"indice\" align=\"right\">pagina "
                               "%2</td></tr>\n")
                    .arg(section.title.toHtmlEscaped())
                    .arg(section.page + 1);
    return rows;
}

// The contents list as laid out: the table whose rows name the listed sections in their order.
QTextTable* FindContentsTable(QTextFrame* frame, const std::vector<Section>& listed)
{
    for (QTextFrame* child : frame->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(child);
        bool same = table != nullptr && table->columns() == 2 && table->rows() == static_cast<int>(listed.size());
        for (int row = 0; same && row < table->rows(); ++row)
            same =
                table->cellAt(row, 0).firstCursorPosition().block().text().trimmed() == listed[std::size_t(row)].title;
        if (same)
            return table;
        if (QTextTable* inside = FindContentsTable(child, listed))
            return inside;
    }
    return nullptr;
}

// Each row of the contents list, title and page number, made a link to its section.
std::vector<PdfLink> ContentsLinks(const QTextDocument& document, const std::vector<Section>& listed,
                                   const Pages& pages)
{
    std::vector<PdfLink> links;
    QTextTable* table = FindContentsTable(document.rootFrame(), listed);
    if (table == nullptr)
        return links;
    for (int row = 0; row < table->rows(); ++row) {
        QRectF area;
        for (int column = 0; column < table->columns(); ++column)
            area |=
                document.documentLayout()->blockBoundingRect(table->cellAt(row, column).firstCursorPosition().block());
        const int page = pages.pageOf(area.top());
        const Section& section = listed[static_cast<std::size_t>(row)];
        links.push_back(
            {page, QRectF(pages.onPaper(area.bottomLeft(), page), pages.onPaper(area.topRight(), page)).normalized(),
             pages.place(section.top)});
    }
    return links;
}

// Paints the laid-out text page by page, with a page number at the foot of each. The pictures go
// into the file as they are, without lossy compression, so the grids keep their sharp lines.
bool WritePdf(QTextDocument& document, QPdfWriter& writer, const Pages& pages)
{
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setFont(document.defaultFont());
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        const QRectF shown(QPointF(0, i * pages.text.height()), pages.text);
        painter.save();
        painter.translate(0, -shown.top());
        document.drawContents(&painter, shown);
        painter.restore();
        painter.drawText(QRectF(0, pages.text.height(), pages.text.width(), pages.footer),
                         Qt::AlignRight | Qt::AlignBottom, QString::number(i + 1));
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
    for (const auto& [name, picture] : window.images) {
        if (picture.isNull())
            return Fail(QStringLiteral("cannot draw %1").arg(name));
    }
    images.merge(window.images);
    std::map<QString, QString>& values = window.values;
    values[QStringLiteral("versione")] = QStringLiteral(QUADRIVELLO_VERSION);
    for (const QString& name : PicturesUsed(html)) {
        if (images.find(name) == images.end())
            return Fail(QStringLiteral("%1 shows %2, which is not one of the manual's pictures").arg(sourcePath, name));
    }

    QPdfWriter writer(outputPath);
    writer.setCreator(QStringLiteral("Quadrivello"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 16, 20, 12),
                                     QPageLayout::Millimeter));
    const Pages pages(writer);

    // The contents list's rows, {{indice}}, name the sections that follow it; {{pagina:TITLE}} is the page
    // the section of that title starts on. Both are known once the text is laid out, so it is laid
    // out again with them until the pages no longer change.
    const qsizetype contentsAt = html.indexOf(QStringLiteral("{{indice}}"));
    const auto before =
        static_cast<std::size_t>(contentsAt < 0 ? 0 : html.left(contentsAt).count(QStringLiteral("<h1")));
    std::vector<Section> sections;  // where the last layout put them
    std::vector<Section> listed;
    std::unique_ptr<QTextDocument> document;
    for (int pass = 0;; ++pass) {
        const std::vector<Section> known = sections;
        listed.assign(known.begin() + static_cast<std::ptrdiff_t>(std::min(before, known.size())), known.end());
        const auto value = [&](const QString& name) -> std::optional<QString> {
            if (name == QStringLiteral("indice"))
                return ContentsRows(listed);
            if (name.startsWith(QStringLiteral("pagina:"))) {
                for (const Section& section : known) {
                    if (section.title == name.mid(7))
                        return QString::number(section.page + 1);
                }
                return pass == 0 ? std::optional<QString>(QStringLiteral("0")) : std::nullopt;
            }
            const auto found = values.find(name);
            return found == values.end() ? std::nullopt : std::optional<QString>(found->second.toHtmlEscaped());
        };
        QString filled = html;
        QString unknown;
        if (!FillPlaceholders(filled, value, unknown))
            return Fail(QStringLiteral("%1 names {{%2}}, which is neither a value the pictures give nor a "
                                       "section's page")
                            .arg(sourcePath, unknown));
        document = LayOut(filled, images, writer, pages);
        sections = SectionsOf(*document, pages);
        const auto samePages = [](const Section& a, const Section& b) {
            return a.title == b.title && a.page == b.page;
        };
        if (pass > 0 && std::equal(sections.begin(), sections.end(), known.begin(), known.end(), samePages))
            break;
        if (pass == 4)
            return Fail(QStringLiteral("the sections' pages in %1 do not settle").arg(sourcePath));
    }

    QDir().mkpath(QFileInfo(outputPath).absolutePath());
    writer.setTitle(document->metaInformation(QTextDocument::DocumentTitle));
    if (!WritePdf(*document, writer, pages))
        return Fail(QStringLiteral("cannot write %1").arg(outputPath));

    // A bookmark for every section, and the rows of the contents list leading to theirs.
    std::vector<PdfBookmark> bookmarks;
    for (const Section& section : sections)
        bookmarks.push_back({section.title, pages.place(section.top)});
    const std::vector<PdfLink> links = ContentsLinks(*document, listed, pages);
    if (contentsAt >= 0 && links.size() != listed.size())
        return Fail(QStringLiteral("the contents list of %1 is not where it was put").arg(sourcePath));
    if (const QString error = AddBookmarksAndLinks(outputPath, bookmarks, links); !error.isEmpty())
        return Fail(QStringLiteral("cannot add bookmarks to %1: %2").arg(outputPath, error));
    return 0;
}
