// The tool's answers to a driver's questions (stats, last), bringing
// records in (import) and the yearly chart, run as a separate process.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/res/png_codec.h"
#include "tests/ledger/ledger_bytes.h"
#include "tests/tools/ledger/tool_test.h"

using namespace ledger_test;

namespace {

class InsightsTest : public ToolTest {
 protected:
  void Write(const std::vector<ExpenseRecord>& records) { WriteBytes(File(), FileOf(records)); }
  void WriteText(const std::string& name, const std::string& text) {
    std::ofstream(At(name), std::ios::binary) << text;
  }

  // The first output line that starts with prefix (without its '\n'), or "".
  static std::string Line(const std::string& out, const std::string& prefix) {
    for (size_t at = 0; at < out.size(); at = out.find('\n', at) + 1) {
      const std::string line = out.substr(at, out.find('\n', at) - at);
      if (line.rfind(prefix, 0) == 0) return line;
      if (out.find('\n', at) == std::string::npos) break;
    }
    return "";
  }
};

constexpr int kFuel = 0;
constexpr int kOil = 5;
constexpr int kBattery = 19;
constexpr std::int32_t kMostNegative = -2147483647 - 1;

// --- stats ---------------------------------------------------------------

TEST_F(InsightsTest, StatsHandComputedMonthsAndYear) {
  Write({
      Record(2004, 12, 31, kFuel, 99900, 5000, 600000),   // another year: counts nowhere
      Record(2005, 1, 5, kFuel, 5000000, 4000, 500000),   // 40 L over 500 km
      Record(2005, 1, 20, kOil, 3000000, 0, 0),           // cost without distance
      Record(2005, 2, 11, kBattery, 1200000, 0, 100000),  // no refuelling this month
      Record(2005, 3, 1, kFuel, 4500000, 3000, 0),        // fuel but no distance
      Record(2005, 4, 2, kFuel, 1, 1000, kMostNegative),  // 10 L, 2147483.648 km
      Record(2005, 5, 9, kOil, 2147483647, 0, 1000),      // two costs past 2^31 together
      Record(2005, 5, 9, kBattery, 2147483647, 0, 1000),
  });
  const ToolResult r = Run({"stats", File(), "--csv"});
  ASSERT_EQ(0, r.exitStatus) << r.err;
  EXPECT_EQ(0u, r.out.find("month,cost,distance_km,fuel_l,l_per_100km,km_per_l,cost_per_km\r\n"));
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"2005-01", "2005-01,80000.00,500.0,40.00,8.0,12.5,160.00"},
      {"2005-02", "2005-02,12000.00,100.0,0.00,-,-,120.00"},
      {"2005-03", "2005-03,45000.00,0.0,30.00,-,-,-"},
      {"2005-04", "2005-04,0.01,2147483.6,10.00,0.0,214748.4,0.00"},
      {"2005-05", "2005-05,42949672.94,2.0,0.00,-,-,21474836.47"},
      {"2005-06", "2005-06,0.00,0.0,0.00,-,-,-"},
      // 43086672.95 over 2148085.648 km; 80 L over 2147983.648 km of refuelling records
      {"2005,", "2005,43086672.95,2148085.6,80.00,0.0,26849.8,20.06"},
  };
  for (const auto& [prefix, expected] : rows)
    EXPECT_EQ(expected + "\r", Line(r.out, prefix)) << prefix;
  EXPECT_EQ("", Line(r.out, "2004"));

  const ToolResult table = Run({"stats", File(), "2004"});
  ASSERT_EQ(0, table.exitStatus);
  EXPECT_NE(std::string::npos, table.out.find("cost_per_km\n"));
  const std::string december = Line(table.out, "2004-12");
  EXPECT_NE(std::string::npos, december.find("999.00")) << december;
  EXPECT_NE(std::string::npos, december.find("8.3")) << december;   // 50 L / 600 km
  EXPECT_NE(std::string::npos, december.find("12.0")) << december;  // 600 km / 50 L
}

