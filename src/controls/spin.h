#pragma once

namespace af {

// Which arrow of a spin control raised the event.
enum class Spin { Up, Down };

}  // namespace af
