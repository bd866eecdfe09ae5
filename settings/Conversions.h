#pragma once

#include <cstdint>
#include <string_view>

// The one text-to-integer rule of the whole program (settings text, number boxes and
// item-number drop-downs): leading white space, an optional sign, decimal digits up to
// the first other character; no digits give 0; values beyond 32 bits are clamped.
// `long` is 64 bits on most of our platforms, so the clamp is done here, not by strtol.
int32_t ToInt32(std::string_view text);
