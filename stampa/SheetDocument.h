// Laying out a stack of sheets as A4 pages: one puzzle per page, then the answer key, three per page.
#pragma once

class QIODevice;
class QPagedPaintDevice;
class QString;
struct ClassRules;
struct SheetSet;

// Pages the document has: one per sheet, plus one per three solutions when they are asked for.
int PageCount(int sheets, bool solutions);

// The class and its options as a footer says them, so that a sheet tells how to print it again:
// "Classe terza, tabelline fino al 7, senza divisioni"; empty from the fourth class on.
QString ClassDescription(const ClassRules& rules);

// The document's name, for the PDF's title and a printer's job list.
QString DocumentTitle(const SheetSet& set);

// Whether a font can be loaded for the page's text. Without any (a system stripped of its fonts) Qt
// draws every letter as a black box. Needs a QGuiApplication.
bool HasTextFont();

// Paints the pages on a device no painter is active on: a PDF writer, a printer or a print preview.
// The same A4 page comes out on each whatever its resolution, scaled down to fit a smaller paper;
// when the device has page ranges (a print dialog's "pages 1-4"), only those pages are painted.
// False when painting failed.
bool PaintSheets(QPagedPaintDevice& device, const SheetSet& set, bool solutions);

// Writes the PDF to an open device; false when painting or writing failed.
bool WriteSheets(QIODevice& device, const SheetSet& set, bool solutions);