TEST_F(InsightsTest, StatsRefusesWhatItCannotAnswer) {
  WriteBytes(File(), Header(0));
  EXPECT_EQ(1, Run({"stats", File()}).exitStatus);  // no records, no year to pick
  EXPECT_EQ(0, Run({"stats", File(), "2005"}).exitStatus);
  EXPECT_EQ(1, Run({"stats", File(), "20x5"}).exitStatus);
  EXPECT_EQ(2, Run({"stats"}).exitStatus);
  EXPECT_EQ(1, Run({"stats", At("missing.dat")}).exitStatus);
}

// --- last ----------------------------------------------------------------

TEST_F(InsightsTest, LastDoneAsOfAGivenDay) {
  Write({
      Record(2005, 1, 10, kOil, 3000000, 0, 10000),
      Record(2005, 1, 20, kFuel, 5000000, 4000, 300000),
      Record(2005, 2, 1, kBattery, 9800000, 0, 0), Record(2005, 3, 1, kOil, 3000000, 0, -5000),
      Record(2005, 3, 5, kFuel, 5000000, 4000, 250000),
      Record(2005, 4, 10, kFuel, 5000000, 4000, 100000),  // after the day asked about
  });
  const ToolResult march = Run({"last", File(), "--on", "2005-03-31"});
  ASSERT_EQ(0, march.exitStatus) << march.err;
  EXPECT_EQ(0u, march.out.find("item_id\titem\tlast_done\tdays_since\tkm_since\n"
                               "19\t배터리\t2005-02-01\t58\t255.0\n"
                               "5\t엔진오일\t2005-03-01\t30\t250.0\n"
                               "\nnever done:\n1\t휠얼라인먼트 점검\n2\t"));
  EXPECT_EQ(std::string::npos, march.out.find("\t주유-충전"));  // refuelling is no maintenance item

  const ToolResult january = Run({"last", File(), "--on", "2005-01-31"});
  EXPECT_EQ(0u, january.out.find("item_id\titem\tlast_done\tdays_since\tkm_since\n"
                                 "5\t엔진오일\t2005-01-10\t21\t300.0\n\nnever done:\n"));
  EXPECT_NE(std::string::npos, january.out.find("\n19\t배터리\n"));

  // Without --on, to today (the local date, a day off universal time at most).
  using namespace std::chrono;
  const long long since = (floor<days>(system_clock::now()) - sys_days{2005y / March / 1}).count();
  const std::string oil = Line(Run({"last", File()}).out, "5\t엔진오일\t2005-03-01\t");
  ASSERT_FALSE(oil.empty());
  EXPECT_NEAR(since, std::stoll(oil.substr(oil.rfind('\t', oil.size() - 7) + 1)), 1) << oil;
  EXPECT_EQ("\t350.0", oil.substr(oil.rfind('\t'))) << oil;
  EXPECT_EQ(2, Run({"last", File(), "--on"}).exitStatus);
  EXPECT_EQ(1, Run({"last", File(), "--on", "2005-02-30"}).exitStatus);
}

// --- import --------------------------------------------------------------

// Records add would accept, in date order: any item, values across the
// whole 32-bit range, never cost and distance both 0.
std::vector<ExpenseRecord> RandomLedger(unsigned seed, int count) {
  std::mt19937 random(seed);
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const auto value = [&]() -> std::int32_t {
    switch (pick(0, 3)) {
      case 0: return 0;
      case 1: return pick(0, 1) ? 2147483647 : kMostNegative;
      default: return pick(-2000000, 20000000);
    }
  };
  std::vector<ExpenseRecord> records;
  while (static_cast<int>(records.size()) < count) {
    const int month = pick(1, 12);
    ExpenseRecord r = Record(pick(1, 9999), month, pick(1, month == 2 ? 28 : 30), pick(0, 21),
                             value(), value(), value());
    if (r.cost != 0 || r.distance != 0) records.push_back(r);
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const auto& a, const auto& b) { return DateKey(a) < DateKey(b); });
  return records;
}

