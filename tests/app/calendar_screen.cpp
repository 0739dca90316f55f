#include "tests/app/calendar_screen.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/platform/host/child_process.h"

namespace calendar_test {

namespace fs = std::filesystem;

std::string CalendarScreen::Path(const std::string& name) const {
  return (dir_.path() / name).string();
}

// The file format built by hand: header, then the records as stored.
void CalendarScreen::WriteRecords(const std::vector<ExpenseRecord>& records) {
  std::string bytes = std::string("ROADtally", 9) + std::string(7, '\0');
  bytes += std::string("\x01\x00\x00\x00", 4);
  const auto count = static_cast<std::uint32_t>(records.size());
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((count >> shift) & 0xFF);
  for (const ExpenseRecord& r : records) bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
  std::ofstream(Path("Roadtally.dat"), std::ios::binary) << bytes;
}

Outcome CalendarScreen::Start(const std::string& today, const std::string& script,
                              const std::string& data) {
  std::ofstream(Path("script.txt")) << script;
  testing_support::ChildProcess child({ROADTALLY_PATH, "--headless", "--today", today, "--data",
                                       data.empty() ? Path("Roadtally.dat") : data, "--script",
                                       Path("script.txt")});
  const auto result = child.Wait(std::chrono::seconds(30));
  return Outcome{result.exited ? result.exitStatus : -1, result.err};
}

Outcome CalendarScreen::Drive(const std::string& today, const std::string& script,
                              const std::string& data) {
  std::string resolved;
  std::size_t at = 0;
  while (true) {
    const std::size_t shot = script.find("shot ", at);
    resolved += script.substr(at, shot == std::string::npos ? shot : shot - at);
    if (shot == std::string::npos) break;
    const std::size_t end = script.find('\n', shot);
    resolved += "shot " + Path(script.substr(shot + 5, end - shot - 5)) + "\n";
    at = end + 1;
  }
  return Start(today, resolved, data);
}

res::Image CalendarScreen::Shot(const std::string& name) const {
  return res::ReadPngFile(Path(name)).value_or(res::Image{});
}

RECT Cell(int column, int row) {
  const LONG left = 24 + 39 * column, top = 65 + 23 * row;
  return {left, top, left + 39, top + 23};
}

int InkIn(const res::Image& image, const RECT& r) {
  int count = 0;
  for (int y = r.top + 3; y < r.bottom - 3; ++y)
    for (int x = r.left + 12; x < r.right - 12; ++x) {
      const COLORREF p = At(image, x, y);
      if (GetGValue(p) < 110 && GetBValue(p) < 110) ++count;  // black or red ink
    }
  return count;
}

ExpenseRecord Record(int year, int month, int day, int itemId, int cost) {
  ExpenseRecord r{};
  r.year = static_cast<std::int16_t>(year);
  r.month = static_cast<std::int16_t>(month);
  r.day = static_cast<std::int16_t>(day);
  r.itemId = static_cast<std::int16_t>(itemId);
  r.cost = cost;
  return r;
}

}  // namespace calendar_test
