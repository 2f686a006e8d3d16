#include "ArtworkFiles.h"
#include "meter/RangeTable.h"
#include "resources/BodyGeometry.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

using namespace artwork_test;
using namespace resources;

namespace meter {
void PrintTo(const Range& range, std::ostream* out)
{
    *out << range.pictureName;
}
} // namespace meter

namespace {

constexpr QRgb White = 0xffffffff;
const QRgb KnobKey = qRgb(KnobKeyColour[0], KnobKeyColour[1], KnobKeyColour[2]);
const QRgb Highlight = qRgb(KnobHighlightColour[0], KnobHighlightColour[1], KnobHighlightColour[2]);
constexpr double KnobCentre = (KnobSize - 1) / 2.0;

QString knobPath(const meter::Range& range)
{
    return QStringLiteral("bitmaps/%1.bmp").arg(QLatin1String(range.pictureName));
}

int brightness(QRgb pixel)
{
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

std::string where(int x, int y)
{
    return "at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// Direction in degrees, counter-clockwise from 3 o'clock, of a point seen from the knob's centre.
double direction(double x, double y)
{
    return std::atan2(KnobCentre - y, x - KnobCentre) * 180.0 / std::numbers::pi;
}

double angleBetween(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180)
        d -= 360;
    if (d < -180)
        d += 360;
    return std::abs(d);
}

struct Centroid {
    double x = 0;
    double y = 0;
    int count = 0;
};

template <class Predicate> Centroid centroidOf(const QImage& image, Predicate predicate)
{
    Centroid c;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (predicate(image.pixel(x, y))) {
                c.x += x;
                c.y += y;
                ++c.count;
            }
        }
    }
    if (c.count > 0) {
        c.x /= c.count;
        c.y /= c.count;
    }
    return c;
}

class ArtworkFileTest : public testing::TestWithParam<ArtworkFile> {};

