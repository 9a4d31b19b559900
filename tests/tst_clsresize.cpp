// The scaler on a fake window: screen share and centring, recording, tags, failing controls, the repaint lock.
#include "clsResize.h"

#include <QTest>

#include <array>
#include <map>
#include <set>

namespace {

using P = ControlProperty;

struct FakeControl {
    bool line = false;
    std::array<double, 4> values{};  // Left, Top, Width, Height, or X1, Y1, X2, Y2 of a line
    std::string tag;
    std::set<P> unavailable;         // properties that throw PropertyUnavailable
    std::set<P> broken;              // properties whose use makes the whole control fail
};

// A window that keeps its controls' values and counts every set and every repaint lock.
class FakeWindow : public ScalableWindow {
public:
    double clientWidth = 11880, clientHeight = 8190;
    double screenWidth = 15360, screenHeight = 11520;
    bool minimised = false;
    std::vector<FakeControl> controls;
    std::vector<OuterBounds> outer;
    int lockDepth = 0, locks = 0, sets = 0, setsUnlocked = 0;
    bool throwForeign = false;  // a set throws something that is no std::exception
    double sizedWidth = 0, sizedHeight = 0;  // the client size the outer size brings, if set

    double ClientWidth() const override { return clientWidth; }
    double ClientHeight() const override { return clientHeight; }
    void SetOuterBounds(const OuterBounds& bounds) override
    {
        outer.push_back(bounds);
        if (sizedWidth > 0) {
            clientWidth = sizedWidth;
            clientHeight = sizedHeight;
        }
    }
    bool IsMinimised() const override { return minimised; }
    void SuspendRepaint() override
    {
        ++lockDepth;
        ++locks;
    }
    void ResumeRepaint() override { --lockDepth; }
    int ControlCount() const override { return static_cast<int>(controls.size()); }
    bool IsLine(int c) const override { return at(c).line; }
    double Property(int c, P p) const override
    {
        check(at(c), p);
        return at(c).values[slot(at(c), p)];
    }
    void SetProperty(int c, P p, double twips) override
    {
        check(at(c), p);
        if (throwForeign)
            throw 42;
        ++sets;
        if (lockDepth == 0)
            ++setsUnlocked;
        at(c).values[slot(at(c), p)] = twips;
    }
    std::string Tag(int c) const override { return at(c).tag; }
    double ScreenWidth() const override { return screenWidth; }
    double ScreenHeight() const override { return screenHeight; }

    std::array<double, 4>& values(int c) { return at(c).values; }

private:
    FakeControl& at(int c) { return controls.at(static_cast<std::size_t>(c)); }
    const FakeControl& at(int c) const { return controls.at(static_cast<std::size_t>(c)); }
    static void check(const FakeControl& c, P p)
    {
        if (c.unavailable.count(p) != 0)
            throw PropertyUnavailable("no such property");
        if (c.broken.count(p) != 0)
            throw std::runtime_error("control failed");
    }
    static std::size_t slot(const FakeControl& c, P p)
    {
        const bool lineProperty = p == P::X1 || p == P::Y1 || p == P::X2 || p == P::Y2;
        if (lineProperty != c.line)
            throw PropertyUnavailable("wrong kind of control");
        return static_cast<std::size_t>(p) % 4;
    }
};

FakeControl Box(double l, double t, double w, double h, std::string tag = {})
{
    FakeControl c;
    c.values = {l, t, w, h};
    c.tag = std::move(tag);
    return c;
}

FakeControl MenuItem()
{
    FakeControl c;
    c.unavailable = {P::Left, P::Top, P::Width, P::Height};
    return c;
}

using Values = std::array<double, 4>;

}  // namespace

class TestClsResize : public QObject {
    Q_OBJECT
private slots:
    void percentKeepsTheWindowNearEightHundredPixelsAndOnTheScreen()
    {
        QCOMPARE(PercentForScreenWidth(1024 * 15), std::uint8_t(78));
        QCOMPARE(PercentForScreenWidth(1280 * 15), std::uint8_t(62));
        QCOMPARE(PercentForScreenWidth(1920 * 15), std::uint8_t(41));
        QCOMPARE(PercentForScreenWidth(800 * 15), std::uint8_t(100));
        // Narrower screens would make the window larger than the screen, and under 313 pixels
        // overflow 8 bits: the window covers the screen instead.
        QCOMPARE(PercentForScreenWidth(799 * 15), std::uint8_t(100));
        QCOMPARE(PercentForScreenWidth(640 * 15), std::uint8_t(100));
        QCOMPARE(PercentForScreenWidth(300 * 15), std::uint8_t(100));
        QCOMPARE(PercentForScreenWidth(0), std::uint8_t(100));
    }

