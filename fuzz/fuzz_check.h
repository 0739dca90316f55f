// A property every fuzz target checks: when it does not hold, the input is
// a finding, and libFuzzer keeps it (abort is a crash to it).
#pragma once

#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}
