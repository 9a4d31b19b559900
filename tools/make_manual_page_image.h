// A page that a painter for printers and PDF files paints, caught as an image for the manual.
#pragma once

#include <QImage>
#include <QPageLayout>

#include <functional>

class QPagedPaintDevice;

// The first page `paint` paints on a paged device with the layout, at `dotsPerInch`, as an image on
// white paper; a null image when `paint` fails or paints a second page, which this device does not have.
QImage PagePicture(const QPageLayout& layout, int dotsPerInch, const std::function<bool(QPagedPaintDevice&)>& paint);
