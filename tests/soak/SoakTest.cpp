// Long use of the real windows by a random user, on the runtime of this
// build: typing, picking, computing, printing on a printer that fails,
// opening and closing the information windows and the fret template in any
// order, drawing, saving and printing templates of any fields. Set
// KORVANEL_SOAK_SEED to replay a run, KORVANEL_SOAK_ACTIONS for another length.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ControlError.h"
#include "tests/desktop/Desktop.h"
#include "tests/fakes/RecordingPrint.h"
#include "ui/main/mMain.h"

namespace korvanel::test {
namespace {

// Texts a user might type or paste into the scale-length box, and some no
// user would.
std::string RandomText(std::mt19937& random) {
  static const std::vector<std::string> kAlphabet = {
      "0", "1", "2", "3",  "4",  "5",  "6", "7", "8", "9", ".",      ",",      "+",   "-",
      "e", "E", " ", "\t", "\n", "\r", "m", "a", "b", "c", "\u00e9", "\u2026", "\x01"};
  switch (random() % 8) {
    case 0:
      return "1E400";
    case 1:
      return std::string(5000 + random() % 5000, '9');
    case 2:
      return std::to_string(static_cast<int>(random() % 2000) - 1000) + "." +
             std::to_string(random() % 1000);
    default: {
      std::string text;
      const auto length = random() % 24;
      for (unsigned i = 0; i < length; ++i) text += kAlphabet[random() % kAlphabet.size()];
      return text;
    }
  }
}

// The fret template's boxes, and values of the kind a maker types there.
constexpr const char* kTemplateBoxes[] = {
    "cmbBassScale",  "cmbTrebleScale", "txtPerpendicularFret", "txtFrets",     "txtNutSpan",
    "txtBridgeSpan", "txtOverhang",    "txtBoardEnd",          "txtSlotWidth", "txtRulerMeasures"};

std::string RandomField(std::mt19937& random) {
  static const char* const kValues[] = {"0",   "1",   "8",    "12",   "24",   "36",  "0.5",
                                        "3.5", "6",   "35",   "52",   "99.5", "100", "648",
                                        "686", "650", "25.5", "2000", "-1",   "37"};
  return kValues[random() % std::size(kValues)];
}

unsigned SeedFromEnvironment() {
  const char* seed = std::getenv("KORVANEL_SOAK_SEED");
  return seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261208u;
}

// Wine takes some 25 ms an action, so the Windows runs take fewer.
int ActionsFromEnvironment() {
  const char* actions = std::getenv("KORVANEL_SOAK_ACTIONS");
  return actions != nullptr ? std::max(1, std::atoi(actions)) : 10'000;
}

std::vector<std::string> LengthEntries() {
  std::vector<std::string> entries;
  for (int length = 600; length <= 670; length += 5) entries.push_back(std::to_string(length));
  return entries;
}

std::string Describe(const std::map<std::string, long>& resources) {
  std::string text;
  for (const auto& [kind, count] : resources) text += kind + " " + std::to_string(count) + "; ";
  return text;
}

class Soak : public ::testing::Test {
 protected:
  void Act(unsigned action) {
    switch (action) {
      case 0:
        desktop_->Type("mMain", "cmbLength", RandomText(random_));
        break;
      case 1:
        desktop_->Pick("mMain", "cmbLength", static_cast<int>(random_() % 15));
        break;
      case 2:
        desktop_->Click("mMain", "btnCompute");
        break;
      case 3:
        desktop_->PressEnter("mMain", "cmbLength");
        break;
      case 4:
        desktop_->Click("mMain", "mnuTension");
        break;
      case 5:
        desktop_->Click("mMain", "mnuAbout");
        break;
      case 6:
        CloseByButtonOrBox("mTension", "btnOk");
        break;
      case 7:
        CloseByButtonOrBox("mAbout", "btnOK");
        break;
      case 8:
        desktop_->Click("mMain", "mnuPrint");
        break;
      case 9:
        desktop_->Click("mMain", "mnuTemplate");
        break;
      case 10:
        desktop_->Type("mTemplate", kTemplateBoxes[random_() % std::size(kTemplateBoxes)],
                       random_() % 2 == 0 ? RandomText(random_) : RandomField(random_));
        break;
      case 11:
        desktop_->Pick("mTemplate", random_() % 2 == 0 ? "cmbUnits" : "cmbPaper",
                       static_cast<int>(random_() % 2));
        break;
      case 12:
        desktop_->Click("mTemplate", "btnDraw");
        break;
      case 13:
        desktop_->AnswerSaves(random_() % 4 == 0 ? std::nullopt
                                                 : std::optional<std::string>("soak.svg"));
        desktop_->Click("mTemplate", random_() % 2 == 0 ? "btnSaveSvg" : "btnSaveDxf");
        break;
      case 14:
        desktop_->Click("mTemplate", "btnPrint");
        break;
      default:
        CloseByButtonOrBox("mTemplate", "btnClose");
        break;
    }
    desktop_->Settle();
  }