TEST_P(ArtworkFileTest, HasItsSizeAndIsStoredAsExpected)
{
    const ArtworkFile& file = GetParam();
    const QImage image(committedPath(file.path));
    ASSERT_FALSE(image.isNull()) << file.path;
    EXPECT_EQ(image.width(), file.width);
    EXPECT_EQ(image.height(), file.height);

    const QByteArray bytes = readCommitted(file.path);
    if (!QString(file.path).endsWith(".bmp"))
        return;
    // A complete bitmap file, uncompressed, 24 bits per pixel, rows from the bottom up.
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(qFromLittleEndian<quint32>(data + 2), quint32(bytes.size()));
    EXPECT_EQ(qFromLittleEndian<quint32>(data + 10), 54u);
    EXPECT_EQ(qFromLittleEndian<quint32>(data + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<qint32>(data + 18), file.width);
    EXPECT_EQ(qFromLittleEndian<qint32>(data + 22), file.height);
    EXPECT_EQ(qFromLittleEndian<quint16>(data + 26), 1);
    EXPECT_EQ(qFromLittleEndian<quint16>(data + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(data + 30), 0u);
    const int rowSize = (file.width * 3 + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), 54 + rowSize * file.height);
}

TEST_P(ArtworkFileTest, IsEmbeddedUnderItsResourcePath)
{
    const ArtworkFile& file = GetParam();
    const QImage embedded(QStringLiteral(":/") + file.path);
    ASSERT_FALSE(embedded.isNull()) << ":/" << file.path;
    EXPECT_EQ(embedded, QImage(committedPath(file.path)));
}

INSTANTIATE_TEST_SUITE_P(Committed, ArtworkFileTest, testing::ValuesIn(ArtworkFiles));

TEST(MeterBody, KeyColourIsExactlyTheOutline)
{
    const QImage body = loadCommitted("form1/Image1.bmp");
    ASSERT_EQ(body.size(), QSize(BodyWidth, BodyHeight));
    EXPECT_EQ(body.pixel(0, BodyHeight - 1), White);
    int mismatches = 0;
    for (int y = 0; y < BodyHeight; ++y) {
        for (int x = 0; x < BodyWidth; ++x) {
            const bool white = body.pixel(x, y) == White;
            if (white != IsOutlinePixel(x, y) && ++mismatches <= 10)
                ADD_FAILURE() << (white ? "white inside the body " : "outline not white ")
                              << where(x, y);
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(MeterBody, GlassIsFlatWithALighterLowerEdge)
{
    const QImage body = loadCommitted("form1/Image1.bmp");
    const QRgb glass = qRgb(DisplayGlassColour[0], DisplayGlassColour[1], DisplayGlassColour[2]);
    for (int y = DisplayGlass.top - 1; y <= DisplayGlassEdge.bottom; ++y) {
        for (int x = DisplayGlass.left - 1; x <= DisplayGlass.right + 1; ++x) {
            const QRgb pixel = body.pixel(x, y);
            const bool inside =
                x >= DisplayGlass.left && x <= DisplayGlass.right && y >= DisplayGlass.top;
            if (inside && y <= DisplayGlass.bottom) {
                ASSERT_EQ(pixel, glass) << where(x, y);
            } else if (inside) {
                ASSERT_GT(brightness(pixel), brightness(glass)) << "edge " << where(x, y);
                ASSERT_TRUE(qRed(pixel) >= qRed(glass) && qGreen(pixel) >= qGreen(glass) &&
                            qBlue(pixel) >= qBlue(glass))
                    << "edge " << where(x, y);
            } else {
                ASSERT_NE(pixel, glass) << "the glass reaches beyond its place " << where(x, y);
            }
        }
    }
}

// Every knob picture covers the body's own knob: what shows through a knob's corners
// is never darker than the plain face, while the body's knob itself is dark.
TEST(MeterBody, EveryKnobPictureHidesTheBodysKnob)
{
    const QImage body = loadCommitted("form1/Image1.bmp");
    const QRgb face = body.pixel(12, 122);
    // Beside the pointer, which the body's knob turns to V (120°).
    const int knobX = int(KnobCentreX + 12 * std::cos(std::numbers::pi / 6));
    const int knobY = int(KnobCentreY - 12 * std::sin(std::numbers::pi / 6));
    ASSERT_LT(brightness(body.pixel(knobX, knobY)), brightness(face) * 2 / 3)
        << "the body's knob should be dark " << where(knobX, knobY);
    for (const meter::Range& range : meter::RangeTable) {
        const QImage knob = loadCommitted(knobPath(range));
        for (int y = 0; y < KnobSize; ++y) {
            for (int x = 0; x < KnobSize; ++x) {
                if (knob.pixel(x, y) != KnobKey)
                    continue;
                const QRgb under = body.pixel(KnobBox.left + x, KnobBox.top + y);
                ASSERT_GE(brightness(under), brightness(face))
                    << range.pictureName << " lets the body's knob show "
                    << where(KnobBox.left + x, KnobBox.top + y);
            }
        }
    }
}

TEST(MeterBody, SwitchMarksShowBesideEveryKnobPicture)
{
    const QImage body = loadCommitted("form1/Image1.bmp");
    for (const Point& mark : SwitchMarks) {
        const int x = int(std::floor(mark.x));
        const int y = int(std::floor(mark.y));
        const QRgb dot = body.pixel(x, y);
        EXPECT_GT(qRed(dot), qBlue(dot) + 100) << "no yellow mark " << where(x, y);
        for (const meter::Range& range : meter::RangeTable) {
            const QImage knob = loadCommitted(knobPath(range));
            const QPoint inKnob(x - KnobBox.left, y - KnobBox.top);
            if (knob.rect().contains(inKnob)) {
                EXPECT_EQ(knob.pixel(inKnob), KnobKey)
                    << range.pictureName << " hides the mark " << where(x, y);
            }
        }
    }
}

class KnobPictureTest : public testing::TestWithParam<meter::Range> {};

TEST_P(KnobPictureTest, KeyColourExactlyOutsideTheDisc)
{
    // A pixel belongs to the disc when its centre lies within the knob's radius.
    const QImage knob = loadCommitted(knobPath(GetParam()));
    ASSERT_EQ(knob.size(), QSize(KnobSize, KnobSize));
    EXPECT_EQ(knob.pixel(0, KnobSize - 1), KnobKey);
    for (int y = 0; y < KnobSize; ++y) {
        for (int x = 0; x < KnobSize; ++x) {
            const bool outside = std::hypot(x - KnobCentre, y - KnobCentre) > KnobRadius;
            ASSERT_EQ(knob.pixel(x, y) == KnobKey, outside) << where(x, y);
        }
    }
}

TEST_P(KnobPictureTest, PointerBarPointsAtItsMark)
{
    const meter::Range& range = GetParam();
    const QImage knob = loadCommitted(knobPath(range));

    const Centroid highlight = centroidOf(knob, [](QRgb p) { return p == Highlight; });
    ASSERT_GE(highlight.count, 10);
    EXPECT_LT(angleBetween(direction(highlight.x, highlight.y), range.pointerDegrees), 3.0);
    const double reach = std::hypot(highlight.x - KnobCentre, highlight.y - KnobCentre);
    EXPECT_GT(reach, 18.0);
    EXPECT_LT(reach, KnobRadius);

    // The bar runs through the centre and farther out at the pointing end.
    const Centroid bar = centroidOf(knob, [](QRgb p) {
        return p != KnobKey && qRed(p) >= 190 && qGreen(p) >= 190 && qBlue(p) >= 190;
    });
    ASSERT_GE(bar.count, 5 * 30);
    EXPECT_LT(angleBetween(direction(bar.x, bar.y), range.pointerDegrees), 5.0);

    const double radians = range.pointerDegrees * std::numbers::pi / 180.0;
    const int holeX = int(std::lround(KnobCentre + 18 * std::cos(radians)));
    const int holeY = int(std::lround(KnobCentre - 18 * std::sin(radians)));
    EXPECT_LT(brightness(knob.pixel(holeX, holeY)), 3 * 80) << "no hole " << where(holeX, holeY);
    const int tailX = int(std::lround(KnobCentre - 10 * std::cos(radians)));
    const int tailY = int(std::lround(KnobCentre + 10 * std::sin(radians)));
    EXPECT_GT(brightness(knob.pixel(tailX, tailY)), 3 * 180) << "no tail " << where(tailX, tailY);
}

INSTANTIATE_TEST_SUITE_P(Ranges, KnobPictureTest, testing::ValuesIn(meter::RangeTable),
                         [](const testing::TestParamInfo<meter::Range>& info) {
                             return std::string(info.param.pictureName);
                         });

TEST(InitialKnob, IsTheVoltPictureWithTenWhiteHighlightPixels)
{
    const QImage volt = loadCommitted("bitmaps/VOLT.bmp");
    const QImage initial = loadCommitted("form1/Knopf.bmp");
    ASSERT_EQ(initial.size(), volt.size());
    EXPECT_EQ(initial.pixel(0, KnobSize - 1), KnobKey);
    const double radians = 120 * std::numbers::pi / 180.0;
    int differences = 0;
    for (int y = 0; y < KnobSize; ++y) {
        for (int x = 0; x < KnobSize; ++x) {
            if (initial.pixel(x, y) == volt.pixel(x, y))
                continue;
            ++differences;
            EXPECT_EQ(initial.pixel(x, y), White) << where(x, y);
            EXPECT_EQ(volt.pixel(x, y), Highlight) << where(x, y);
            const double along =
                (x - KnobCentre) * std::cos(radians) - (y - KnobCentre) * std::sin(radians);
            EXPECT_GT(along, 18.0) << "not at the pointing end " << where(x, y);
        }
    }
    EXPECT_EQ(differences, 10);
}

TEST(ClipboardGlyph, WhiteMarginAroundTheBoard)
{
    const QImage glyph = loadCommitted("form1/Button1.bmp");
    ASSERT_EQ(glyph.size(), QSize(15, 16));
    EXPECT_EQ(glyph.pixel(0, 15), White);
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(glyph.pixel(0, y), White) << where(0, y);
        EXPECT_EQ(glyph.pixel(14, y), White) << where(14, y);
        if (y > 0) {
            EXPECT_NE(glyph.pixel(1, y), White) << "no board beside the margin " << where(1, y);
            EXPECT_NE(glyph.pixel(13, y), White) << "no board beside the margin " << where(13, y);
        }
    }
    // Beside the clip the top row is margin; the clip itself is grey metal.
    EXPECT_EQ(glyph.pixel(1, 0), White);
    EXPECT_EQ(glyph.pixel(13, 0), White);
    const QRgb clip = glyph.pixel(7, 0);
    EXPECT_NE(clip, White);
    EXPECT_LE(std::abs(qRed(clip) - qBlue(clip)), 24) << "the clip should be grey";
    // The sheet is very light grey inside its white frame.
    const QRgb sheet = glyph.pixel(7, 4);
    EXPECT_NE(sheet, White);
    EXPECT_GT(brightness(sheet), 3 * 220);
    EXPECT_EQ(glyph.pixel(3, 8), White);
}

TEST(MakerLogo, LetteringOnTheLightGreyKey)
{
    const QImage logo = loadCommitted("about/Image1.bmp");
    ASSERT_EQ(logo.size(), QSize(250, 46));
    const QRgb key = qRgb(240, 240, 240);
    EXPECT_EQ(logo.pixel(0, 45), key);
    EXPECT_EQ(logo.pixel(249, 0), key);
    int ink = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x)
            ink += brightness(logo.pixel(x, y)) < 3 * 128;
    }
    EXPECT_GT(ink, 250 * 46 / 10) << "the lettering is missing or faint";
}

TEST(ProgramIcon, SmallIconHasOneBitTransparency)
{
    const QImage icon = QImage(committedPath("icons/quorvel-32.png"));
    ASSERT_TRUE(icon.hasAlphaChannel());
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    int transparent = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(argb.pixel(x, y));
            ASSERT_TRUE(alpha == 0 || alpha == 255) << "alpha " << alpha << ' ' << where(x, y);
            transparent += alpha == 0;
        }
    }
    EXPECT_GT(transparent, 32 * 32 / 10);
    EXPECT_LT(transparent, 32 * 32 / 2);
}

TEST(ProgramIcon, LargerIconsAreSmoothAndSeeThroughAroundTheMeter)
{
    for (const char* path :
         {"icons/quorvel-48.png", "icons/quorvel-128.png", "icons/quorvel-256.png"}) {
        const QImage icon = QImage(committedPath(path)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(icon.isNull()) << path;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << path;
        EXPECT_EQ(qAlpha(icon.pixel(icon.width() / 3, icon.height() / 2)), 255) << path;
        bool partial = false;
        for (int y = 0; y < icon.height() && !partial; ++y) {
            for (int x = 0; x < icon.width() && !partial; ++x) {
                const int alpha = qAlpha(icon.pixel(x, y));
                partial = alpha > 0 && alpha < 255;
            }
        }
        EXPECT_TRUE(partial) << path << " has hard edges";
    }
}

} // namespace