// Through csv and back, plain and as a spreadsheet's export.
TEST_F(InsightsTest, CsvThenImportGivesTheSameFileOnRandomLedgers) {
  for (const auto& [seed, count] :
       std::vector<std::pair<unsigned, int>>{{1, 1}, {2, 57}, {3, 2000}, {4, 10000}, {5, 30000}}) {
    SCOPED_TRACE(seed);
    const Bytes original = FileOf(RandomLedger(seed, count));
    WriteBytes(File(), original);
    const ToolResult csv = seed % 2 ? Run({"csv", File()}) : Run({"csv", File(), "--excel"});
    ASSERT_EQ(0, csv.exitStatus);
    WriteText("export.csv", csv.out);
    std::filesystem::remove(At("copy.dat"));
    const ToolResult imported = Run({"import", At("copy.dat"), At("export.csv")});
    ASSERT_EQ(0, imported.exitStatus) << imported.err;
    EXPECT_EQ(original, ReadBytes(At("copy.dat")));
  }
}

TEST_F(InsightsTest, ImportAddsToWhatIsThereAndDryRunWritesNothing) {
  Write({Record(2005, 3, 8, kFuel, 100, 0, 0)});
  const Bytes before = ReadBytes(File());
  WriteText("in.csv",
            "date,item_id,item,fuel_l,cost,distance_km\n"
            "2005-03-08,5,엔진오일,0,200,0\n"
            "2005-01-02,0,,1.5,300.5,12.25\n");
  const ToolResult dry = Run({"import", File(), At("in.csv"), "--dry-run"});
  EXPECT_EQ(0, dry.exitStatus);
  EXPECT_EQ("would import 2 records, 2005-01-02 to 2005-03-08; the file would hold 3\n", dry.out);
  EXPECT_EQ(before, ReadBytes(File()));

  const ToolResult done = Run({"import", File(), At("in.csv")});
  EXPECT_EQ("imported 2 records, 2005-01-02 to 2005-03-08; the file holds 3\n", done.out);
  EXPECT_EQ(FileOf({Record(2005, 1, 2, kFuel, 30050, 150, 12250),
                    Record(2005, 3, 8, kFuel, 100, 0, 0), Record(2005, 3, 8, kOil, 20000, 0, 0)}),
            ReadBytes(File()));

  // Rows out of order, and before what the file holds.
  WriteText("earlier.csv",
            "date,item_id,item,fuel_l,cost,distance_km\n"
            "2004-12-31,0,,2,2,0\n"
            "2004-12-30,0,,1,1,0\n");
  ASSERT_EQ(0, Run({"import", File(), At("earlier.csv")}).exitStatus);
  EXPECT_EQ(
      FileOf({Record(2004, 12, 30, kFuel, 100, 100, 0), Record(2004, 12, 31, kFuel, 200, 200, 0),
              Record(2005, 1, 2, kFuel, 30050, 150, 12250), Record(2005, 3, 8, kFuel, 100, 0, 0),
              Record(2005, 3, 8, kOil, 20000, 0, 0)}),
      ReadBytes(File()));
}

// What a spreadsheet writes: a byte-order mark, quoted fields, CRLF and LF
// mixed, blank lines, blank cells where a value is 0, rows of blank cells
// at the end, no line end at the end.
TEST_F(InsightsTest, ImportTakesWhatSpreadsheetsWrite) {
  WriteText("sheet.csv",
            "\xEF\xBB\xBF\"date\",item_id,item,fuel_l,cost,\"distance_km\"\r\n"
            "2005-03-08,0,\"주유-충전\",\"40.50\",\"55000\",412.3\r\n"
            "\r\n"
            "2005-03-09,5,엔진오일,,45000,\n"
            "2005-03-10,17,,,,-7.9\r\n"
            ",,,,,\r\n"
            ",,,,,");
  const ToolResult r = Run({"import", File(), At("sheet.csv")});
  ASSERT_EQ(0, r.exitStatus) << r.err;
  EXPECT_EQ(FileOf({Record(2005, 3, 8, kFuel, 5500000, 4050, 412300),
                    Record(2005, 3, 9, kOil, 4500000, 0, 0), Record(2005, 3, 10, 17, 0, 0, -7900)}),
            ReadBytes(File()));
}

