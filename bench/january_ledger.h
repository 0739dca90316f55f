// The calendar's busiest month as a data file, for the benchmarks that
// paint it or start the program on it.
#pragma once

#include <filesystem>

namespace bench {

// Records on every day of January 2005 (both kinds), then `extra` more
// spread over other years out of date order, so the load sorts them.
// Returns the path.
std::filesystem::path WriteJanuaryLedger(const std::filesystem::path& path, int extra);

}  // namespace bench
