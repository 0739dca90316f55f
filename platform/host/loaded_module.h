// A module the programs load on demand with dlopen, so that what only one
// command or mode needs (SDL for a window, the font engine and libpng for a
// chart) is mapped only when it is used. The modules lie in the programs'
// private library directory, at the same place relative to the executable
// in the build tree as when installed (lib/<arch>/roadtally).
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace host {

class LoadedModule {
 public:
  // The module named fileName for the running executable, loaded with its
  // dependencies resolved at once; nothing, and the reason in `error`,
  // when it cannot be loaded.
  static std::optional<LoadedModule> Load(const std::string& fileName, std::string& error);

  // The entry point by name, of the type the module and its caller agree
  // on; nullptr, and the reason in `error`, when the module has none.
  template <typename Entry>
  Entry* Find(const char* name, std::string& error) const {
    return reinterpret_cast<Entry*>(Symbol(name, error));
  }

  const std::filesystem::path& Path() const { return path_; }

 private:
  struct Closer {
    void operator()(void* handle) const;
  };

  LoadedModule(std::filesystem::path path, void* handle)
      : path_(std::move(path)), handle_(handle) {}
  void* Symbol(const char* name, std::string& error) const;

  std::filesystem::path path_;
  std::unique_ptr<void, Closer> handle_;
};

}  // namespace host