TEST_F(InsightsTest, ImportRefusesEveryKindOfBadRowAndWritesNothing) {
  Write({Record(2005, 3, 8, kFuel, 100, 0, 0)});
  const Bytes before = ReadBytes(File());
  const std::string header = "date,item_id,item,fuel_l,cost,distance_km\r\n";
  const std::string good = "2005-01-01,0,,1,1,1\r\n";
  struct Case {
    std::string csv;
    std::string says;
  };
  const std::vector<Case> cases = {
      {header + good + "2005-02-29,0,,0,1,0\r\n", "line 3: date: "},
      {header + good + "2005-1-01,0,,0,1,0\r\n", "line 3: date: "},
      {header + good + "2005-01-01,22,,0,1,0\r\n", "line 3: item_id: "},
      {header + good + "2005-01-01,-1,,0,1,0\r\n", "line 3: item_id: "},
      {header + good + "2005-01-01,7,엔진오일,0,1,0\r\n",
       "line 3: item: id 7 is 자동변속기 오일, the row says 엔진오일;"},
      {header + good + "2005-01-01,17,\"브레이크\n패드\",0,1,0\r\n",
       "line 3: item: id 17 is 브레이크 패드, the row says 브레이크\\n패드;"},
      {header + good + "2005-01-01,0,,x,1,0\r\n", "line 3: fuel_l: "},
      {header + good + "2005-01-01,0,,0,21474836.48,0\r\n",
       "line 3: cost: bad cost '21474836.48' (a decimal number from -21,474,836.48 to "
       "21,474,836.47)"},
      {header + good + "2005-01-01,0,,0,1e3,0\r\n", "line 3: cost: "},
      {header + good + "2005-01-01,0,,0,1,2147483.648\r\n",
       "line 3: distance_km: bad distance '2147483.648' (a decimal number from -2,147,483.648 "
       "to 2,147,483.647)"},
      {header + good + "2005-01-01,0,,0,0.004,0\r\n", "line 3: cost and distance_km: "},
      {header + good + "2005-01-01,0,,,,\r\n", "line 3: cost and distance_km: "},
      {header + good + "2005-01-01,0,,0,1\r\n", "line 3: 5 fields"},
      {header + good + "2005-01-01,0,,0,1,0,\r\n", "line 3: 7 fields"},
      {header + good + "2005-01-01,0,\"open,0,1,0\r\n" + good, "line 3: a quoted field"},
      {header + good + "2005-01-01,0,\"a\"b,0,1,0\r\n", "line 3: a quoted field goes on"},
      {"date,item,fuel_l,cost,distance_km\r\n" + good, "line 1: the header"},
      {"", "line 1: no header line"},
      {header + good + good + good + "2005-01-01,0,,0,1,0\r\n" + "bad\r\n", "line 6: 1 fields"},
  };
  WriteText("ok.csv", header + good);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.says);
    WriteText("bad.csv", c.csv);
    for (const std::string& target : {File(), At("new.dat")}) {
      const ToolResult r = Run({"import", target, At("bad.csv")});
      EXPECT_EQ(1, r.exitStatus);
      EXPECT_EQ("", r.out);
      EXPECT_NE(std::string::npos, r.err.find(At("bad.csv") + ": " + c.says)) << r.err;
      EXPECT_EQ(r.err.size() - 1, r.err.find('\n'));
    }
    EXPECT_EQ(before, ReadBytes(File()));
    EXPECT_FALSE(std::filesystem::exists(At("new.dat")));
  }
  const ToolResult missing = Run({"import", At("no") + "/such.dat", At("ok.csv")});
  EXPECT_EQ(1, missing.exitStatus);
  EXPECT_NE(std::string::npos, missing.err.find("the directory does not exist")) << missing.err;
  const ToolResult absent = Run({"import", File(), At("absent.csv")});
  EXPECT_EQ(1, absent.exitStatus);
  EXPECT_TRUE(absent.err.ends_with(": cannot read the CSV file: No such file or directory\n"))
      << absent.err;
}

