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

// Keeps its controls' values, counts those set while it may repaint; any outer size gives a 1.5 × 0.5 client.
struct FakeWindow : ScalableWindow {
    clsResize scaler;
    double clientWidth = 11880, clientHeight = 8190, screenWidth = 15360, screenHeight = 11520;
    bool minimised = false;
    std::vector<FakeControl> controls;
    std::vector<OuterBounds> outer;
    int lockDepth = 0, setsUnlocked = 0;

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
        controls.at(c).values[slot(c, p)] = twips;
        setsUnlocked += lockDepth == 0;
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
    // About 800 pixels wide and centred (the whole screen if narrower), the layout recorded at the design
    // size and scaled from it; a menu item stops nothing, a line's end points scale too.
    void sizesTheWindowNearEightHundredPixelsCentredThenScalesFromTheDesignSize()
    {
        const std::pair<int, Values> rows[] = {
            {1024, {1690, 1267.5, 11980, 8985}}, {800, {0, 0, 12000, 9000}}, {300, {0, 0, 4500, 3375}}};
        for (const auto& [screenWidth, outer] : rows) {
            const FakeControl menuItem{.unavailable = {P::Left, P::Top, P::Width, P::Height}};
            FakeWindow w({{{2520, 480, 6960, 3990}}, menuItem, {.values = {100, 200, 1000, 2000}, .line = true}});
            w.screenWidth = screenWidth * 15, w.screenHeight = screenWidth * 11.25;
            w.scaler.SizeFormToScreen(PercentForScreenWidth(w.screenWidth));
            const OuterBounds& o = w.outer.at(0);
            QCOMPARE((Values{o.Left, o.Top, double(o.Width), double(o.Height)}), outer);
            QCOMPARE(w.controls[0].values, (Values{3780, 240, 10440, 1995}));
            QCOMPARE(w.controls[2].values, (Values{150, 100, 1500, 1000}));
            QCOMPARE(w.lockDepth + w.setsUnlocked, 0);
        }
    }

    // The first call only records, a minimised window is left alone, records are whole twips (halves
    // to even); at the recorded size again after odd sizes, every control is where it was.
    void recordsFirstAndAlwaysScalesFromTheRecord()
    {
        FakeWindow w({{{120, 720, 375, 375}}, {{3.5, 2.5, 0.5, 1.5}}});
        w.clientWidth = 20000;
        w.scaler.ResizeControls();
        w.clientWidth = 40000, w.minimised = true;
        w.scaler.ResizeControls();
        QCOMPARE(w.controls[0].values, (Values{120, 720, 375, 375}));
        w.minimised = false;
        w.scaler.ResizeControls();
        QCOMPARE(w.controls[0].values, (Values{240, 720, 750, 375}));
        QCOMPARE(w.controls[1].values, (Values{8, 2, 0, 2}));
        for (auto [width, height] : {std::pair{13001.0, 5001.0}, {7777.0, 12345.0}, {20000.0, 8190.0}}) {
            w.clientWidth = width, w.clientHeight = height;
            w.scaler.ResizeControls();
        }
        QCOMPARE(w.controls[0].values, (Values{120, 720, 375, 375}));
    }

    // A property a control lacks is skipped, any other failure abandons only that control, a value
    // unreadable when recorded is 0; repainting always resumes. An "@" tag names what is scaled, in
    // either case; any other tag scales all four.
    void aFailingControlCostsOnlyWhatItMustAndTagsChooseWhatIsScaled()
    {
        FakeWindow w(std::vector<FakeControl>(4, {{100, 100, 100, 100}}));
        w.controls.push_back({{100, 100, 100, 100}, "@lH"});
        w.controls.push_back({{100, 100, 100, 100}, "LT"});
        w.controls[3].broken = {P::Top};
        w.scaler.ReInitialise();
        w.controls[3].broken.clear();
        w.controls[0].unavailable = {P::Width};
        w.controls[1].broken = {P::Top};
        w.clientWidth *= 2, w.clientHeight *= 2;
        w.scaler.ResizeControls();
        QCOMPARE(w.controls[0].values, (Values{200, 200, 100, 200}));
        QCOMPARE(w.controls[1].values, (Values{200, 100, 100, 100}));
        QCOMPARE(w.controls[2].values, (Values{200, 200, 200, 200}));
        QCOMPARE(w.controls[3].values, (Values{200, 0, 200, 200}));
        QCOMPARE(w.controls[4].values, (Values{200, 100, 100, 200}));
        QCOMPARE(w.controls[5].values, (Values{200, 200, 200, 200}));
        QCOMPARE(w.lockDepth + w.setsUnlocked, 0);
    }
};

QTEST_APPLESS_MAIN(TestClsResize)
#include "tst_clsresize.moc"
