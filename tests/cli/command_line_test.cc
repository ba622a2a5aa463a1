// zorvanel table and plan: the tables and plans against a computation of
// their own, the PDF read back, the errors, and the data file read while the
// program runs.
#include "cli/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include "driver_process.h"
#include "file_bytes.h"
#include "platform/regular_file.h"
#include "sample_data.h"
#include "scratch_folder.h"

namespace zorvanel {
namespace {

using ::testing::HasSubstr;
using testing::ReadFile;
using testing::WriteFile;

struct Outcome {
  int status;
  std::string out, err;
};

// The output of a shell command, e.g. pdftotext.
std::string CommandOutput(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"),
                                             pclose);
  std::string text;
  char buffer[4096];
  while (pipe && fgets(buffer, sizeof buffer, pipe.get())) text += buffer;
  return text;
}

// The depth of field worked out here, from the formulas photographers use:
// the real f-number is the sixth of a stop nearest to the one marked.
struct Expected3 {
  double near, far, hyperfocal;  // metres; far < 0 for infinity
};
Expected3 Independent(double f, double marked, double c, double s_m) {
  const double k = std::clamp(std::round(12 * std::log2(marked)), 1.0, 73.0);
  const double n = std::pow(2.0, k / 12);
  const double h = f * f / (n * c) + f;
  const double s = s_m * 1000;
  const double far = s * (h - f) / (h - s);
  return {s * (h - f) / (h + s - 2 * f) / 1000,
          far < 0 || far / 1000 >= 5000 ? -1 : far / 1000, h / 1000};
}

class CommandLineTest : public ::testing::Test {
 protected:
  void Use(const Zorvanel& data) {
    WriteFile(folder_ / "ZorvanelData.ptb", data.SerializeAsString());
  }
  Outcome Run(std::vector<std::string> args, const char* command = "table") {
    args.insert(args.begin(),
                {"zorvanel", command, "--folder", folder_.path().string()});
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const int status = RunCommandLine(static_cast<int>(argv.size()),
                                      argv.data(), ZV_BIN_DIR, out, err);
    return {status, out.str(), err.str()};
  }
  std::string Path(const std::string& name) {
    return (folder_ / name).string();
  }

  testing::ScratchFolder folder_;
};

TEST_F(CommandLineTest, TextIsTheScreensNumbersInColumns) {
  Use(testing::FiftyMillimetreData());
  const Outcome run = Run({});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Camera: Test Body\n"
            "Lens: Test Fifty\n"
            "Circle of confusion: 0.030 mm\n"
            "Units: m/cm\n"
            "\n"
            "Focal: 50 mm\n"
            "Distance:   f/2.8\n"
            "3 m         2.73 m \u2013 3.33 m\n"
            "40 m        17 m \u2013 \u221E\n"
            "Hyperfocal  29.5 m: 14.8 m \u2013 \u221E\n"
            "* Diffraction from f/22.4\n");
}

TEST_F(CommandLineTest, CsvHoldsEveryCellAsComputedIndependently) {
  const Zorvanel kit = testing::KitZoomData();
  Use(kit);
  const Outcome run = Run({"--format", "csv"});
  ASSERT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line,
            "camera,lens,coc_mm,focal_mm,aperture,row,focus_m,near_m,"
            "far_m,hyperfocal_m\r");
  std::set<double> focals, apertures;
  int rows = 0;
  while (std::getline(lines, line)) {
    ++rows;
    std::vector<std::string> f;
    std::stringstream fields(line.substr(0, line.size() - 1));
    for (std::string field; std::getline(fields, field, ',');) {
      f.push_back(field);
    }
    if (f.size() == 9) f.push_back("");  // an empty far limit ends the row
    ASSERT_EQ(f.size(), 10u) << line;
    EXPECT_EQ(f[0] + "," + f[1] + "," + f[2],
              "Canon EOS 600D,Canon EF-S 18-55mm,0.018");
    const double focal = std::stod(f[3]), marked = std::stod(f[4]);
    focals.insert(focal);
    apertures.insert(marked);
    const Expected3 want = Independent(focal, marked, 0.018, std::stod(f[6]));
    EXPECT_NEAR(std::stod(f[7]), want.near, 1e-12 * want.near) << line;
    EXPECT_NEAR(std::stod(f[9]), want.hyperfocal, 1e-12 * want.hyperfocal);
    if (want.far < 0) {
      EXPECT_EQ(f[8], "") << line;
    } else {
      EXPECT_NEAR(std::stod(f[8]), want.far, 1e-9 * want.far) << line;
    }
    if (f[5] == "hyperfocal") {
      EXPECT_EQ(f[6], f[9]);
    }
  }
  // The whole stops of f/2.8 - f/22 and all 10 focal lengths; 31 distances
  // and the hyperfocal row each.
  EXPECT_EQ(apertures, (std::set<double>{2.8, 4, 5.6, 8, 11, 16, 22}));
  EXPECT_EQ(focals.size(), 10u);
  EXPECT_EQ(rows, 10 * 7 * 32);
}