// --- chart ---------------------------------------------------------------

struct Run_ {
  int left, width, height;
};

// Runs of image columns holding the colour, with the height of the
// colour's tallest unbroken stretch in each.
std::vector<Run_> ColumnRuns(const res::Image& image, gdi::Pixel color) {
  std::vector<Run_> runs;
  for (int x = 0; x < image.width; ++x) {
    int height = 0;
    for (int y = 0, stretch = 0; y < image.height; ++y) {
      stretch = image.pixels[static_cast<size_t>(y) * image.width + x] == color ? stretch + 1 : 0;
      height = std::max(height, stretch);
    }
    if (height == 0) continue;
    if (!runs.empty() && runs.back().left + runs.back().width == x &&
        runs.back().height == height) {
      ++runs.back().width;
    } else {
      runs.push_back({x, 1, height});
    }
  }
  return runs;
}

// The widest runs: the bars, apart from the legend's small squares.
std::vector<Run_> Bars(const res::Image& image, gdi::Pixel color) {
  std::vector<Run_> runs = ColumnRuns(image, color);
  int widest = 0;
  for (const Run_& run : runs) widest = std::max(widest, run.width);
  std::erase_if(runs, [&](const Run_& run) { return run.width != widest; });
  return runs;
}

TEST_F(InsightsTest, ChartBarsAreTheMonthsSumsToThePixel) {
  std::vector<ExpenseRecord> records;
  std::vector<long long> fuel(12), other(12);
  for (int m = 1; m <= 12; ++m) {                  // every part taller than the legend's squares
    fuel[m - 1] = 1000000LL * (m % 5 + 1);         // 10,000 to 50,000 won
    other[m - 1] = 700000LL * ((m * 7) % 11 + 1);  // 7,000 to 77,000 won
    records.push_back(
        Record(2005, m, 3, kFuel, static_cast<std::int32_t>(fuel[m - 1] / 2), 100, 1000));
    records.push_back(
        Record(2005, m, 4, kFuel, static_cast<std::int32_t>(fuel[m - 1] / 2), 100, 1000));
    records.push_back(Record(2005, m, 9, kOil, static_cast<std::int32_t>(other[m - 1]), 0, 0));
  }
  records.push_back(Record(2006, 1, 1, kOil, 900000000, 0, 0));  // another year
  Write(records);
  ASSERT_EQ(0, Run({"chart", File(), "2005", At("chart.png")}).exitStatus);
  const std::optional<res::Image> image = res::ReadPngFile(At("chart.png"));
  ASSERT_TRUE(image);
  const std::vector<Run_> green = Bars(*image, 0x33D52B);
  const std::vector<Run_> salmon = Bars(*image, 0xE9A27E);
  ASSERT_EQ(12u, green.size());
  ASSERT_EQ(12u, salmon.size());
  // Heights proportional to the sums: pixels per won from the tallest bar.
  long long tallest = 0;
  int tallestPixels = 0;
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(green[i].left, salmon[i].left);  // stacked in one column
    if (i > 0) {
      EXPECT_GT(green[i].left, green[i - 1].left);
    }
    if (fuel[i] + other[i] > tallest) {
      tallest = fuel[i] + other[i];
      tallestPixels = green[i].height + salmon[i].height;
    }
  }
  const double perUnit = static_cast<double>(tallestPixels) / static_cast<double>(tallest);
  for (int i = 0; i < 12; ++i) {
    EXPECT_NEAR(fuel[i] * perUnit, green[i].height, 1.5) << i;
    EXPECT_NEAR((fuel[i] + other[i]) * perUnit, green[i].height + salmon[i].height, 1.5) << i;
  }
}

