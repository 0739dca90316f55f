#include "platform/host/loaded_module.h"

#include <dlfcn.h>

#include "platform/win/files.h"

namespace host {
namespace {

std::string LoadError() {
  const char* error = dlerror();
  return error ? error : "unknown error";
}

}  // namespace

std::optional<LoadedModule> LoadedModule::Load(const std::string& fileName, std::string& error) {
  const std::filesystem::path executable = ExecutablePath();
  if (executable.empty()) {
    error = "cannot find the executable";
    return std::nullopt;
  }
  std::filesystem::path path =
      (executable.parent_path() / ROADTALLY_MODULE_DIR / fileName).lexically_normal();
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    error = LoadError();
    return std::nullopt;
  }
  return LoadedModule(std::move(path), handle);
}

void* LoadedModule::Symbol(const char* name, std::string& error) const {
  dlerror();  // a stale error must not be taken for this look-up's
  void* symbol = dlsym(handle_.get(), name);
  if (!symbol) error = LoadError();
  return symbol;
}

void LoadedModule::Closer::operator()(void* handle) const { dlclose(handle); }

}  // namespace host
