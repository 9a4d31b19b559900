// Bookmarks and links inside the manual's PDF, added to the file Qt wrote as an incremental update.
#pragma once

#include <QRectF>
#include <QString>

#include <vector>

// A place in the PDF: a page (counted from 0) and a height on it, in points from the page's foot.
struct PdfPlace {
    int page = 0;
    double top = 0;
};

struct PdfBookmark {
    QString title;
    PdfPlace place;
};

// A clickable area of a page, in points from the page's lower-left corner, that leads to a place.
struct PdfLink {
    int page = 0;
    QRectF area;
    PdfPlace to;
};

// Appends to the PDF at `path` an outline with one bookmark per entry, shown when the file opens,
// and the links, keeping every object Qt wrote. Returns what went wrong, or an empty string.
QString AddBookmarksAndLinks(const QString& path, const std::vector<PdfBookmark>& bookmarks,
                             const std::vector<PdfLink>& links);
