#include "tests/ledger/ledger_bytes.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>

namespace ledger_test {

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::wstring DevicePath(const std::filesystem::path& path) {
  std::wstring out;
  for (wchar_t c : path.wstring()) out += c == L'/' ? L'\\' : c;
  return out;
}

ScratchDir::ScratchDir() {
  static std::atomic<int> s_serial{0};
  m_path = std::filesystem::temp_directory_path() /
           ("rt_ledger_" + std::to_string(::getpid()) + "_" + std::to_string(s_serial++));
  std::filesystem::create_directories(m_path);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

}  // namespace ledger_test