    void sizesAndCentresTheWindowThenScalesFromTheDesignSize()
    {
        FakeWindow w;
        w.controls = {Box(2520, 480, 6960, 3990), MenuItem()};
        FakeControl line;
        line.line = true;
        line.values = {100, 200, 1000, 2000};
        w.controls.push_back(line);
        clsResize r;
        QVERIFY(r.SourceForm() == nullptr);
        r.SourceForm(w);
        QCOMPARE(r.SourceForm(), &w);
        QCOMPARE(w.sets, 0);  // giving the window records and moves nothing

        const std::uint8_t percent = PercentForScreenWidth(w.screenWidth);
        QCOMPARE(percent, std::uint8_t(78));
        w.sizedWidth = 11880 * 1.5;
        w.sizedHeight = 8190 * 0.5;
        r.SizeFormToScreen(percent);
        QCOMPARE(w.outer.size(), std::size_t(1));
        QCOMPARE(w.outer[0].Height, 8985);
        QCOMPARE(w.outer[0].Width, 11980);
        QCOMPARE(w.outer[0].Top, 1267.5f);
        QCOMPARE(w.outer[0].Left, 1690.0f);
        // The layout was recorded at the design size, before the window changed.
        QCOMPARE(w.values(0), (Values{3780, 240, 10440, 1995}));
        QCOMPARE(w.values(2), (Values{150, 100, 1500, 1000}));
        QCOMPARE(w.values(1), (Values{0, 0, 0, 0}));
        QCOMPARE(w.lockDepth, 0);
        QCOMPARE(w.setsUnlocked, 0);

        FakeWindow exact;
        exact.screenWidth = 12000;
        exact.screenHeight = 9000;
        exact.controls = {Box(0, 0, 100, 100)};
        clsResize full;
        full.SourceForm(exact);
        full.SizeFormToScreen(PercentForScreenWidth(exact.screenWidth));
        QCOMPARE(exact.outer.size(), std::size_t(1));
        QCOMPARE(exact.outer[0].Left, 0.0f);
        QCOMPARE(exact.outer[0].Top, 0.0f);
        QCOMPARE(exact.outer[0].Width, 12000);
        QCOMPARE(exact.outer[0].Height, 9000);
    }

    void recordsFirstAndAlwaysScalesFromTheRecord()
    {
        FakeWindow w;
        w.controls = {Box(120, 720, 375, 375), Box(10440, 6600, 1215, 495), Box(3.5, 2.5, 0.5, 1.5)};
        clsResize r;
        r.SourceForm(w);
        w.clientWidth = 20000;
        r.ResizeControls();  // no record yet: this call only records
        QCOMPARE(w.sets, 0);
        QCOMPARE(w.locks, 0);

        // Recorded values are whole twips, halves going to the even neighbour.
        w.clientWidth = 40000;
        w.clientHeight = 8190;
        r.ResizeControls();
        QCOMPARE(w.values(2), (Values{8, 2, 0, 2}));
        QCOMPARE(w.values(0), (Values{240, 720, 750, 375}));

        // Many calls at odd sizes leave no trace: back at the recorded size every control is where
        // it was, to the twip.
        for (double width : {13001.0, 7777.0, 29999.0, 11880.0 * 1.1, 11880.0 * 1.1}) {
            w.clientWidth = width;
            w.clientHeight = width * 0.61;
            r.ResizeControls();
        }
        w.clientWidth = 20000;
        w.clientHeight = 8190;
        r.ResizeControls();
        QCOMPARE(w.values(0), (Values{120, 720, 375, 375}));
        QCOMPARE(w.values(1), (Values{10440, 6600, 1215, 495}));

        // ReInitialise takes the present layout as the new reference.
        w.values(1) = {1000, 1000, 1000, 1000};
        r.ReInitialise();
        w.clientWidth = 40000;
        r.ResizeControls();
        QCOMPARE(w.values(1), (Values{2000, 1000, 2000, 1000}));
        QCOMPARE(w.lockDepth, 0);
        QCOMPARE(w.setsUnlocked, 0);
    }

