// The table of resources compiled into an executable. The build generates
// its definition from a manifest (cmake/EmbedResources.cmake): every
// executable that links rt_res embeds one manifest, even an empty one.
#pragma once

#include <cstdint>
#include <span>

#include "platform/core/windef.h"

namespace res {

enum class ResourceKind { Bitmap, Icon, Dialog };

struct EmbeddedResource {
  ResourceKind kind;
  WORD id;
  const std::uint8_t* bytes;  // the file as listed
  std::size_t size;
  // A bitmap's pixels decoded by the build, as runs (pixel_runs.h); empty
  // for other kinds and for a bitmap the build could not decode.
  std::span<const std::uint32_t> pixelRuns;
};

// Defined by the generated source of the executable's manifest.
std::span<const EmbeddedResource> EmbeddedResources();

}  // namespace res
