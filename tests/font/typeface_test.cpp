#include "platform/Resources.h"

#include <QFontDatabase>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include "PrintQt.h"

#include <gtest/gtest.h>

namespace {

const QString kFamily = QStringLiteral("DS-Digital");

QList<char32_t> coveredCharacters()
{
    QList<char32_t> characters;
    for (char32_t c = 0x20; c <= 0x7e; ++c)
        characters << c;
    characters << 0x2013 << 0x2014 << 0x2018 << 0x2019 << 0x201c << 0x201d << 0x2022 << 0x2030;
    return characters;
}

QString text(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

class Typeface : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        bytes = platform::LoadRawResource(QStringLiteral("DigiFont"));
        ASSERT_GE(QFontDatabase::addApplicationFontFromData(bytes), 0);
    }

    // The font at 1,100 px: one pixel per font unit.
    static QRawFont designFont() { return QRawFont(bytes, 1100); }

    static quint32 glyph(const QRawFont& font, char32_t c)
    {
        const QList<quint32> glyphs = font.glyphIndexesForString(text(c));
        return glyphs.size() == 1 ? glyphs.front() : 0;
    }

    static qreal advance(const QRawFont& font, char32_t c)
    {
        return font.advancesForGlyphIndexes({glyph(font, c)}).front().x();
    }

    static QByteArray bytes;
};

QByteArray Typeface::bytes;

TEST_F(Typeface, NamesTheDisplaysFamilyInItsRegularStyle)
{
    const QRawFont font = designFont();
    ASSERT_TRUE(font.isValid());
    EXPECT_EQ(font.familyName(), kFamily);
    EXPECT_EQ(font.styleName(), QStringLiteral("Normal"));
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_EQ(font.unitsPerEm(), 1100);
    EXPECT_EQ(font.style(), QFont::StyleNormal);
}

TEST_F(Typeface, DrawsEveryCoveredCharacter)
{
    const QRawFont font = designFont();
    for (char32_t c : coveredCharacters()) {
        SCOPED_TRACE(QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toStdString());
        ASSERT_TRUE(font.supportsCharacter(uint(c)));
        const quint32 index = glyph(font, c);
        ASSERT_NE(index, 0u);
        EXPECT_GT(advance(font, c), 0);
        EXPECT_EQ(font.pathForGlyph(index).isEmpty(), c == U' ');
    }
}

TEST_F(Typeface, GivesEachCharacterItsOwnShapeExceptKnownLookAlikes)
{
    // Segment displays draw these pairs alike; any other shared shape is a mapping slip.
    const QList<QString> lookAlikes = {QStringLiteral("0O"), QStringLiteral("5Ss"),
                                       QStringLiteral("9g"), QStringLiteral("Kk"),
                                       QStringLiteral("Pp"), QStringLiteral("Xx"),
                                       QStringLiteral("Zz"), QStringLiteral("-\u2013")};
    const QRawFont font = designFont();
    QHash<QString, QString> byShape;
    for (char32_t c : coveredCharacters()) {
        const QPainterPath path = font.pathForGlyph(glyph(font, c));
        QString key;
        for (int i = 0; i < path.elementCount(); ++i)
            key += QStringLiteral("%1,%2 ").arg(path.elementAt(i).x).arg(path.elementAt(i).y);
        byShape[key] += text(c);
    }
    QStringList shared;
    for (const QString& group : byShape)
        if (group.size() > 1)
            shared << group;
    shared.sort();
    QStringList expected(lookAlikes.begin(), lookAlikes.end());
    expected.sort();
    EXPECT_EQ(shared, expected);
}

TEST_F(Typeface, KeepsReadingsInColumns)
{
    const QRawFont font = designFont();
    const qreal digit = advance(font, U'0');
    for (char32_t c : QStringLiteral("123456789- ").toUcs4())
        EXPECT_EQ(advance(font, c), digit) << char(c);
    EXPECT_LT(advance(font, U'.'), digit / 2);
    EXPECT_LT(advance(font, U':'), digit / 2);
}

// The display: 24 px bold, left-aligned at the top of a 58 x 20 box. The text is
// drawn into a larger picture so that anything spilling over the box is seen.
QRect inkOfReading(const QString& reading)
{
    QFont font(kFamily);
    font.setPixelSize(24);
    font.setBold(true);
    QImage picture(120, 40, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(picture.rect(), Qt::AlignLeft | Qt::AlignTop, reading);
    painter.end();
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) > 0)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(Typeface, ReadingsFillTheDisplayBoxWithoutSpillingOver)
{
    const QRect box(0, 0, 58, 20);
    for (const QString& reading :
         {QStringLiteral("0.0000"), QStringLiteral("-1.999"), QStringLiteral("-88.88")}) {
        const QRect ink = inkOfReading(reading);
        EXPECT_TRUE(box.contains(ink)) << reading.toStdString() << " ink " << ink.x() << ","
                                       << ink.y() << " " << ink.width() << "x" << ink.height();
        EXPECT_GE(ink.width(), 45) << reading.toStdString();
        EXPECT_GE(ink.height(), 14) << reading.toStdString();
    }
    const QRect overload = inkOfReading(QStringLiteral("OL"));
    EXPECT_TRUE(box.contains(overload));
    EXPECT_GE(overload.height(), 14);
}

} // namespace
