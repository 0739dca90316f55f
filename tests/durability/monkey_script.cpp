#include "tests/durability/monkey_script.h"

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>

namespace durability {
namespace {

struct Spot {
  int x, y;
};

// Where the program's buttons are: entry and month list on the calendar,
// its arrows, the entry dialog's rows, keypad keys and OK buttons, the
// month list's rows and paging. Plain random taps would seldom reach a
// save; these make a monkey that keeps the ledger changing.
constexpr Spot kHotSpots[] = {
    {20, 214},  {100, 202}, {270, 222}, {27, 21},   {294, 21}, {24, 65},   {200, 143}, {101, 176},
    {44, 222},  {43, 222},  {296, 100}, {150, 100}, {60, 176}, {140, 176}, {180, 176}, {101, 140},
    {101, 110}, {200, 80},  {200, 110}, {250, 176}, {160, 60}, {120, 222}, {200, 222}};

constexpr Spot kKeypadDigits[] = {{101, 176}, {60, 176}, {140, 176}, {101, 140}, {101, 110}};

constexpr const char* kKeys[] = {"LEFT",    "RIGHT",   "UP",      "DOWN",    "RETURN",
                                 "ESCAPE",  "F1",      "F2",      "F3",      "F4",
                                 "NUMPAD0", "NUMPAD1", "NUMPAD5", "NUMPAD9", "NUMPAD7",
                                 "0x41",    "0x20",    "0x90",    "0x08",    "0x2E"};

class Monkey {
 public:
  explicit Monkey(std::uint64_t seed) : m_random(seed) {}

  void Command(std::ostream& out) {
    const int kind = Pick(100);
    if (kind < 45) {
      const Spot spot =
          Pick(3) > 0 ? kHotSpots[Pick(std::size(kHotSpots))] : Spot{Pick(320), Pick(240)};
      out << "tap " << spot.x << ' ' << spot.y << '\n';
    } else if (kind < 53) {
      Drag(out);
    } else if (kind < 85) {
      const char* key = kKeys[Pick(std::size(kKeys))];
      const int how = Pick(10);
      out << (how < 8 ? "key " : how == 8 ? "keydown " : "keyup ") << key << '\n';
    } else if (kind < 86) {
      out << "key DEVICE\n";  // closes the program or cancels a dialog
    } else if (kind < 90) {
      // An entry as a driver makes it: the entry button, the cost row, a
      // keypad digit, the keypad's OK, the entry's OK. From the calendar it
      // saves; from anywhere else it is just more taps.
      const Spot digit = kKeypadDigits[Pick(std::size(kKeypadDigits))];
      out << "tap 20 214\ntap 200 143\ntap " << digit.x << ' ' << digit.y
          << "\ntap 44 222\ntap 43 222\n";
    } else {
      out << "wait " << (Pick(2) ? Pick(250) : Pick(1500)) << '\n';
    }
  }

 private:
  int Pick(std::size_t bound) {
    return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random));
  }

  // A press that moves and lifts, sometimes off where it began.
  void Drag(std::ostream& out) {
    int x = Pick(320), y = Pick(240);
    out << "down " << x << ' ' << y << '\n';
    for (int steps = Pick(4); steps > 0; --steps) {
      x = std::clamp(x + Pick(81) - 40, 0, 319);
      y = std::clamp(y + Pick(81) - 40, 0, 239);
      out << "move " << x << ' ' << y << '\n';
      if (Pick(2)) out << "wait " << Pick(400) << '\n';
    }
    out << "up " << x << ' ' << y << '\n';
  }

  std::mt19937_64 m_random;
};

}  // namespace

std::string MonkeyScript(std::uint64_t seed, int commands) {
  Monkey monkey(seed);
  std::ostringstream script;
  for (int i = 0; i < commands; ++i) monkey.Command(script);
  return script.str();
}

}  // namespace durability
