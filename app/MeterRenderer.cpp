#include "MeterRenderer.h"

#include "export/PictureFile.h"
#include "meter/TForm1.h"
#include "platform/ComboBox.h"
#include "platform/Error.h"
#include "platform/RadioButton.h"

#include <QFile>
#include <QImageWriter>
#include <QLineEdit>
#include <cstdio>

namespace app {

QImage RenderMeterPicture(const RenderRequest& request)
{
    meter::TForm1 form;
    form.Edit1->setText(request.reading);
    if (request.range >= 0)
        form.ComboBox1->pick(request.range);
    platform::RadioButton* sizes[] = {form.RadioButton1, form.RadioButton2, form.RadioButton3};
    sizes[int(request.size)]->setChecked(true);
    (request.background == Background::Pink ? form.RadioButton5 : form.RadioButton4)
        ->setChecked(true);
    return form.ExportPicture();
}

QString WritePicture(const QImage& picture, const RenderRequest& request)
{
    if (request.output == QLatin1String("-")) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return QStringLiteral("cannot write to standard output");
        QImageWriter writer(&out, "PNG");
        if (!writer.write(picture))
            return QStringLiteral("cannot write to standard output: %1").arg(writer.errorString());
        return {};
    }
    try {
        exporting::SavePictureFile(picture, request.output);
    } catch (const platform::Error& error) {
        return error.message();
    }
    return {};
}

} // namespace app
