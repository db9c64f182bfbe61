#pragma once

namespace af::desktop {

// Names, style and font stand-ins the window relies on; call once, after the
// application object exists and before the window is built.
void prepare_application();

}  // namespace af::desktop
