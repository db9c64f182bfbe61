#pragma once

#include <QImage>
#include <QString>
#include <functional>

class QWidget;

#include "core/model/model.h"

namespace af::desktop {

// The three views as the window lays them out, at the pixels on screen, as
// an image to copy or save.
QImage views_image(const Model& model);

// Writes it as a PNG file; false (and nothing written) where that fails.
bool save_views_image(const Model& model, const QString& path);

// Puts it on the clipboard.
void copy_views_image(const Model& model);

// Asks where to save it, proposing `file_name`, without waiting for the
// answer; `saved` is called once it is written.
void ask_to_save_views_image(QWidget& window, const Model& model, const QString& file_name,
                             std::function<void()> saved);

}  // namespace af::desktop