TEST_F(InsightsTest, ChartOfAnEmptyYearHasNoBars) {
  Write({Record(2005, 6, 1, kFuel, 100, 0, 0)});
  ASSERT_EQ(0, Run({"chart", File(), "2004", At("empty.png")}).exitStatus);
  const std::optional<res::Image> image = res::ReadPngFile(At("empty.png"));
  ASSERT_TRUE(image);
  EXPECT_EQ(1u, ColumnRuns(*image, 0x33D52B).size());  // the legend's square only
  EXPECT_EQ(1, Run({"chart", File(), "2004", At("no/such/dir.png")}).exitStatus);
}

// A copy of the tool without the chart module beside it: the chart says so
// in one line, the other commands do not need the module.
TEST_F(InsightsTest, WithoutTheChartModuleOnlyTheChartFails) {
  const std::filesystem::path copy = dir.path() / "bin" / "roadtally-ledger";
  std::filesystem::create_directories(copy.parent_path());
  std::filesystem::copy_file(LEDGER_TOOL, copy);
  Write({Record(2005, 6, 1, kFuel, 100, 0, 0)});
  const ToolResult chart =
      testing_support::Run({copy.string(), "chart", File(), "2005", At("chart.png")});
  EXPECT_EQ(1, chart.exitStatus);
  EXPECT_EQ(0u, chart.err.find("roadtally-ledger: cannot load the chart module: ")) << chart.err;
  EXPECT_EQ(1, std::count(chart.err.begin(), chart.err.end(), '\n')) << chart.err;
  EXPECT_FALSE(std::filesystem::exists(At("chart.png")));

  const ToolResult add =
      testing_support::Run({copy.string(), "add", File(), "2005-06-02", "0", "10", "20000", "100"});
  EXPECT_EQ(0, add.exitStatus) << add.err;
  const ToolResult show = testing_support::Run({copy.string(), "show", File()});
  EXPECT_EQ(0, show.exitStatus) << show.err;
  EXPECT_NE(std::string::npos, show.out.find("\n2005-06-02\t0\t")) << show.out;
}

// --- the tool as a new user meets it ------------------------------------

TEST_F(InsightsTest, ItemsHelpAndSpreadsheetCsv) {
  const ToolResult items = Run({"items"});
  EXPECT_EQ(0, items.exitStatus);
  EXPECT_EQ(0u, items.out.find("item_id\titem\n0\t주유-충전\n1\t휠얼라인먼트 점검\n"));
  EXPECT_EQ(items.out.size() - std::string("21\t와이퍼 블레이드\n").size(),
            items.out.find("21\t와이퍼 블레이드\n"));

  const ToolResult help = Run({"--help"});
  for (const char* word : {"litres", "won", "kilometres", "stats", "last", "import", "chart",
                           "items", "roadtally-ledger import Roadtally.dat expenses.csv"}) {
    EXPECT_NE(std::string::npos, help.out.find(word)) << word;
  }

  Write({Record(2005, 3, 8, kFuel, 5500000, 4050, 412300)});
  const ToolResult plain = Run({"csv", File()});
  const ToolResult excel = Run({"csv", File(), "--excel"});
  EXPECT_EQ(0, excel.exitStatus);
  EXPECT_EQ("\xEF\xBB\xBF" + plain.out, excel.out);
  EXPECT_EQ(std::string::npos, plain.out.find("\xEF\xBB\xBF"));
  EXPECT_EQ(
      "date\titem_id\titem\tfuel_l\tcost\tdistance_km\n2005-03-08\t0\t주유-충전\t40.50\t55000."
      "00\t412.300\n",
      Run({"show", File()}).out);
}

}  // namespace
