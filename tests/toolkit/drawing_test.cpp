// Drawing contexts, offscreen surfaces and bitmaps on the headless back end, pixel by pixel.
#include "toolkit/bitmap.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/platform/device.h"

#include "headless_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace toolkit {
namespace {

using ::testing::_;

using testing::kGreen;

// Owns a context through its creator's reference.
struct Offscreen {
    explicit Offscreen(std::int32_t width = 20, std::int32_t height = 20)
        : context(new COffscreenContext(nullptr, width, height)) {}
    ~Offscreen() { context->forget(); }
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;

    CColor at(std::int32_t h, std::int32_t v) const {
        return context->getSystemContext()->pixel({h, v});
    }
    bool painted(std::int32_t h, std::int32_t v) const { return at(h, v) != kColorBlack; }
    COffscreenContext* context;
};

bool samePixels(const Offscreen& a, const Offscreen& b, const CRect& area) {
    for (std::int32_t v = area.top; v < area.bottom; ++v) {
        for (std::int32_t h = area.left; h < area.right; ++h) {
            if (a.at(h, v) != b.at(h, v)) {
                return false;
            }
        }
    }
    return true;
}

TEST(OffscreenContext, StartsBlackEverywhere) {
    Offscreen surface(7, 5);
    for (std::int32_t v = 0; v < 5; ++v) {
        for (std::int32_t h = 0; h < 7; ++h) {
            EXPECT_EQ(surface.at(h, v), kColorBlack) << h << "," << v;
        }
    }
    EXPECT_EQ(surface.context->getClipRect(), CRect(0, 0, 7, 5));
}

TEST(DrawContext, FillAndOutlineCoverTheRectangleBetweenThem) {
    Offscreen fill;
    fill.context->setFillColor(kColorWhite);
    fill.context->fillRect(CRect(0, 0, 10, 10));
    Offscreen outline;
    outline.context->setFrameColor(kColorWhite);
    outline.context->drawRect(CRect(0, 0, 10, 10));

    for (std::int32_t v = 0; v <= 10; ++v) {
        for (std::int32_t h = 0; h <= 10; ++h) {
            const bool inside = h < 10 && v < 10;
            const bool border = inside && (h == 0 || h == 9 || v == 0 || v == 9);
            EXPECT_EQ(fill.painted(h, v), inside && h >= 1 && v >= 1) << h << "," << v;
            EXPECT_EQ(outline.painted(h, v), border) << h << "," << v;
        }
    }
}

TEST(DrawContext, LinesLeaveOutTheirEndPixel) {
    Offscreen surface;
    surface.context->setFrameColor(kColorWhite);
    surface.context->moveTo({2, 2});
    surface.context->lineTo({7, 2});
    surface.context->moveTo({0, 10});
    surface.context->lineTo({4, 14});

    for (std::int32_t h = 2; h < 7; ++h) {
        EXPECT_TRUE(surface.painted(h, 2)) << h;
    }
    EXPECT_FALSE(surface.painted(7, 2));
    EXPECT_FALSE(surface.painted(1, 2));
    for (std::int32_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(surface.painted(i, 10 + i)) << i;
    }
    EXPECT_FALSE(surface.painted(4, 14));
}

TEST(DrawContext, OffsetMovesEveryPrimitiveAndClipIsKeptInDeviceCoordinates) {
    Offscreen surface;
    surface.context->setOffset({5, 5});
    surface.context->setClipRect(CRect(0, 0, 3, 3));
    EXPECT_EQ(surface.context->getClipRect(), CRect(0, 0, 3, 3));
    surface.context->setOffset({0, 0});
    EXPECT_EQ(surface.context->getClipRect(), CRect(5, 5, 8, 8));

    surface.context->setFillColor(kColorWhite);
    surface.context->fillRect(CRect(-1, -1, 20, 20));
    for (std::int32_t v = 0; v < 20; ++v) {
        for (std::int32_t h = 0; h < 20; ++h) {
            const bool inClip = h >= 5 && h < 8 && v >= 5 && v < 8;
            EXPECT_EQ(surface.painted(h, v), inClip) << h << "," << v;
        }
    }
}

TEST(DrawContext, FontIdsOutsideTheTableFallBackToTheBoldSystemFont) {
    Offscreen system(60, 20);
    Offscreen outside(60, 20);
    Offscreen normal(60, 20);
    outside.context->setFont(9);
    EXPECT_EQ(outside.context->getFont(), kFontSystem);
    EXPECT_EQ(outside.context->getFontSize(), 12);
    normal.context->setFont(kFontNormal);
    EXPECT_EQ(normal.context->getFontSize(), 12);

    const CRect line(0, 0, 60, 20);
    for (Offscreen* surface : {&system, &outside, &normal}) {
        surface->context->drawString("Amber", line);
    }
    EXPECT_TRUE(samePixels(system, outside, line));
    EXPECT_FALSE(samePixels(system, normal, line)) << "the system font is bold";
}

TEST(DrawContext, ArialIsDrawnWithItsMetricCompatibleFace) {
    Offscreen arial(80, 20);
    Offscreen liberation(80, 20);
    arial.context->setFont(kFontNormal);
    FontChoice face = fontChoice(kFontNormal, 0);
    face.face = "Liberation Sans";
    liberation.context->getSystemContext()->setFont(face);
    const CRect line(0, 0, 80, 20);
    arial.context->drawString("Amberlow", line);
    liberation.context->drawString("Amberlow", line);
    EXPECT_TRUE(samePixels(arial, liberation, line));
}

TEST(DrawContext, TextIsDrawnOnlyWhenThereIsSome) {
    Offscreen surface(60, 20);
    surface.context->drawString(nullptr, CRect(0, 0, 60, 20));
    surface.context->drawString("Amber", CRect(0, 0, 60, 20));
    bool any = false;
    for (std::int32_t h = 0; h < 60; ++h) {
        for (std::int32_t v = 0; v < 20; ++v) {
            any = any || surface.painted(h, v);
        }
    }
    EXPECT_TRUE(any);
}

TEST(DrawContext, LeftAlignedTextStartsOnePixelInside) {
    struct Case {
        std::int32_t align;
        std::int32_t shift;
    };
    for (const Case c :
         {Case{kAlignLeft, 1}, Case{7, 1}, Case{kAlignCenter, 0}, Case{kAlignRight, 0}}) {
        Offscreen viaContext(60, 20);
        Offscreen viaDevice(60, 20);
        const CRect rect(4, 0, 50, 20);
        viaContext.context->drawString("Il", rect, false, c.align);
        viaDevice.context->getSystemContext()->drawText("Il", CRect(rect.left + c.shift, 0, 50, 20),
                                                        c.align == 7 ? kAlignLeft : c.align, false);
        EXPECT_TRUE(samePixels(viaContext, viaDevice, CRect(0, 0, 60, 20))) << c.align;
    }
}

TEST(DrawContext, OpaqueTextFillsItsBackgroundWithTheFillColour) {
    Offscreen surface(60, 20);
    surface.context->setFillColor(kColorRed);
    surface.context->drawString("Amber", CRect(0, 0, 60, 20), true);
    int red = 0;
    for (std::int32_t h = 0; h < 60; ++h) {
        red += surface.at(h, 10) == kColorRed;
        EXPECT_EQ(surface.at(h, 0), kColorBlack) << "only the text line is filled";
    }
    EXPECT_GT(red, 10);
}

TEST(Bitmap, LoadsByIdAndDrawsThePieceTheSourcePointSelects) {
    CBitmap* strip = new CBitmap(101);
    ASSERT_TRUE(strip->isLoaded());
    EXPECT_EQ(strip->getWidth(), 2);
    EXPECT_EQ(strip->getHeight(), 6);
    Offscreen surface(4, 4);
    strip->draw(surface.context, CRect(1, 1, 3, 3), CPoint(0, 2));
    EXPECT_EQ(surface.at(1, 1), kGreen);
    EXPECT_EQ(surface.at(2, 2), kGreen);
    EXPECT_EQ(surface.at(3, 3), kColorBlack);
    strip->forget();
}

TEST(Bitmap, MissingResourceOrFilePathLeavesAnEmptyBitmapThatDrawsNothing) {
    CBitmap* missing = new CBitmap(999);
    EXPECT_FALSE(missing->isLoaded());
    EXPECT_EQ(missing->getWidth(), 0);
    Offscreen surface(4, 4);
    missing->draw(surface.context, CRect(0, 0, 4, 4));
    missing->drawAlphaBlend(surface.context, CRect(0, 0, 4, 4), {}, 255);
    EXPECT_EQ(surface.at(1, 1), kColorBlack);

    EXPECT_TRUE(missing->loadFromResource(100));
    EXPECT_FALSE(missing->loadFromPath("/tmp/picture.bmp"));
    EXPECT_EQ(missing->getWidth(), 0);
    missing->forget();
}

TEST(Bitmap, ColourKeySkipsPureWhiteOnly) {
    CBitmap* keyed = new CBitmap(100);
    Offscreen surface(4, 2);
    surface.context->setFillColor(kColorGrey);
    surface.context->getSystemContext()->fillRect(CRect(0, 0, 4, 2));
    keyed->drawTransparent(surface.context, CRect(0, 0, 4, 2));

    EXPECT_EQ(surface.at(0, 0), kColorGrey) << "pure white is the key";
    EXPECT_EQ(surface.at(1, 1), kColorGrey);
    EXPECT_EQ(surface.at(1, 0), (CColor{254, 255, 255, 255}));
    EXPECT_EQ(surface.at(3, 1), (CColor{255, 255, 254, 255}));
    EXPECT_EQ(surface.at(2, 0), kColorRed);
    keyed->forget();
}

TEST(Bitmap, ConstantAlphaBlendsOverTheDestination) {
    CBitmap* picture = new CBitmap(100);
    Offscreen surface(4, 2);
    picture->drawAlphaBlend(surface.context, CRect(0, 0, 4, 2), {}, 128);
    const CColor blended = surface.at(2, 0);
    EXPECT_NEAR(blended.red, 128, 1);
    EXPECT_EQ(blended.green, 0);
    picture->drawAlphaBlend(surface.context, CRect(0, 0, 4, 2), {}, 0);
    EXPECT_EQ(surface.at(2, 0), blended) << "alpha 0 leaves the destination";
    picture->forget();
}

// Counts how often each native attribute is replaced.
class CountingDevice : public platform::Device {
public:
    MOCK_METHOD(void, setPen, (CColor, std::int32_t), (override));
    MOCK_METHOD(bool, setBrush, (CColor), (override));
    MOCK_METHOD(void, setFont, (const FontChoice&), (override));
    MOCK_METHOD(void, setTextColor, (CColor), (override));
    MOCK_METHOD(void, setTextBackground, (CColor), (override));
    MOCK_METHOD(void, setClip, (const CRect&), (override));
    MOCK_METHOD(void, moveTo, (CPoint), (override));
    MOCK_METHOD(void, lineTo, (CPoint), (override));
    MOCK_METHOD(void, fillRect, (const CRect&), (override));
    MOCK_METHOD(void, drawText, (const char*, const CRect&, std::int32_t, bool), (override));
    MOCK_METHOD(void, copyFrom, (platform::Device&, const CRect&, CPoint), (override));
    MOCK_METHOD(void, drawImage, (const platform::Image&, const CRect&, CPoint), (override));
    MOCK_METHOD(void, drawImageKeyed, (const platform::Image&, const CRect&, CPoint, CColor),
                (override));
    MOCK_METHOD(void, drawImageBlended,
                (const platform::Image&, const CRect&, CPoint, std::uint8_t), (override));
    MOCK_METHOD(CColor, pixel, (CPoint), (override));
};

TEST(DrawContext, ReplacesPenBrushFontAndClipOnlyWhenTheyChange) {
    ::testing::NiceMock<CountingDevice> device;
    auto* context = new CDrawContext(nullptr, &device, nullptr);
    ::testing::Mock::VerifyAndClearExpectations(&device);

    EXPECT_CALL(device, setPen(kColorRed, 1)).Times(1);
    EXPECT_CALL(device, setBrush(kColorRed)).Times(1);
    EXPECT_CALL(device, setTextBackground(kColorRed)).Times(1);
    EXPECT_CALL(device, setFont(_)).Times(1);
    EXPECT_CALL(device, setClip(CRect(1, 2, 3, 4))).Times(1);
    EXPECT_CALL(device, setTextColor(kColorRed)).Times(2);
    for (int i = 0; i < 2; ++i) {
        context->setFrameColor(kColorRed);
        context->setFillColor(kColorRed);
        context->setLineWidth(1);
        context->setLineStyle(kLineSolid);
        context->setFont(kFontBig, kStyleItalic);
        context->setClipRect(CRect(1, 2, 3, 4));
        context->setFontColor(kColorRed);
    }
    context->forget();
}

TEST(DrawContext, SystemFontIsBoldTwelvePixelArialWhateverStyleIsAsked) {
    const FontChoice system = fontChoice(kFontSystem, 0);
    EXPECT_STREQ(system.face, "Arial");
    EXPECT_EQ(system.size, 12);
    EXPECT_EQ(system.weight, 700);
    EXPECT_EQ(fontChoice(42, 0), system);
    EXPECT_EQ(fontChoice(kFontNormal, 0).weight, 400);
    EXPECT_EQ(fontChoice(kFontNormal, kStyleBold).weight, 700);
    EXPECT_STREQ(fontChoice(kFontSymbol, 0).face, "Symbol");
}

// Records its own destruction.
class Tracked : public CReferenceCounter {
public:
    explicit Tracked(bool* deleted) : deleted_(deleted) {}
    ~Tracked() override { *deleted_ = true; }

private:
    bool* deleted_;
};

TEST(ReferenceCounter, TheLastForgetDeletes) {
    bool deleted = false;
    (new Tracked(&deleted))->forget();
    EXPECT_TRUE(deleted);

    deleted = false;
    auto* shared = new Tracked(&deleted);
    shared->remember();
    EXPECT_EQ(shared->getNbReference(), 2);
    shared->forget();
    EXPECT_FALSE(deleted);
    shared->forget();
    EXPECT_TRUE(deleted);
}

} // namespace
} // namespace toolkit
