// Bookmarks and links for the PDF Qt's writer made, which has no way to add either: a few objects
// appended after its end, a cross-reference section for them and a trailer that points back at the
// old one, as PDF's incremental updates allow. What Qt wrote stays byte for byte.
#include "make_manual_pdf.h"

#include <QFile>
#include <QRegularExpression>

#include <map>
#include <optional>

namespace {

// White-space separated words from a place in the file: enough to read a cross-reference table.
class Words {
public:
    Words(const QByteArray& bytes, qsizetype from) : bytes_(bytes), at_(from) {}

    QByteArray next()
    {
        while (at_ < bytes_.size() && IsSpace(bytes_[at_]))
            ++at_;
        const qsizetype start = at_;
        while (at_ < bytes_.size() && !IsSpace(bytes_[at_]))
            ++at_;
        return bytes_.mid(start, at_ - start);
    }

    qsizetype position() const { return at_; }

private:
    static bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

    const QByteArray& bytes_;
    qsizetype at_;
};

struct Ref {
    int number = 0;
    int generation = 0;
};

QByteArray RefText(Ref ref)
{
    return QByteArray::number(ref.number) + ' ' + QByteArray::number(ref.generation) + " R";
}

// A PDF as Qt writes it: one cross-reference table, found through the last "startxref".
struct PdfFile {
    QByteArray bytes;
    qint64 table = 0;
    std::map<int, qint64> offsets;  // of each object in use
    QByteArray trailer;             // the trailer's dictionary
};

QString Read(const QString& path, PdfFile& pdf)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read it");
    pdf.bytes = file.readAll();
    const qsizetype mark = pdf.bytes.lastIndexOf("startxref");
    if (mark < 0)
        return QStringLiteral("it has no startxref");
    bool ok = false;
    pdf.table = Words(pdf.bytes, mark + 9).next().toLongLong(&ok);
    Words table(pdf.bytes, pdf.table);
    if (!ok || pdf.table >= pdf.bytes.size() || table.next() != "xref")
        return QStringLiteral("its cross-reference is not a table where startxref says");
    for (QByteArray word = table.next(); word != "trailer"; word = table.next()) {
        bool counted = false;
        const int first = word.toInt(&ok);
        const int count = table.next().toInt(&counted);
        if (!ok || !counted)
            return QStringLiteral("its cross-reference table cannot be read");
        for (int i = 0; i < count; ++i) {
            const qint64 offset = table.next().toLongLong();
            table.next();  // the generation, which the object's own heading repeats
            if (table.next() == "n")
                pdf.offsets[first + i] = offset;
        }
    }
    const qsizetype end = pdf.bytes.indexOf("startxref", table.position());
    pdf.trailer = pdf.bytes.mid(table.position(), end - table.position()).trimmed();
    // An earlier update would hide objects from the one table read here.
    if (pdf.trailer.contains("/Prev"))
        return QStringLiteral("it has been updated before");
    return {};
}

// What an object holds between "obj" and "endobj": only dictionaries and arrays, never streams.
std::optional<QByteArray> Body(const PdfFile& pdf, Ref ref)
{
    const auto at = pdf.offsets.find(ref.number);
    if (at == pdf.offsets.end())
        return std::nullopt;
    Words heading(pdf.bytes, at->second);
    if (heading.next().toInt() != ref.number || heading.next().toInt() != ref.generation || heading.next() != "obj")
        return std::nullopt;
    const qsizetype end = pdf.bytes.indexOf("endobj", heading.position());
    const QByteArray body = pdf.bytes.mid(heading.position(), end - heading.position()).trimmed();
    if (end < 0 || body.contains("stream"))
        return std::nullopt;
    return body;
}

// The reference a dictionary gives for a key, as "/Root 2 0 R".
std::optional<Ref> RefOf(const QByteArray& dictionary, const QString& key)
{
    const QRegularExpression entry(QStringLiteral("/%1\\s+(\\d+)\\s+(\\d+)\\s+R").arg(key));
    const QRegularExpressionMatch m = entry.match(QString::fromLatin1(dictionary));
    if (!m.hasMatch())
        return std::nullopt;
    return Ref{m.captured(1).toInt(), m.captured(2).toInt()};
}

