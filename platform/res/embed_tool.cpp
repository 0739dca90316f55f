// Build tool: turns a resource manifest and the files it lists into a C++
// source defining res::EmbeddedResources(), plus a make-style dependency
// file naming every file read, so the build regenerates when any changes.
// Bitmaps are decoded here once and embedded as pixel runs too.
//
//   rt_embed_resources <manifest> <output.cpp> <output.d>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "platform/res/manifest.h"
#include "platform/res/pixel_runs.h"
#include "platform/res/png_codec.h"

namespace {

namespace fs = std::filesystem;

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// By res::ResourceKind.
constexpr const char* kKindNames[] = {"Bitmap", "Icon", "Dialog"};

// Array elements in hex (by format), perLine to a line.
template <class Number>
void AppendHex(std::string& out, std::span<const Number> values, const char* format,
               std::size_t perLine) {
  char text[16];
  for (std::size_t i = 0; i < values.size(); ++i) {
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(values[i]));
    out += text;
    out += (i % perLine == perLine - 1) ? ",\n" : ",";
  }
}

// The bitmap's pixel runs as a named array, and the table's field for
// them; nothing for other kinds or a file that does not decode, which is
// then decoded (and refused) at run time as before.
std::string PixelRunsField(const res::ManifestEntry& entry, const std::string& bytes,
                           const std::string& name, std::string& code) {
  if (entry.kind != res::ResourceKind::Bitmap) return "{}";
  const std::optional<res::Image> image =
      res::DecodePng({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  if (!image) return "{}";
  code += "constexpr std::uint32_t " + name + "[] = {\n";
  const std::vector<std::uint32_t> runs = res::PixelRunsOf(*image);
  AppendHex<std::uint32_t>(code, runs, "0x%x", 12);
  code += "};\n\n";
  return name;
}

// Make-style escaping of a path in a dependency file.
std::string DepPath(const fs::path& path) {
  std::string escaped;
  for (char c : path.string()) {
    if (c == ' ' || c == '#' || c == '\\') escaped += '\\';
    if (c == '$') escaped += '$';
    escaped += c;
  }
  return escaped;
}

bool WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

int Fail(const std::string& message) {
  std::cerr << "rt_embed_resources: " << message << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Fail("usage: rt_embed_resources <manifest> <output.cpp> <output.d>");
  const fs::path manifestPath = argv[1];
  const std::optional<std::string> manifestText = ReadFile(manifestPath);
  if (!manifestText) return Fail("cannot read " + manifestPath.string());
  const res::Manifest manifest = res::ParseManifest(*manifestText);
  if (manifest.error)
    return Fail(manifestPath.string() + ":" + std::to_string(manifest.error->line) + ": " +
                manifest.error->message);

  std::string code = "// Generated from " + manifestPath.filename().string() +
                     "; do not edit.\n"
                     "#include \"platform/res/embedded.h\"\n\nnamespace {\n\n";
  std::string table;
  std::string deps = DepPath(argv[2]) + ":";
  for (std::size_t i = 0; i < manifest.entries.size(); ++i) {
    const res::ManifestEntry& entry = manifest.entries[i];
    const fs::path file = manifestPath.parent_path() / entry.path;
    const std::optional<std::string> bytes = ReadFile(file);
    if (!bytes) return Fail("cannot read " + file.string());
    if (bytes->empty()) return Fail(file.string() + " is empty");
    deps += " " + DepPath(file);
    const std::string name = "kData" + std::to_string(i);
    code += "constexpr std::uint8_t " + name + "[] = {\n";
    AppendHex<unsigned char>(
        code, {reinterpret_cast<const unsigned char*>(bytes->data()), bytes->size()}, "0x%02x", 20);
    code += "};\n\n";
    const std::string runs = PixelRunsField(entry, *bytes, "kRuns" + std::to_string(i), code);
    table += "    {res::ResourceKind::" + std::string(kKindNames[static_cast<int>(entry.kind)]) +
             ", " + std::to_string(entry.id) + ", " + name + ", sizeof(" + name + "), " + runs +
             "},\n";
  }
  if (table.empty()) {
    code +=
        "}  // namespace\n\nstd::span<const res::EmbeddedResource> res::EmbeddedResources() {\n"
        "  return {};\n}\n";
  } else {
    code += "constexpr res::EmbeddedResource kTable[] = {\n" + table +
            "};\n\n}  // namespace\n\n"
            "std::span<const res::EmbeddedResource> res::EmbeddedResources() { return kTable; }\n";
  }
  if (!WriteFile(argv[2], code)) return Fail(std::string("cannot write ") + argv[2]);
  if (!WriteFile(argv[3], deps + "\n")) return Fail(std::string("cannot write ") + argv[3]);
  return 0;
}
