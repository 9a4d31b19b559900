// A paged device whose one page is an image. It is a printer, the one paged device Qt lets a program
// give engines of its own (QPrinter::setEngines): a print engine that answers for a sheet of paper
// of the layout, and a paint engine that hands every call it gets on to a painter on the image.
#include "make_manual_page_image.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPrintEngine>
#include <QPrinter>

#include <climits>

namespace {

// What the page's painter does, done again by a painter on the image: the state as it changes,
// then each shape, picture and run of text, in the page's coordinates.
class ForwardingEngine final : public QPaintEngine {
public:
    explicit ForwardingEngine(QImage& image) : QPaintEngine(AllFeatures), image_(image) {}

    bool begin(QPaintDevice*) override { return target_.begin(&image_); }
    bool end() override { return target_.end(); }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags dirty = state.state();
        // The transform first: a clip comes in the coordinates it sets.
        if (dirty & DirtyTransform)
            target_.setTransform(state.transform());
        if (dirty & DirtyPen)
            target_.setPen(state.pen());
        if (dirty & DirtyBrush)
            target_.setBrush(state.brush());
        if (dirty & DirtyBrushOrigin)
            target_.setBrushOrigin(state.brushOrigin());
        if (dirty & DirtyFont)
            target_.setFont(state.font());
        if (dirty & DirtyBackground)
            target_.setBackground(state.backgroundBrush());
        if (dirty & DirtyBackgroundMode)
            target_.setBackgroundMode(state.backgroundMode());
        if (dirty & DirtyClipRegion)
            target_.setClipRegion(state.clipRegion(), state.clipOperation());
        if (dirty & DirtyClipPath)
            target_.setClipPath(state.clipPath(), state.clipOperation());
        if (dirty & DirtyClipEnabled)
            target_.setClipping(state.isClipEnabled());
        if (dirty & DirtyHints)
            target_.setRenderHints(state.renderHints());
        if (dirty & DirtyCompositionMode)
            target_.setCompositionMode(state.compositionMode());
        if (dirty & DirtyOpacity)
            target_.setOpacity(state.opacity());
    }

    void drawPath(const QPainterPath& path) override { target_.drawPath(path); }
    void drawLines(const QLineF* lines, int count) override { target_.drawLines(lines, count); }
    void drawRects(const QRectF* rects, int count) override { target_.drawRects(rects, count); }
    void drawEllipse(const QRectF& rect) override { target_.drawEllipse(rect); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        switch (mode) {
        case PolylineMode: target_.drawPolyline(points, count); break;
        case OddEvenMode: target_.drawPolygon(points, count, Qt::OddEvenFill); break;
        case WindingMode: target_.drawPolygon(points, count, Qt::WindingFill); break;
        case ConvexMode: target_.drawConvexPolygon(points, count); break;
        }
    }
    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override
    {
        target_.drawPixmap(rect, pixmap, source);
    }
    void drawImage(const QRectF& rect, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override
    {
        target_.drawImage(rect, image, source, flags);
    }
    // A run of text in one font, from its baseline.
    void drawTextItem(const QPointF& baseline, const QTextItem& text) override
    {
        target_.save();
        target_.setFont(text.font());
        target_.drawText(baseline, text.text());
        target_.restore();
    }

private:
    QImage& image_;
    QPainter target_;
};

// A sheet of paper of the layout at the resolution, with one page: asked for another, it has none.
class OnePagePrintEngine final : public QPrintEngine {
public:
    OnePagePrintEngine(const QPageLayout& layout, int dotsPerInch) : layout_(layout), dotsPerInch_(dotsPerInch) {}

    void setProperty(PrintEnginePropertyKey, const QVariant&) override {}  // the paper is as it was made
    QVariant property(PrintEnginePropertyKey key) const override
    {
        switch (key) {
        case PPK_QPageLayout: return QVariant::fromValue(layout_);
        case PPK_Resolution: return dotsPerInch_;
        case PPK_FullPage: return layout_.mode() == QPageLayout::FullPageMode;
        default: return {};
        }
    }
    bool newPage() override { return false; }
    bool abort() override { return false; }
    QPrinter::PrinterState printerState() const override { return QPrinter::Idle; }

    int metric(QPaintDevice::PaintDeviceMetric metric) const override
    {
        const QRect pixels = layout_.paintRectPixels(dotsPerInch_);
        const QRectF millimetres = layout_.paintRect(QPageLayout::Millimeter);
        switch (metric) {
        case QPaintDevice::PdmWidth: return pixels.width();
        case QPaintDevice::PdmHeight: return pixels.height();
        case QPaintDevice::PdmWidthMM: return qRound(millimetres.width());
        case QPaintDevice::PdmHeightMM: return qRound(millimetres.height());
        case QPaintDevice::PdmNumColors: return INT_MAX;
        case QPaintDevice::PdmDepth: return 32;
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX:
        case QPaintDevice::PdmPhysicalDpiY: return dotsPerInch_;
        case QPaintDevice::PdmDevicePixelRatio: return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QPageLayout layout_;
    int dotsPerInch_;
};

class ImagePrinter final : public QPrinter {
public:
    ImagePrinter(QImage& image, const QPageLayout& layout, int dotsPerInch)
        : printEngine_(layout, dotsPerInch), paintEngine_(image)
    {
        setEngines(&printEngine_, &paintEngine_);
    }

private:
    OnePagePrintEngine printEngine_;
    ForwardingEngine paintEngine_;
};

}  // namespace

QImage PagePicture(const QPageLayout& layout, int dotsPerInch, const std::function<bool(QPagedPaintDevice&)>& paint)
{
    QImage image(layout.paintRectPixels(dotsPerInch).size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    image.fill(Qt::white);
    ImagePrinter printer(image, layout, dotsPerInch);
    return paint(printer) ? image : QImage();
}
