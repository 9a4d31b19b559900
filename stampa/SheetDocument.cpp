// The printed page: title, name line, grid and clues for the pupil; grids with digits and the
// solution lists for the teacher. All measures are in millimetres of an A4 page, painted in dots of
// a 600-dpi page that one scale maps onto the PDF, a printer or the preview alike.
#include "SheetDocument.h"

#include "DrawingFont.h"
#include "PrintedGrid.h"
#include "SheetPuzzles.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int Resolution = 600;  // dots per inch of the page's own coordinates
constexpr double PageWidth = 210.0;
constexpr double PageHeight = 297.0;
constexpr double Margin = 18.0;
constexpr double ContentWidth = PageWidth - 2 * Margin;
constexpr int SolutionsPerPage = 3;

const QColor Ink(0, 0, 0);
const QColor Quiet(90, 90, 90);

double Mm(double millimetres)
{
    return millimetres * Resolution / 25.4;
}

QRectF MmRect(double left, double top, double width, double height)
{
    return QRectF(Mm(left), Mm(top), Mm(width), Mm(height));
}

// Sized in the page's dots rather than in points, which a device would turn into its own pixels
// before the page's scale is applied.
QFont TextFont(double points, bool bold = false)
{
    QFont font(DrawingFontFamily());
    font.setPixelSize(qRound(points * Resolution / 72.0));
    font.setBold(bold);
    return font;
}

// "Livello 2", and the class when it is not the fourth on: "Livello 2 · Classe terza, tabelline fino al 10".
QString LevelName(const SheetSet& set)
{
    const QString level = QStringLiteral("Livello %1").arg(set.level->number());
    const QString year = ClassDescription(set.rules);
    return year.isEmpty() ? level : level + QStringLiteral(" · ") + year;
}

