#include "shells/desktop/views_image.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>

#include "core/model/views_picture.h"

namespace af::desktop {

QImage views_image(const Model& model) {
    const ViewsPicture picture = views_picture(model);
    // The words are 0xFFRRGGBB, as this format holds them; the copy outlives the picture.
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
                  picture.width * 4, QImage::Format_RGB32)
        .copy();
}

bool save_views_image(const Model& model, const QString& path) {
    QImageWriter writer(path, "png");
    return writer.write(views_image(model));
}

void copy_views_image(const Model& model) { QGuiApplication::clipboard()->setImage(views_image(model)); }

void ask_to_save_views_image(QWidget& window, const Model& model, const QString& file_name,
                             std::function<void()> saved) {
    // Taken now: the picture is the one on screen when the keys were pressed.
    const QImage image = views_image(model);
    auto* dialog = new QFileDialog(&window, QObject::tr("Save picture"), file_name, QObject::tr("PNG images (*.png)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix("png");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, &window, [&window, image, saved](const QString& path) {
        if (QImageWriter(path, "png").write(image)) {
            saved();
        } else {
            QMessageBox::warning(&window, QObject::tr("Picture not saved"),
                                 QObject::tr("The picture could not be written to %1.").arg(path));
        }
    });
    dialog->open();
}

}  // namespace af::desktop
