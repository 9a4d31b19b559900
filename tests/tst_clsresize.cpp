// The scaler on a fake window: screen share and centring, recording, tags, failing controls, the repaint lock.
#include "clsResize.h"

#include <QTest>

#include <array>
#include <set>

namespace {

using P = ControlProperty;
using Values = std::array<double, 4>;  // Left, Top, Width, Height, or X1, Y1, X2, Y2 of a line

struct FakeControl {
    Values values{};
    std::string tag{};
    bool line = false;
    std::set<P> unavailable{}, broken{};  // properties that throw PropertyUnavailable, that fail the control
};

FakeControl Box(double l, double t, double w, double h, std::string tag = {})
{
    return {{l, t, w, h}, std::move(tag)};
}

// A window that keeps its controls' values and counts its sets, and those made while it may
// repaint; any outer size it is given brings a client area 1.5 times as wide and half as high as
// the design's. It comes with its scaler.
struct FakeWindow : ScalableWindow {
    clsResize scaler;
    double clientWidth = 11880, clientHeight = 8190, screenWidth = 15360, screenHeight = 11520;
    bool minimised = false, throwForeign = false;
    std::vector<FakeControl> controls;
    std::vector<OuterBounds> outer;
    int lockDepth = 0, sets = 0, setsUnlocked = 0;

    explicit FakeWindow(std::vector<FakeControl> c) : controls(std::move(c)) { scaler.SourceForm(*this); }
    double ClientWidth() const override { return clientWidth; }
    double ClientHeight() const override { return clientHeight; }
    void SetOuterBounds(const OuterBounds& b) override { outer.push_back(b), clientWidth = 17820, clientHeight = 4095; }
    bool IsMinimised() const override { return minimised; }
    void SuspendRepaint() override { ++lockDepth; }
    void ResumeRepaint() override { --lockDepth; }
    int ControlCount() const override { return int(controls.size()); }
    bool IsLine(int c) const override { return controls.at(c).line; }
    double Property(int c, P p) const override { return controls.at(c).values[slot(c, p)]; }
    void SetProperty(int c, P p, double twips) override
    {
        const std::size_t i = slot(c, p);
        if (throwForeign)
            throw 42;
        ++sets, setsUnlocked += lockDepth == 0;
        controls.at(c).values[i] = twips;
    }
    std::string Tag(int c) const override { return controls.at(c).tag; }
    double ScreenWidth() const override { return screenWidth; }
    double ScreenHeight() const override { return screenHeight; }
    std::size_t slot(int c, P p) const
    {
        if (controls.at(c).unavailable.count(p) != 0 || (p >= P::X1) != controls.at(c).line)
            throw PropertyUnavailable("no such property");
        if (controls.at(c).broken.count(p) != 0)
            throw std::runtime_error("control failed");
        return std::size_t(p) % 4;
    }
};

}  // namespace

class TestClsResize : public QObject {
    Q_OBJECT
private slots:
    // About 800 pixels wide, centred, the layout recorded at the design size before the window
    // changed; a menu item stops nothing. Under 800 pixels the window would overflow the screen, and
    // under 313 pixels 8 bits: it covers the screen instead.
    void sizesTheWindowNearEightHundredPixelsCentredThenScalesFromTheDesignSize()
    {
        const struct {
            int screenWidth, screenHeight;
            Values outer;
        } rows[] = {{1024, 768, {1690, 1267.5, 11980, 8985}},
                    {1920, 1080, {8496, 4779, 11808, 6642}},
                    {800, 600, {0, 0, 12000, 9000}},
                    {799, 600, {0, 0, 11985, 9000}},
                    {300, 200, {0, 0, 4500, 3000}}};
        for (const auto& row : rows) {
            const FakeControl menuItem{.unavailable = {P::Left, P::Top, P::Width, P::Height}};
            FakeWindow w({Box(2520, 480, 6960, 3990), menuItem, {.values = {100, 200, 1000, 2000}, .line = true}});
            w.screenWidth = row.screenWidth * 15, w.screenHeight = row.screenHeight * 15;
            w.scaler.SizeFormToScreen(PercentForScreenWidth(w.screenWidth));
            const OuterBounds& o = w.outer.at(0);
            QCOMPARE((Values{o.Left, o.Top, double(o.Width), double(o.Height)}), row.outer);
            QCOMPARE(w.controls[0].values, (Values{3780, 240, 10440, 1995}));
            QCOMPARE(w.controls[2].values, (Values{150, 100, 1500, 1000}));
            QCOMPARE(w.lockDepth + w.setsUnlocked, 0);
        }
    }