QString Text(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A line of small grey text at the foot of the page, so a stack can be told apart and printed again.
void PaintFooter(QPainter& painter, const QString& text)
{
    painter.setFont(TextFont(8.5));
    painter.setPen(Quiet);
    painter.drawLine(QPointF(Mm(Margin), Mm(PageHeight - 16)), QPointF(Mm(PageWidth - Margin), Mm(PageHeight - 16)));
    painter.drawText(MmRect(Margin, PageHeight - 15, ContentWidth, 6), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.setPen(Ink);
}

// "Nome: ______  Classe: ______  Data: ______", its underscores stretched into writing lines.
void PaintNameLine(QPainter& painter, double top)
{
    const QFont font = TextFont(12);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QString blank = QStringLiteral("______");
    const std::array<std::pair<QString, double>, 3> fields{
        {{QStringLiteral("Nome: "), 68.0}, {QStringLiteral("  Classe: "), 22.0}, {QStringLiteral("  Data: "), 28.0}}};
    double x = Mm(Margin);
    const double baseline = Mm(top) + metrics.ascent();
    for (const auto& [label, lineLength] : fields) {
        painter.drawText(QPointF(x, baseline), label);
        x += metrics.horizontalAdvance(label);
        const double stretch = Mm(lineLength) / metrics.horizontalAdvance(blank);
        painter.save();
        painter.translate(x, baseline);
        painter.scale(stretch, 1.0);
        painter.drawText(QPointF(0, 0), blank);
        painter.restore();
        x += Mm(lineLength);
    }
}

// One column of clues under its heading: the letter in bold, then the clue as the game shows it.
void PaintClueColumn(QPainter& painter, double left, double top, const QString& heading,
                     const std::vector<PuzzleEntry>& entries)
{
    constexpr double LineStep = 10.0;
    painter.setFont(TextFont(13, true));
    painter.drawText(MmRect(left, top, 80, 8), Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.setPen(QPen(Ink, Mm(0.3)));
    painter.drawLine(QPointF(Mm(left), Mm(top + 8.5)), QPointF(Mm(left + 76), Mm(top + 8.5)));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double y = top + 11 + LineStep * static_cast<double>(i);
        painter.setFont(TextFont(14, true));
        painter.drawText(MmRect(left, y, 10, LineStep), Qt::AlignLeft | Qt::AlignVCenter,
                         QString(QChar::fromLatin1(entries[i].entry->letter)));
        painter.setFont(TextFont(14));
        painter.drawText(MmRect(left + 8, y, 68, LineStep), Qt::AlignLeft | Qt::AlignVCenter,
                         Text(entries[i].clue).trimmed());
    }
}

// The clues keep the game's signs, which a pupil used to × and : reads here, the signs in bold.
void PaintSignKey(QPainter& painter, double baseline)
{
    const std::array<std::pair<QString, bool>, 5> runs{{{QStringLiteral("Attenzione ai segni:   "), false},
                                                        {QStringLiteral("*"), true},
                                                        {QStringLiteral("  è «per» (6 * 3 = 18)        "), false},
                                                        {QStringLiteral("/"), true},
                                                        {QStringLiteral("  è «diviso» (18 / 3 = 6)"), false}}};
    double x = Mm(Margin);
    for (const auto& [text, sign] : runs) {
        const QFont font = sign ? TextFont(14, true) : TextFont(11);
        painter.setFont(font);
        painter.drawText(QPointF(x, baseline), text);
        x += QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    }
}

void PaintPuzzlePage(QPainter& painter, const SheetSet& set, int number)
{
    painter.setPen(Ink);
    painter.setFont(TextFont(22, true));
    painter.drawText(MmRect(Margin, 14, ContentWidth, 12), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Quadrivello"));
    painter.setFont(TextFont(16));
    painter.drawText(MmRect(Margin, 14, ContentWidth, 12), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Livello %1").arg(set.level->number()));
    painter.setPen(QPen(Ink, Mm(0.5)));
    painter.drawLine(QPointF(Mm(Margin), Mm(28)), QPointF(Mm(PageWidth - Margin), Mm(28)));
    painter.setPen(Ink);

    PaintNameLine(painter, 34);

    painter.setFont(TextFont(10.5));
    painter.drawText(MmRect(Margin, 43, ContentWidth, 11), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     QStringLiteral("Calcola ogni operazione e scrivi il risultato nella griglia, una cifra per "
                                    "casella, partendo dalla casella con la lettera: gli orizzontali verso destra, "
                                    "i verticali verso il basso."));

    const QRectF grid = GridArea(MmRect(Margin, 58, ContentWidth, 100));
    PaintGrid(painter, *set.level, grid);

    // A class's clues use the schoolbook's signs, which need no key.
    if (set.rules.year == SchoolYear::FourthOn)
        PaintSignKey(painter, grid.bottom() + Mm(6.5));

    const Puzzle& sheet = set.sheets[static_cast<std::size_t>(number - 1)];
    PaintClueColumn(painter, Margin, 169, QStringLiteral("Orizzontali"), sheet.across);
    PaintClueColumn(painter, Margin + ContentWidth / 2 + 6, 169, QStringLiteral("Verticali"), sheet.down);

    PaintFooter(painter, QStringLiteral("Quadrivello · %1 · Scheda %2 di %3 · Seme %4")
                             .arg(LevelName(set))
                             .arg(number)
                             .arg(set.sheets.size())
                             .arg(set.seed));
}

void PaintSolutionList(QPainter& painter, double left, double top, const QString& heading,
                       const std::vector<PuzzleEntry>& entries)
{
    constexpr double LineStep = 6.4;
    painter.setFont(TextFont(10.5, true));
    painter.drawText(MmRect(left, top, 30, 6), Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.setFont(TextFont(11));
    for (std::size_t i = 0; i < entries.size(); ++i)
        painter.drawText(MmRect(left, top + 7 + LineStep * static_cast<double>(i), 30, LineStep),
                         Qt::AlignLeft | Qt::AlignVCenter, Text(SolutionLine(entries[i])));
}

// One answer key in a band of the page: heading, the grid with its digits, and both solution lists.
void PaintSolution(QPainter& painter, const SheetSet& set, int number, double top)
{
    painter.setPen(Ink);
    painter.setFont(TextFont(14, true));
    painter.drawText(MmRect(Margin, top, ContentWidth, 9), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Soluzione della scheda %1").arg(number));
    const Puzzle& sheet = set.sheets[static_cast<std::size_t>(number - 1)];
    PaintGrid(painter, *set.level, GridArea(MmRect(Margin, top + 11, 112, 100)), &sheet);
    PaintSolutionList(painter, Margin + 120, top + 11, QStringLiteral("Orizzontali"), sheet.across);
    PaintSolutionList(painter, Margin + 150, top + 11, QStringLiteral("Verticali"), sheet.down);
}

void PaintSolutionPage(QPainter& painter, const SheetSet& set, std::size_t first, int page, int pages)
{
    constexpr double BandHeight = 87.0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(SolutionsPerPage) && first + k < set.sheets.size(); ++k) {
        const double top = 16 + BandHeight * static_cast<double>(k);
        if (k > 0) {
            QPen dashed(Quiet, Mm(0.25), Qt::DashLine);
            painter.setPen(dashed);
            painter.drawLine(QPointF(Mm(Margin), Mm(top - 6)), QPointF(Mm(PageWidth - Margin), Mm(top - 6)));
        }
        PaintSolution(painter, set, static_cast<int>(first + k) + 1, top);
    }
    PaintFooter(painter, QStringLiteral("Quadrivello · %1 · Soluzioni, pagina %2 di %3 · Seme %4")
                             .arg(LevelName(set))
                             .arg(page)
                             .arg(pages)
                             .arg(set.seed));
}

}  // namespace

QString ClassDescription(const ClassRules& rules)
{
    if (rules.year == SchoolYear::FourthOn)
        return {};
    return QStringLiteral("Classe %1, tabelline fino al %2%3")
        .arg(QString::fromUtf8(YearName(rules.year).data(), static_cast<qsizetype>(YearName(rules.year).size())))
        .arg(rules.tables)
        .arg(rules.division || rules.year == SchoolYear::Second ? QString() : QStringLiteral(", senza divisioni"));
}

int PageCount(int sheets, bool solutions)
{
    return sheets + (solutions ? (sheets + SolutionsPerPage - 1) / SolutionsPerPage : 0);
}

QString DocumentTitle(const SheetSet& set)
{
    return QStringLiteral("Quadrivello · %1 · %2 schede · seme %3")
        .arg(LevelName(set))
        .arg(set.sheets.size())
        .arg(set.seed);
}

bool HasTextFont()
{
    // The boxes come from a stand-in that belongs to no family.
    const QFont font = TextFont(12);
    return !QFontInfo(font).family().isEmpty() && QFontMetricsF(font).inFont(QLatin1Char('Q'));
}

bool PaintSheets(QPagedPaintDevice& device, const SheetSet& set, bool solutions)
{
    // The painter starts at the corner of the printable area, in the device's pixels; the page is
    // laid out from the paper's corner, in its own dots, and a paper smaller than A4 (a printer set
    // to Letter) gets the whole page made smaller, centred across it.
    const QPageLayout layout = device.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    const double fit = qMin(1.0, qMin(paper.width() / PageWidth, paper.height() / PageHeight));
    // Each axis at its own resolution: a printer's dots need not be square.
    const double pixelsPerMmAcross = device.logicalDpiX() / 25.4;
    const double pixelsPerMmDown = device.logicalDpiY() / 25.4;

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int sheets = static_cast<int>(set.sheets.size());
    const int pages = PageCount(sheets, solutions);
    const int solutionPages = pages - sheets;
    const QPageRanges wanted = device.pageRanges();
    bool firstPage = true;
    for (int page = 1; page <= pages; ++page) {
        if (!wanted.isEmpty() && !wanted.contains(page))
            continue;
        if (!firstPage && !device.newPage())
            return false;
        firstPage = false;
        painter.save();
        painter.scale(pixelsPerMmAcross, pixelsPerMmDown);
        painter.translate((paper.width() - PageWidth * fit) / 2 - printable.left(), -printable.top());
        painter.scale(fit * 25.4 / Resolution, fit * 25.4 / Resolution);
        if (page <= sheets) {
            PaintPuzzlePage(painter, set, page);
        } else {
            const int solutionPage = page - sheets;
            PaintSolutionPage(painter, set, static_cast<std::size_t>((solutionPage - 1) * SolutionsPerPage),
                              solutionPage, solutionPages);
        }
        painter.restore();
    }
    return painter.end();
}

bool WriteSheets(QIODevice& device, const SheetSet& set, bool solutions)
{
    QPdfWriter writer(&device);
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(DocumentTitle(set));
    writer.setCreator(QStringLiteral("quadrivello-stampa"));
    return PaintSheets(writer, set, solutions);
}