    void minimisedWindowAndWindowWithoutControlsAreLeftAlone()
    {
        FakeWindow w;
        w.controls = {Box(100, 100, 100, 100)};
        clsResize r;
        r.SourceForm(w);
        r.ReInitialise();
        w.minimised = true;
        w.clientWidth *= 2;
        r.ResizeControls();
        QCOMPARE(w.sets, 0);
        QCOMPARE(w.locks, 0);
        w.minimised = false;
        r.ResizeControls();
        QCOMPARE(w.values(0), (Values{200, 100, 200, 100}));

        FakeWindow empty;
        clsResize none;
        none.SourceForm(empty);
        none.SizeFormToScreen(50);
        QCOMPARE(empty.outer.size(), std::size_t(1));
        QCOMPARE(empty.locks, 0);

        clsResize windowless;  // nothing to scale: every operation does nothing
        windowless.SizeFormToScreen(78);
        windowless.ResizeControls();
        windowless.ReInitialise();
    }

    void tagsChooseWhatIsScaled()
    {
        FakeWindow w;
        const std::map<std::string, Values> expected{
            {"", {200, 300, 200, 300}},        // no tag: all four
            {"@L,T", {200, 300, 100, 100}},    // moved, size kept
            {"@lt", {200, 300, 100, 100}},     // lower case counts too
            {"LT", {200, 300, 200, 300}},      // no "@": all four
            {"x@W", {200, 300, 200, 300}},     // "@" not first: all four
            {"@", {100, 100, 100, 100}},       // "@" alone: left where it is
            {"@xyz", {100, 100, 100, 100}},    // none of the four letters
            {"@hW", {100, 100, 200, 300}},     // letters anywhere, any order
        };
        std::vector<std::string> tags;
        for (const auto& [tag, values] : expected) {
            tags.push_back(tag);
            w.controls.push_back(Box(100, 100, 100, 100, tag));
        }
        clsResize r;
        r.SourceForm(w);
        r.ReInitialise();
        w.clientWidth *= 2;
        w.clientHeight *= 3;
        r.ResizeControls();
        for (std::size_t i = 0; i < tags.size(); ++i)
            QVERIFY2(w.values(static_cast<int>(i)) == expected.at(tags[i]), tags[i].c_str());
    }

    void aFailingPropertyCostsOnlyWhatItMust()
    {
        FakeWindow w;
        FakeControl noWidth = Box(100, 100, 100, 100);
        FakeControl brokenTop = Box(100, 100, 100, 100);
        w.controls = {noWidth, brokenTop, Box(100, 100, 100, 100), MenuItem()};
        clsResize r;
        r.SourceForm(w);
        r.ReInitialise();
        // Properties that fail only after the layout was recorded.
        w.controls[0].unavailable = {P::Width};
        w.controls[1].broken = {P::Top};
        w.clientWidth *= 2;
        w.clientHeight *= 2;
        r.ResizeControls();
        QCOMPARE(w.values(0), (Values{200, 200, 100, 200}));  // the others still scaled
        QCOMPARE(w.values(1), (Values{200, 100, 100, 100}));  // abandoned at the failing value
        QCOMPARE(w.values(2), (Values{200, 200, 200, 200}));  // the next control as usual
        QCOMPARE(w.lockDepth, 0);

        // A value that cannot be read is recorded as 0, and the others are still read.
        FakeWindow unreadable;
        unreadable.controls = {Box(100, 100, 100, 100)};
        unreadable.controls[0].broken = {P::Top};
        clsResize second;
        second.SourceForm(unreadable);
        second.ReInitialise();
        unreadable.controls[0].broken.clear();
        second.ResizeControls();
        QCOMPARE(unreadable.values(0), (Values{100, 0, 100, 100}));
    }

    void repaintingResumesOnEveryPath()
    {
        FakeWindow w;
        w.controls = {Box(100, 100, 100, 100)};
        clsResize r;
        r.SourceForm(w);
        r.ReInitialise();
        r.ResizeControls();
        QCOMPARE(w.locks, 1);
        QCOMPARE(w.lockDepth, 0);

        // Something the scaler does not handle goes on to the caller, but not with the lock held.
        w.throwForeign = true;
        bool thrown = false;
        try {
            r.ResizeControls();
        } catch (int) {
            thrown = true;
        }
        QVERIFY(thrown);
        QCOMPARE(w.locks, 2);
        QCOMPARE(w.lockDepth, 0);

        // A layout recorded at no size gives no ratio: nothing moves and nothing stays locked.
        FakeWindow zero;
        zero.clientWidth = 0;
        zero.controls = {Box(100, 100, 100, 100)};
        clsResize z;
        z.SourceForm(zero);
        z.ReInitialise();
        zero.clientWidth = 11880;
        z.ResizeControls();
        z.SizeFormToScreen(78);
        QCOMPARE(zero.sets, 0);
        QCOMPARE(zero.lockDepth, 0);
        QCOMPARE(zero.values(0), (Values{100, 100, 100, 100}));
    }
};

QTEST_APPLESS_MAIN(TestClsResize)
#include "tst_clsresize.moc"
