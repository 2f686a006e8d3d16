#include "platform/Error.h"
#include "platform/Resources.h"

#include <gtest/gtest.h>

namespace {

TEST(Resources, BitmapsAreFoundWithoutRegardToCase)
{
    for (const char* name : {"TESTPIC", "testpic", "TestPic"}) {
        const QImage image = platform::LoadBitmapResource(QString::fromLatin1(name));
        ASSERT_EQ(image.size(), QSize(3, 2)) << name;
        EXPECT_EQ(image.pixel(2, 1), qRgb(10, 20, 30)) << name;
    }
    EXPECT_EQ(platform::LoadRawResource(QStringLiteral("RawData")), QByteArray("raw bytes\n"));
}

TEST(Resources, MissingNameRaisesResourceNotFoundWithTheName)
{
    for (const char* name : {"pips", "TESTPI", "TESTPIC.bmp", ""}) {
        try {
            platform::LoadBitmapResource(QString::fromLatin1(name));
            ADD_FAILURE() << "no error for " << name;
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Resource %1 not found").arg(name));
        }
    }
    EXPECT_THROW(platform::LoadRawResource(QStringLiteral("DigiFont")), platform::Error);
}

} // namespace
