// Renders every character of the display typeface into a PNG: large, at the
// display's own size (24 px, emboldened), and as readings in the display's box.
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

const QColor kGlass(0xc9, 0xd1, 0xc0);
const QColor kInk(0x1c, 0x1f, 0x1a);
const QColor kCaption(0x55, 0x5a, 0x50);

QString allCharacters()
{
    QString text;
    for (char16_t c = 0x20; c <= 0x7e; ++c)
        text += QChar(c);
    for (char16_t c : {0x2013, 0x2014, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2030})
        text += QChar(c);
    return text;
}

QStringList lines(const QString& text, int perLine)
{
    QStringList result;
    for (qsizetype i = 0; i < text.size(); i += perLine)
        result << text.mid(i, perLine);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "Usage: font_sample FONT.TTF OUTPUT.png\n";
        return 2;
    }
    const int id = QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[1]));
    if (id < 0) {
        err << "Not a usable font: " << argv[1] << "\n";
        return 1;
    }
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);

    QFont large(family);
    large.setPixelSize(64);
    QFont display(family);
    display.setPixelSize(24);
    display.setBold(true);
    QFont caption(QStringLiteral("DejaVu Sans"));
    caption.setPixelSize(12);

    const QStringList largeLines = lines(allCharacters(), 26);
    const QStringList displayLines = lines(allCharacters(), 52);
    const QStringList readings = {QStringLiteral("0.0000"), QStringLiteral("-1.999"),
                                  QStringLiteral("OL"), QStringLiteral("12.34")};
    const int zoom = 4;
    const QSize box(58, 20);

    const int width = 16 + readings.size() * (box.width() * zoom + 16);
    const int largeLine = QFontMetrics(large).height() + 6;
    const int displayLine = QFontMetrics(display).height() + 4;
    const int height = 16 + 18 + largeLine * largeLines.size() + 12 + 18 +
                       displayLine * displayLines.size() + 12 + 18 + box.height() * zoom + 20;

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kGlass);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);

    int y = 16;
    auto heading = [&](const QString& text) {
        painter.setFont(caption);
        painter.setPen(kCaption);
        painter.drawText(16, y + 12, text);
        y += 18;
    };

    heading(QStringLiteral("%1, 64 px").arg(family));
    painter.setPen(kInk);
    painter.setFont(large);
    for (const QString& line : largeLines) {
        painter.drawText(16, y + QFontMetrics(large).ascent(), line);
        y += largeLine;
    }

    y += 12;
    heading(QStringLiteral("24 px bold, the size of the meter's display"));
    painter.setPen(kInk);
    painter.setFont(display);
    for (const QString& line : displayLines) {
        painter.drawText(16, y + QFontMetrics(display).ascent(), line);
        y += displayLine;
    }

    y += 12;
    heading(QStringLiteral("Readings in the display's 58 x 20 box, drawn at 24 px bold and "
                           "enlarged %1 times")
                .arg(zoom));
    int x = 16;
    for (const QString& reading : readings) {
        QImage cell(box, QImage::Format_RGB32);
        cell.fill(kGlass.lighter(106));
        QPainter cellPainter(&cell);
        cellPainter.setFont(display);
        cellPainter.setPen(kInk);
        cellPainter.drawText(QRect(QPoint(0, 0), box), Qt::AlignLeft | Qt::AlignTop, reading);
        cellPainter.end();
        painter.drawImage(QRect(x, y, box.width() * zoom, box.height() * zoom), cell);
        x += box.width() * zoom + 16;
    }
    painter.end();

    if (!image.save(QString::fromLocal8Bit(argv[2]))) {
        err << "Cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