// Every "n g R" in a piece of text, such as an array.
std::vector<Ref> RefsIn(const QByteArray& text)
{
    static const QRegularExpression ref(QStringLiteral("(\\d+)\\s+(\\d+)\\s+R"));
    std::vector<Ref> refs;
    for (const QRegularExpressionMatch& m : ref.globalMatch(QString::fromLatin1(text)))
        refs.push_back({m.captured(1).toInt(), m.captured(2).toInt()});
    return refs;
}

// A dictionary without the keys given (each with a reference, an array or a name as value), then
// with `entries` before its end.
QByteArray Rewritten(const QByteArray& dictionary, const QStringList& keys, const QByteArray& entries)
{
    QString text = QString::fromLatin1(dictionary);
    for (const QString& key : keys)
        text.remove(QRegularExpression(QStringLiteral("/%1\\s*(\\[[^\\]]*\\]|\\d+\\s+\\d+\\s+R|/\\w+)").arg(key)));
    const qsizetype end = text.lastIndexOf(QStringLiteral(">>"));
    return (text.left(end) + QLatin1Char(' ') + QString::fromLatin1(entries) + QStringLiteral("\n>>")).toLatin1();
}

// A text string as PDF wants it for any language: UTF-16 with its byte-order mark, in hexadecimal.
QByteArray TextString(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

QByteArray Number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

}  // namespace

