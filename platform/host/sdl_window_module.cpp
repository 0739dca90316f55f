// The window module's entry point (window_host.h): the only symbol the
// module exports.
#include <type_traits>

#include "platform/host/sdl_host.h"

extern "C" __attribute__((visibility("default"))) void roadtally_open_window_host(
    const host::WindowHost::Options& options, std::unique_ptr<host::WindowHost>& window,
    std::string& error) {
  window = host::SdlHost::Open(options, error);
}

static_assert(std::is_same_v<decltype(roadtally_open_window_host), host::OpenWindowHostEntry>);
