#include "shells/desktop/views_image.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>

#include "core/language/language.h"
#include "core/model/views_picture.h"
#include "shells/desktop/qt_text.h"

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
    const Language& l = model.language;
    // TRANSLATORS: the title of the dialog that saves a picture of the three views.
    auto* dialog = new QFileDialog(&window, qstring(translate(l, "Save picture")), file_name,
                                   // TRANSLATORS: the kind of file the picture is saved as; keep (*.png).
                                   qstring(translate(l, "PNG images (*.png)")));
    // The window keeps its layout in every language; a dialog reads as the language does.
    dialog->setLayoutDirection(QGuiApplication::layoutDirection());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix("png");
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // TRANSLATORS: the title of the message that a picture could not be saved.
    const QString not_saved = qstring(translate(l, "Picture not saved"));
    // TRANSLATORS: the message that a picture could not be saved; {file} is where it was to go.
    const std::string could_not = std::string(translate(l, "The picture could not be written to {file}."));
    QObject::connect(dialog, &QFileDialog::fileSelected, &window, [&window, image, saved, not_saved, could_not](const QString& path) {
        if (QImageWriter(path, "png").write(image)) {
            saved();
        } else {
            auto* message = new QMessageBox(QMessageBox::Warning, not_saved,
                                            qstring(fill(could_not, {{"file", path.toStdString()}})), QMessageBox::Ok, &window);
            message->setLayoutDirection(QGuiApplication::layoutDirection());
            message->setAttribute(Qt::WA_DeleteOnClose);
            message->open();
        }
    });
    dialog->open();
}

}  // namespace af::desktop