// The rows of a CSV, each split at its commas, without the header.
std::vector<std::vector<std::string>> CsvRows(const std::string& csv) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(csv);
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line)) {
    line.pop_back();  // CR
    std::vector<std::string>& row = rows.emplace_back();
    std::stringstream fields(line + ",");
    for (std::string field; std::getline(fields, field, ',');) {
      row.push_back(field);
    }
  }
  return rows;
}

TEST_F(CommandLineTest, PlanGivesTheExactAnswerTheStopToSetAndAStack) {
  Use(testing::KitZoomData());
  // Sharp from 3 m to 6 m at 50 mm: focus at 2 Dn Df / (Dn + Df) = 4 m,
  // f-number f^2 s (Df - Dn) / (2 c (s - f) Dn Df) = 11.72, set f/13.
  auto rows = CsvRows(
      Run({"--near", "3", "--far", "6", "--focal", "50", "--format", "csv"},
          "plan")
          .out);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1][0] + rows[2][0] + rows[3][0], "neededsetdiffraction");
  EXPECT_DOUBLE_EQ(std::stod(rows[1][4]), 4.0);
  EXPECT_NEAR(std::stod(rows[1][3]),
              2500.0 * 4000 * 3000 / (2 * 0.018 * 3950 * 3000 * 6000), 1e-9);
  const Expected3 set = Independent(50, 13, 0.018, 4.0);
  EXPECT_EQ(rows[2][3], "13");
  EXPECT_NEAR(std::stod(rows[2][5]), set.near, 1e-12);
  EXPECT_NEAR(std::stod(rows[2][6]), set.far, 1e-12);
  EXPECT_THAT(Run({"--near", "3", "--far", "6", "--focal", "50"}, "plan").out,
              HasSubstr("Focus at 4 m\nNeeded: f/11.7\nSet: f/13: "));
  // From 50 cm to infinity needs f/146: a stack below the diffraction
  // limit (f/13.4), each shot taking over where the last one ends.
  rows = CsvRows(
      Run({"--near", "0.5", "--focal", "50", "--format", "csv"}, "plan").out);
  ASSERT_GT(rows.size(), 4u);
  EXPECT_EQ(rows.back()[7], "beyond_narrowest");
  double reached = 0.5;
  for (const auto& row : rows) {
    if (row[0] != "shot") continue;
    EXPECT_EQ(row[3], "13");
    EXPECT_LE(std::stod(row[5]), reached) << row[1];
    reached = row[6].empty() ? 1e9 : std::stod(row[6]);
  }
  EXPECT_EQ(reached, 1e9) << "the last shot reaches infinity";
}

// A CSV field against the plan screen's dump, which rounds metres to 0.1 mm
// and f-numbers to 0.01; null is an empty field.
void ExpectAsDumped(const std::string& field, const nlohmann::json& dumped,
                    double rounding) {
  if (dumped.is_null()) {
    EXPECT_EQ(field, "");
  } else {
    EXPECT_NEAR(std::stod(field), dumped.get<double>(), rounding / 2);
  }
}