QString AddBookmarksAndLinks(const QString& path, const std::vector<PdfBookmark>& bookmarks,
                             const std::vector<PdfLink>& links)
{
    PdfFile pdf;
    if (const QString error = Read(path, pdf); !error.isEmpty())
        return error;
    const auto root = RefOf(pdf.trailer, QStringLiteral("Root"));
    const auto catalog = root ? Body(pdf, *root) : std::nullopt;
    const auto pagesRef = catalog ? RefOf(*catalog, QStringLiteral("Pages")) : std::nullopt;
    const auto pageTree = pagesRef ? Body(pdf, *pagesRef) : std::nullopt;
    static const QRegularExpression kids(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
    const QRegularExpressionMatch kidList = kids.match(QString::fromLatin1(pageTree.value_or("")));
    if (!kidList.hasMatch())
        return QStringLiteral("its catalog or page tree cannot be read");
    // Qt lists every page in the one page tree node.
    const std::vector<Ref> pages = RefsIn(kidList.captured(1).toLatin1());

    bool sized = false;
    static const QRegularExpression sizeEntry(QStringLiteral("/Size\\s+(\\d+)"));
    int next = sizeEntry.match(QString::fromLatin1(pdf.trailer)).captured(1).toInt(&sized);
    if (!sized)
        return QStringLiteral("its trailer has no size");

    QByteArray update = pdf.bytes.endsWith('\n') ? QByteArray() : QByteArray("\n");
    std::map<int, std::pair<qint64, int>> written;  // offset and generation of each object written
    const auto write = [&](Ref ref, const QByteArray& body) {
        written[ref.number] = {pdf.bytes.size() + update.size(), ref.generation};
        update +=
            QByteArray::number(ref.number) + ' ' + QByteArray::number(ref.generation) + " obj\n" + body + "\nendobj\n";
    };
    std::optional<QString> badPage;
    const auto destination = [&](const PdfPlace& place) {
        if (place.page < 0 || place.page >= static_cast<int>(pages.size())) {
            badPage = QStringLiteral("it has no page %1").arg(place.page + 1);
            return QByteArray("[]");
        }
        return "[" + RefText(pages[static_cast<std::size_t>(place.page)]) + " /XYZ null " + Number(place.top) +
               " null]";
    };

    // The outline: a root and its items in a row, each leading to its place.
    if (!bookmarks.empty()) {
        const Ref outline{next++, 0};
        const int first = next;
        next += static_cast<int>(bookmarks.size());
        const int last = next - 1;
        write(outline, "<< /Type /Outlines /First " + RefText({first, 0}) + " /Last " + RefText({last, 0}) +
                           " /Count " + QByteArray::number(static_cast<int>(bookmarks.size())) + " >>");
        for (int i = first; i <= last; ++i) {
            const PdfBookmark& bookmark = bookmarks[static_cast<std::size_t>(i - first)];
            QByteArray item = "<< /Title " + TextString(bookmark.title) + " /Parent " + RefText(outline);
            if (i > first)
                item += " /Prev " + RefText({i - 1, 0});
            if (i < last)
                item += " /Next " + RefText({i + 1, 0});
            write({i, 0}, item + " /Dest " + destination(bookmark.place) + " >>");
        }
        // The viewer opens with the bookmarks shown.
        write(*root, Rewritten(*catalog, {QStringLiteral("Outlines"), QStringLiteral("PageMode")},
                               "/Outlines " + RefText(outline) + " /PageMode /UseOutlines"));
    }

    // The links, page by page, after the annotations a page already has.
    std::map<int, QByteArray> annotations;
    for (const PdfLink& link : links) {
        const Ref annotation{next++, 0};
        const QRectF a = link.area;
        write(annotation, "<< /Type /Annot /Subtype /Link /Rect [" + Number(a.left()) + ' ' + Number(a.top()) + ' ' +
                              Number(a.right()) + ' ' + Number(a.bottom()) + "] /Border [0 0 0] /Dest " +
                              destination(link.to) + " >>");
        annotations[link.page] += ' ' + RefText(annotation);
        if (link.page < 0 || link.page >= static_cast<int>(pages.size()))
            badPage = QStringLiteral("it has no page %1").arg(link.page + 1);
    }
    if (badPage)
        return *badPage;
    for (const auto& [page, added] : annotations) {
        const Ref ref = pages[static_cast<std::size_t>(page)];
        const auto body = Body(pdf, ref);
        if (!body)
            return QStringLiteral("its page %1 cannot be read").arg(page + 1);
        QByteArray kept;
        if (const auto list = RefOf(*body, QStringLiteral("Annots")))
            kept = Body(pdf, *list).value_or("");
        else
            kept = QRegularExpression(QStringLiteral("/Annots\\s*(\\[[^\\]]*\\])"))
                       .match(QString::fromLatin1(*body))
                       .captured(1)
                       .toLatin1();
        QByteArray all;
        for (const Ref& old : RefsIn(kept))
            all += ' ' + RefText(old);
        write(ref, Rewritten(*body, {QStringLiteral("Annots")}, "/Annots [" + all + added + " ]"));
    }

    // The new cross-reference section, one subsection per run of consecutive numbers.
    const qint64 table = pdf.bytes.size() + update.size();
    update += "xref\n";
    for (auto run = written.begin(); run != written.end();) {
        auto end = run;
        int count = 0;
        while (end != written.end() && end->first == run->first + count) {
            ++end;
            ++count;
        }
        update += QByteArray::number(run->first) + ' ' + QByteArray::number(count) + '\n';
        for (; run != end; ++run)
            update += QByteArray::number(run->second.first).rightJustified(10, '0') + ' ' +
                      QByteArray::number(run->second.second).rightJustified(5, '0') + " n \n";
    }
    QByteArray trailer = "<< /Size " + QByteArray::number(next) + " /Root " + RefText(*root);
    if (const auto info = RefOf(pdf.trailer, QStringLiteral("Info")))
        trailer += " /Info " + RefText(*info);
    static const QRegularExpression id(QStringLiteral("/ID\\s*\\[[^\\]]*\\]"));
    trailer += ' ' + id.match(QString::fromLatin1(pdf.trailer)).captured(0).toLatin1();
    update += "trailer\n" + trailer + " /Prev " + QByteArray::number(pdf.table) + " >>\nstartxref\n" +
              QByteArray::number(table) + "\n%%EOF\n";

    QFile file(path);
    if (!file.open(QIODevice::Append) || file.write(update) != update.size() || !file.flush())
        return QStringLiteral("cannot add to it");
    return {};
}
