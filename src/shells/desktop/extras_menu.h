#pragma once

#include <functional>

#include "core/extras/extras.h"
#include "core/session/session.h"

class QPoint;
class QWidget;

namespace af::desktop {

// The window's menu of extras, from the core's table: each with its key,
// the sound and the voice checked where they are on. It opens over the
// window at `at` (global) and leaves the event loop running.
void open_extras_menu(QWidget& window, const QPoint& at, const Session& session,
                      const std::function<void(Extra)>& extra);

}  // namespace af::desktop