  void CloseByButtonOrBox(std::string_view window, std::string_view button) {
    if (random_() % 2 == 0) {
      desktop_->Click(window, button);
    } else {
      desktop_->CloseBox(window);
    }
  }

  void CheckInvariants(const mMain& main, int step) {
    SCOPED_TRACE("after action " + std::to_string(step));
    ASSERT_TRUE(main.IsLoaded());
    ASSERT_EQ(desktop_->Shown("mMain"), 1);
    const int tension = desktop_->Shown("mTension");
    ASSERT_LE(tension, 1);
    ASSERT_LE(desktop_->Shown("mAbout"), 1);
    if (tension == 1) {
      ASSERT_EQ(desktop_->Rows("mTension", "lst").size(), 6u);
      ++tensionShown_;
    }
    const auto rows = desktop_->Rows("mMain", "lst").size();
    ASSERT_TRUE(rows == 0 || rows == 27) << rows << " rows";
    if (rows == 27) ++fretsListed_;
    ASSERT_EQ(desktop_->Entries("mMain", "cmbLength"), kEntries);
    ASSERT_LE(desktop_->Shown("mTemplate"), 1);
    if (desktop_->Shown("mTemplate") == 1) {
      // Drawn at its load, and only ever drawn again from good fields.
      const auto frets = desktop_->Rows("mTemplate", "lstFrets").size();
      ASSERT_TRUE(frets >= 1 && frets <= 36) << frets << " frets";
      ++templateShown_;
    }
  }

  // Closes every window as the user would, by its close box.
  void CloseAll() {
    for (const char* window : {"mTemplate", "mTension", "mAbout", "mMain"}) {
      desktop_->CloseBox(window);
    }
    desktop_->Settle();
  }

  const std::vector<std::string> kEntries = LengthEntries();
  std::mt19937 random_;
  std::unique_ptr<Desktop> desktop_;
  // After how many actions the checks above saw what they check.
  int tensionShown_ = 0;
  int fretsListed_ = 0;
  int templateShown_ = 0;
};

TEST_F(Soak, RandomActionsKeepTheProgramSoundAndLeaveNothingBehind) {
  const unsigned seed = SeedFromEnvironment();
  const int actions = ActionsFromEnvironment();
  std::printf("soak seed %u, %d actions (KORVANEL_SOAK_SEED replays it)\n", seed, actions);
  SCOPED_TRACE("soak seed " + std::to_string(seed) + " (KORVANEL_SOAK_SEED replays it)");
  random_.seed(seed);
  desktop_ = StartDesktop([this](Form&) -> std::unique_ptr<PrintJob> {
    // Half the print jobs fail somewhere between the dialog and the end.
    const int failAt = random_() % 2 == 0 ? static_cast<int>(1 + random_() % 45) : 0;
    return std::make_unique<test::FailingPrintJob>(failAt);
  });
  const auto before = desktop_->Resources();
  mMain main(desktop_->Runtime());
  main.Show();
  desktop_->Settle();

  for (int step = 1; step <= actions; ++step) {
    Act(static_cast<unsigned>(random_() % 16));
    CheckInvariants(main, step);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(tensionShown_, 0);
  EXPECT_GT(fretsListed_, 0);
  EXPECT_GT(templateShown_, 0);

  CloseAll();
  EXPECT_FALSE(main.IsLoaded());
  for (const char* window : {"mMain", "mTension", "mAbout", "mTemplate"}) {
    EXPECT_EQ(desktop_->Shown(window), 0);
  }
  const auto after = desktop_->Resources();
  std::printf("resources before: %s\nafter: %s\n", Describe(before).c_str(),
              Describe(after).c_str());
  EXPECT_EQ(after, before);
}

TEST_F(Soak, RepeatedUseLeavesNothingBehind) {
  desktop_ = StartDesktop({});
  mMain main(desktop_->Runtime());
  main.Show();
  // The first round loads what stays loaded: the fret list rows, and the
  // information windows' single instances.
  const auto round = [this] {
    desktop_->Click("mMain", "btnCompute");
    desktop_->Click("mMain", "mnuTension");
    desktop_->Click("mTension", "btnOk");
    desktop_->Click("mMain", "mnuAbout");
    desktop_->Click("mAbout", "btnOK");
    desktop_->Click("mMain", "mnuTemplate");
    desktop_->Click("mTemplate", "btnDraw");
    desktop_->Click("mTemplate", "btnClose");
    desktop_->Settle();
  };
  round();
  const auto before = desktop_->Resources();
#ifdef _WIN32
  // A round costs Wine about 40 ms of making and painting windows; the
  // counts must stay equal, so any object left behind by a round shows.
  constexpr int kRounds = 100;
#else
  constexpr int kRounds = 1000;
#endif
  for (int cycle = 0; cycle < kRounds; ++cycle) round();
  const auto after = desktop_->Resources();
  std::printf("before: %s\nafter %d rounds: %s\n", Describe(before).c_str(), kRounds,
              Describe(after).c_str());
  EXPECT_EQ(after, before);
  CloseAll();
}

}  // namespace
}  // namespace korvanel::test
