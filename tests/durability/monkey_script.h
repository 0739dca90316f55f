// Random input for the whole program: taps (often on the buttons the
// program has), drags, keys it knows and some it does not, and waits, as
// lines of a headless script. One seed always gives the same script.
#pragma once

#include <cstdint>
#include <string>

namespace durability {

std::string MonkeyScript(std::uint64_t seed, int commands);

}  // namespace durability
