// Laying out a stack of sheets as A4 pages: one puzzle per page, then the answer key, three per page.
#pragma once

class QIODevice;
struct SheetSet;

// Pages the document has: one per sheet, plus one per three solutions when they are asked for.
int PageCount(int sheets, bool solutions);

// Writes the PDF to an open device; false when painting or writing failed.
bool WriteSheets(QIODevice& device, const SheetSet& set, bool solutions);
