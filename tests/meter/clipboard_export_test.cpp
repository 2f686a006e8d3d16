#include "MeterWindowFixture.h"
#include "export/BitmapImage.h"
#include "export/CleanupSets.h"
#include "export/Resampler.h"
#include "platform/ComboBox.h"
#include "platform/Picture.h"
#include "platform/RadioButton.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <set>

namespace {

constexpr QRgb White = qRgb(255, 255, 255), Pink = qRgb(255, 0, 255);

QImage rgb32(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// What the copy button put on the clipboard.
QImage copied()
{
    return rgb32(QGuiApplication::clipboard()->image());
}

std::set<std::pair<int, int>> pixelsOf(const exporting::CleanupSet& set)
{
    std::set<std::pair<int, int>> pixels;
    for (const auto& area : set.areas) {
        for (int x = area.left; x <= area.right; ++x) {
            for (int y = area.top; y <= area.bottom; ++y)
                pixels.insert({x, y});
        }
    }
    return pixels;
}

QImage lanczos(const QImage& picture, int width, int height)
{
    exporting::Bitmap bitmap = exporting::ToBitmap(picture);
    exporting::StretchBitmap(width, height, exporting::FilterNumber::Lanczos3, 0, bitmap);
    return rgb32(exporting::ToImage(bitmap));
}

class CopyButton : public MeterWindow {
protected:
    void click() { QTest::mouseClick(form->Button1, Qt::LeftButton); }
    void choose(platform::RadioButton* size, bool pink)
    {
        size->setChecked(true);
        (pink ? form->RadioButton5 : form->RadioButton4)->setChecked(true);
    }
    QImage shownPicture() { return grabClient().copy(form->Image1->geometry()); }
};

TEST_F(CopyButton, FullSizeCopyIsExactlyThePictureTheWindowShows)
{
    const struct {
        const char* reading;
        int range;
        bool pink;
    } cases[] = {{"0.0000", -1, false}, {"-1.999", 7, true}, {"OL", 0, false}, {"", 4, true}};
    for (const auto& c : cases) {
        form->Edit1->setText(QString::fromUtf8(c.reading));
        if (c.range >= 0)
            form->ComboBox1->setCurrentIndex(c.range);
        choose(form->RadioButton1, c.pink);
        click();
        const QImage picture = copied();
        EXPECT_EQ(picture.size(), QSize(101, 197));
        EXPECT_EQ(picture, shownPicture()) << c.reading;
    }
    // With no size chosen the copy is the full size too.
    form->RadioButton1->setChecked(false);
    click();
    EXPECT_EQ(copied(), shownPicture());
    EXPECT_TRUE(errors.empty());
}

struct ShrunkCase {
    const char* name;
    bool half;
    bool pink;
};

class ShrunkCopy : public CopyButton, public ::testing::WithParamInterface<ShrunkCase> {};

TEST_P(ShrunkCopy, IsTheResampledPictureWithExactlyTheCleanUpSetPainted)
{
    const ShrunkCase& c = GetParam();
    const exporting::CleanupSet& set = c.half ? exporting::Cleanup50() : exporting::Cleanup75();
    const QRgb paint = c.pink ? Pink : White;
    form->Edit1->setText(QStringLiteral("12.34"));
    choose(c.half ? form->RadioButton3 : form->RadioButton2, c.pink);
    const QImage full = shownPicture();
    click();

    const QImage picture = copied();
    ASSERT_EQ(picture.size(), QSize(set.width, set.height));
    const QImage resampled = lanczos(full, set.width, set.height);
    const auto painted = pixelsOf(set);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb expected = painted.count({x, y}) ? paint : resampled.pixel(x, y);
            ASSERT_EQ(picture.pixel(x, y), expected) << x << "," << y;
        }
    }

    // Pixels named as painted or left alone.
    const std::vector<std::pair<QPoint, bool>> samples =
        c.half ? std::vector<std::pair<QPoint, bool>>{{{24, 90}, true},  {{26, 90}, true},
                                                      {{36, 90}, true},  {{38, 90}, true},
                                                      {{25, 90}, false}, {{37, 90}, false},
                                                      {{1, 3}, true},    {{2, 3}, false}}
               : std::vector<std::pair<QPoint, bool>>{
                     {{37, 140}, true}, {{40, 140}, true}, {{38, 140}, false}, {{39, 140}, false},
                     {{1, 7}, true},    {{74, 7}, false},  {{1, 126}, true},   {{74, 126}, false},
                     {{5, 131}, true},  {{6, 131}, false}};
    for (const auto& [point, isPainted] : samples) {
        EXPECT_EQ(painted.count({point.x(), point.y()}) == 1, isPainted)
            << point.x() << "," << point.y();
        if (isPainted) {
            EXPECT_EQ(picture.pixel(point), paint);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShrunkCopy,
                         ::testing::Values(ShrunkCase{"ThreeQuartersWhite", false, false},
                                           ShrunkCase{"ThreeQuartersPink", false, true},
                                           ShrunkCase{"HalfWhite", true, false},
                                           ShrunkCase{"HalfPink", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopyButton, PaintingColourFollowsThePinkButtonAtTheMomentOfTheClick)
{
    choose(form->RadioButton2, true);
    click();
    EXPECT_EQ(copied().pixel(0, 0), Pink);
    form->RadioButton5->setChecked(false); // neither background checked: white
    click();
    EXPECT_EQ(copied().pixel(0, 0), White);
}

TEST_F(CopyButton, RepeatedClicksGiveTheSamePictureAndReplaceTheClipboard)
{
    choose(form->RadioButton3, false);
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier text"));
    click();
    const QImage first = copied();
    click();
    EXPECT_EQ(copied(), first);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_FALSE(data->hasText()) << "nothing of what the clipboard held before";
}

TEST_F(CopyButton, CopyIgnoresWhatCoversTheWindow)
{
    QWidget cover;
    cover.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    cover.setGeometry(QRect(form->mapToGlobal(QPoint(20, 20)), QSize(60, 60)));
    cover.setStyleSheet(QStringLiteral("background: green"));
    const QImage uncovered = (click(), copied());
    cover.show();
    QTest::qWait(20);
    click();
    EXPECT_EQ(copied(), uncovered);
}

} // namespace