TEST_F(CommandLineTest, PlanAnswersAsThePlanScreenDoes) {
  Use(testing::KitZoomData());
  hardening::DriverProcess driver(ZV_DRIVER, folder_.path(), "480x640",
                                  folder_ / "driver.log");
  // As opened (the main screen's limits, "to" past "Sharp from"), then from
  // the nearest distance, which needs a stack.
  driver.Send("type p");
  std::vector<nlohmann::json> plans = {driver.Dump()["plan"]};
  driver.Send("key home");
  plans.push_back(driver.Dump()["plan"]);
  for (const nlohmann::json& plan : plans) {
    ASSERT_TRUE(plan["focus_m"].is_number()) << plan.dump();
    const std::string far = plan["far_m"].is_null()
                                ? "inf"
                                : std::to_string(plan["far_m"].get<double>());
    const auto rows = CsvRows(
        Run({"--near", std::to_string(plan["near_m"].get<double>()), "--far",
             far, "--format", "csv"},
            "plan")
            .out);
    std::vector<const std::vector<std::string>*> shots;
    for (const auto& row : rows) {
      if (row[0] == "needed") {
        ExpectAsDumped(row[3], plan["needed_f"], 0.01);
        ExpectAsDumped(row[4], plan["focus_m"], 1e-4);
      } else if (row[0] == "set") {
        ExpectAsDumped(row[3], plan["set_f"], 0.01);
        ExpectAsDumped(row[5], plan["set_near_m"], 1e-4);
        ExpectAsDumped(row[6], plan["set_far_m"], 1e-4);
      } else if (row[0] == "shot") {
        shots.push_back(&row);
      }
    }
    const nlohmann::json& stack = plan["stack"];
    ASSERT_EQ(shots.size(), stack.is_null() ? 0u : stack["shots"].size());
    for (size_t i = 0; i < shots.size(); ++i) {
      const std::vector<std::string>& shot = *shots[i];
      ExpectAsDumped(shot[3], stack["f"], 0.01);
      ExpectAsDumped(shot[4], stack["shots"][i]["focus_m"], 1e-4);
      ExpectAsDumped(shot[5], stack["shots"][i]["near_m"], 1e-4);
      ExpectAsDumped(shot[6], stack["shots"][i]["far_m"], 1e-4);
    }
  }
  EXPECT_FALSE(plans.back()["stack"].is_null());
  driver.Send("soft right");
  driver.Send("close");
  EXPECT_EQ(driver.Finish(), 0);
}

TEST_F(CommandLineTest, PdfCardHoldsTheTextTablesNumbers) {
  Use(testing::KitZoomData());
  const std::string text = Run({"--focal", "18"}).out;
  ASSERT_EQ(Run({"--focal", "18", "--format", "pdf", "--output",
                 Path("card.pdf"), "--paper", "letter"})
                .status,
            0);
  // In the order drawn: each cell's near limit, then its far limit.
  const std::string pdf =
      CommandOutput("pdftotext -raw " + Path("card.pdf") + " -");
  ASSERT_THAT(pdf, HasSubstr("Camera: Canon EOS 600D"))
      << "is poppler-utils installed?";
  EXPECT_THAT(pdf, HasSubstr("Diffraction from f/13.4"));
  // Every limit the text gives is on the card.
  static const std::regex kLimit("[0-9.]+ (cm|m)");
  std::string missing;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kLimit);
       it != std::sregex_iterator(); ++it) {
    if (pdf.find(it->str()) == std::string::npos) missing += it->str() + "; ";
  }
  EXPECT_EQ(missing, "");
}

TEST_F(CommandLineTest, ALargeTableIsCutIntoPiecesThatFitTheirPages) {
  Use(testing::KitZoomData());
  std::string apertures = "1";
  for (int k = 1; k < 36; ++k)
    apertures += "," + std::to_string(std::pow(2, k / 6.0));
  ASSERT_EQ(Run({"--focal", "50", "--apertures", apertures, "--format", "pdf",
                 "--output", Path("big.pdf")})
                .status,
            0);
  const std::string boxes =
      CommandOutput("pdftotext -bbox " + Path("big.pdf") + " -");
  static const std::regex kPage(
      "<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"");
  static const std::regex kWord(
      "xMin=\"([0-9.-]+)\" yMin=\"([0-9.-]+)\" xMax=\"([0-9.-]+)\" "
      "yMax=\"([0-9.-]+)\"");
  int pages = 0;
  double width = 0, height = 0;
  std::istringstream lines(boxes);
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (std::regex_search(line, m, kPage)) {
      ++pages;
      width = std::stod(m[1]);
      height = std::stod(m[2]);
    } else if (std::regex_search(line, m, kWord)) {
      EXPECT_GE(std::stod(m[1]), 18) << line;
      EXPECT_GE(std::stod(m[2]), 18) << line;
      EXPECT_LE(std::stod(m[3]), width - 18) << line;
      EXPECT_LE(std::stod(m[4]), height - 18) << line;
    }
  }
  EXPECT_GT(pages, 1);
}