    // The first call only records, a minimised window is left alone; recorded values are whole
    // twips, halves going to the even neighbour; back at the recorded size after calls at odd sizes,
    // every control is where it was.
    void recordsFirstAndAlwaysScalesFromTheRecord()
    {
        FakeWindow w({Box(120, 720, 375, 375), Box(10440, 6600, 1215, 495), Box(3.5, 2.5, 0.5, 1.5)});
        w.clientWidth = 20000;
        w.scaler.ResizeControls();
        w.clientWidth = 40000;
        w.minimised = true;
        w.scaler.ResizeControls();
        QCOMPARE(w.sets, 0);
        w.minimised = false;
        w.scaler.ResizeControls();
        QCOMPARE(w.controls[0].values, (Values{240, 720, 750, 375}));
        QCOMPARE(w.controls[2].values, (Values{8, 2, 0, 2}));
        for (auto [width, height] : {std::pair{13001.0, 5001.0}, {7777.0, 12345.0}, {20000.0, 8190.0}}) {
            w.clientWidth = width, w.clientHeight = height;
            w.scaler.ResizeControls();
        }
        QCOMPARE(w.controls[0].values, (Values{120, 720, 375, 375}));
        QCOMPARE(w.controls[1].values, (Values{10440, 6600, 1215, 495}));
    }

    void tagsChooseWhatIsScaled()
    {
        const std::pair<std::string, Values> rows[] = {{"", {200, 300, 200, 300}},     {"@L,T", {200, 300, 100, 100}},
                                                       {"@lt", {200, 300, 100, 100}},  {"LT", {200, 300, 200, 300}},
                                                       {"x@W", {200, 300, 200, 300}},  {"@", {100, 100, 100, 100}},
                                                       {"@xyz", {100, 100, 100, 100}}, {"@hW", {100, 100, 200, 300}}};
        FakeWindow w({});
        for (const auto& [tag, values] : rows)
            w.controls.push_back(Box(100, 100, 100, 100, tag));
        w.scaler.ReInitialise();
        w.clientWidth *= 2, w.clientHeight *= 3;
        w.scaler.ResizeControls();
        for (int i = 0; i < w.ControlCount(); ++i)
            QVERIFY2(w.controls[i].values == rows[i].second, rows[i].first.c_str());
    }

    void aFailingControlCostsOnlyWhatItMustAndRepaintingAlwaysResumes()
    {
        FakeWindow w(std::vector<FakeControl>(4, Box(100, 100, 100, 100)));
        w.controls[3].broken = {P::Top};  // unreadable when recorded: 0, the others still read
        w.scaler.ReInitialise();
        w.controls[3].broken.clear();
        w.controls[0].unavailable = {P::Width};
        w.controls[1].broken = {P::Top};
        w.clientWidth *= 2, w.clientHeight *= 2;
        w.scaler.ResizeControls();
        QCOMPARE(w.controls[0].values, (Values{200, 200, 100, 200}));  // the others still scaled
        QCOMPARE(w.controls[1].values, (Values{200, 100, 100, 100}));  // abandoned at the failing value
        QCOMPARE(w.controls[2].values, (Values{200, 200, 200, 200}));  // the next control as usual
        QCOMPARE(w.controls[3].values, (Values{200, 0, 200, 200}));
        QCOMPARE(w.lockDepth + w.setsUnlocked, 0);
        // Something the scaler does not handle goes on to the caller, but not with the lock held.
        w.throwForeign = true;
        QVERIFY_THROWS_EXCEPTION(int, w.scaler.ResizeControls());
        QCOMPARE(w.lockDepth, 0);
        // A layout recorded at no size gives no ratio: nothing moves and nothing stays locked.
        FakeWindow zero({Box(100, 100, 100, 100)});
        zero.clientWidth = 0;
        zero.scaler.ReInitialise();
        zero.clientWidth = 11880;
        zero.scaler.ResizeControls();
        zero.scaler.SizeFormToScreen(78);
        QCOMPARE(zero.sets + zero.lockDepth, 0);
    }
};

QTEST_APPLESS_MAIN(TestClsResize)
#include "tst_clsresize.moc"
