#include "MeterWindowFixture.h"
#include "meter/PictureActions.h"
#include "platform/Picture.h"
#include "platform/RadioButton.h"

#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

class PictureActionsTest : public MeterWindow {
protected:
    void SetUp() override
    {
        MeterWindow::SetUp();
        form->RadioButton2->setChecked(true);
        form->RadioButton5->setChecked(true);
        expected = form->ExportPicture().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(expected.size(), QSize(76, 148));
    }

    QAction* action(const QString& text)
    {
        for (QAction* a : form->pictureActions->menu()->actions()) {
            if (a->text() == text)
                return a;
        }
        return nullptr;
    }

    static QImage decoded(const QString& path)
    {
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    }

    QImage expected;
};

TEST_F(PictureActionsTest, TheWholeMeterPictureTakesTheMouse)
{
    for (QPoint at : {QPoint(60, 110), QPoint(60, 40), QPoint(90, 65), QPoint(20, 200)})
        EXPECT_EQ(form->childAt(at), form->Image1) << at.x() << "," << at.y();
    EXPECT_EQ(form->Image1->contextMenuPolicy(), Qt::CustomContextMenu);
}

TEST_F(PictureActionsTest, MenuCopiesTheCopyButtonsPicture)
{
    QAction* copy = action(QStringLiteral("In die Zwischenablage kopieren"));
    ASSERT_NE(copy, nullptr);
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              expected);
}

TEST_F(PictureActionsTest, MenuSavesThePictureAsPngOrBmp)
{
    QAction* save = action(QStringLiteral("Bild speichern unter…"));
    ASSERT_NE(save, nullptr);
    QTemporaryDir folder;
    QString answer;
    form->pictureActions->askSaveFileName = [&](QWidget*) { return answer; };

    for (const char* name : {"meter.png", "meter.bmp"}) {
        answer = folder.filePath(QString::fromLatin1(name));
        save->trigger();
        EXPECT_EQ(decoded(answer), expected) << name;
    }
    QFile bmp(folder.filePath("meter.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    EXPECT_TRUE(bmp.read(2) == "BM");

    answer.clear(); // cancelled
    save->trigger();
    answer = folder.filePath("missing/meter.png");
    save->trigger();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Cannot save file \"%1\". ").arg(answer)))
        << errors[0].toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(PictureActionsTest, DragCarriesThePictureAndAPngFile)
{
    std::unique_ptr<QMimeData> data(form->pictureActions->DragData());
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
              expected);
    ASSERT_EQ(data->urls().size(), 1);
    const QString file = data->urls()[0].toLocalFile();
    EXPECT_TRUE(file.endsWith(QLatin1String("/Quorvel.png")));
    EXPECT_EQ(decoded(file), expected);
}

} // namespace