TEST_F(CommandLineTest, EveryErrorEndsWithStatusTwoAndWritesNothing) {
  Use(testing::KitZoomData());
  const std::string out = Path("out.txt");
  const struct {
    std::vector<std::string> args;
    const char* reason;
  } kCases[] = {
      {{"--colour", "red"}, "unknown option --colour"},
      {{"--output"}, "--output needs a value"},
      {{"--units", "cubits"}, "--units must be metric or imperial"},
      {{"--format", "pdf"}, "--format pdf needs --output"},
      {{"--paper", "a5", "--output", out}, "--paper must be a4 or letter"},
      {{"--coc", "abc", "--output", out}, "--coc must be a number"},
      {{"--coc", "5", "--output", out}, "--coc must be a number"},
      {{"--apertures", "2.8,f/x", "--output", out}, "\"f/x\" is not a value"},
      {{"--distances", "-1", "--output", out}, "\"-1\" is not a value"},
      {{"--focal", "", "--output", out}, "--focal: \"\" is not a value"},
      {{"--camera", "Nikon", "--output", out}, "no camera \"Nikon\""},
      {{"--lens", "EF-S 18-35", "--output", out},
       "close: \"Canon EF-S 18-55mm\""},
      {{"--language", "Klingon", "--output", out}, "unknown language"},
      {{"--output", Path("none/out.txt")}, "cannot write"},
      {{"plan"}, "plan needs --near"},
      {{"plan", "--near", "1", "--output", out}, "unknown option --output"},
      {{"plan", "--near", "1m"}, "--near: \"1m\" is not a value"},
      {{"plan", "--near", "1", "--far", "infinite"}, "--far: \"infinite\""},
      {{"plan", "--near", "1", "--focal", "18,55"}, "--focal takes one"},
      {{"plan", "--near", "1", "--format", "pdf"}, "must be text or csv"},
  };
  for (auto c : kCases) {
    const bool plan = c.args[0] == "plan";
    if (plan) c.args.erase(c.args.begin());
    const Outcome run = Run(c.args, plan ? "plan" : "table");
    EXPECT_EQ(run.status, 2) << c.reason;
    EXPECT_EQ(run.out, "") << c.reason;
    EXPECT_THAT(run.err, HasSubstr(c.reason));
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  EXPECT_EQ(folder_.FileNames(), std::vector<std::string>{"ZorvanelData.ptb"});
  // A data file that is missing or cannot be read.
  for (const std::string& bytes : {std::string(), std::string("\xFF\xFF")}) {
    if (bytes.empty()) {
      std::filesystem::remove(folder_ / "ZorvanelData.ptb");
    } else {
      WriteFile(folder_ / "ZorvanelData.ptb", bytes);
    }
    const Outcome run = Run({"--output", out});
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr("ZorvanelData.ptb"));
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST_F(CommandLineTest, NamesIgnoreCaseAndAPartWillDoWhenOnlyOneHasIt) {
  Zorvanel data = testing::KitZoomData();
  Lens* other = data.mutable_equipment()->add_lenses();
  *other = data.equipment().lenses(0);
  other->set_model("EF 50mm");
  Use(data);
  EXPECT_THAT(Run({"--lens", "canon ef 50MM"}).out,
              HasSubstr("Lens: Canon EF 50mm"));
  EXPECT_THAT(Run({"--lens", "18-55"}).out,
              HasSubstr("Lens: Canon EF-S 18-55mm"));
  EXPECT_THAT(
      Run({"--lens", "canon"}).err,
      HasSubstr("ambiguous: \"Canon EF-S 18-55mm\", \"Canon EF 50mm\""));
}

TEST_F(CommandLineTest, ReadingBesideTheRunningProgramChangesNothing) {
  Use(testing::FiftyMillimetreData());
  hardening::DriverProcess driver(ZV_DRIVER, folder_.path(), "480x640",
                                  folder_ / "driver.log");
  ASSERT_FALSE(driver.Dump().is_discarded());
  const std::vector<std::string> files = folder_.FileNames();
  const std::string bytes = ReadFile(folder_ / "ZorvanelData.ptb");
  const auto identity = IdentityOf(Path("ZorvanelData.ptb"));
  EXPECT_EQ(Run({}).status, 0);
  EXPECT_EQ(folder_.FileNames(), files);
  EXPECT_EQ(ReadFile(folder_ / "ZorvanelData.ptb"), bytes);
  EXPECT_EQ(IdentityOf(Path("ZorvanelData.ptb")), identity);
  // The program saves as if nothing had happened: no question, no copy.
  driver.Send("close");
  EXPECT_EQ(driver.Finish(), 0);
  EXPECT_EQ(folder_.FileNames(), files);
  EXPECT_EQ(ReadFile(folder_ / "driver.log"), "");
}

}  // namespace
}  // namespace zorvanel
