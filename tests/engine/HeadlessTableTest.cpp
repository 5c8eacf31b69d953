// A table without a screen is handed the rules' texts only when it asks to
// keep them, and never a picture or a move; a table with a screen is handed
// everything.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeTable.h"
#include "engine/TableWindow.h"

namespace belote {
namespace {

class CountingHeadlessTable : public HeadlessTable {
 public:
  explicit CountingHeadlessTable(bool keepsTexts) : HeadlessTable(keepsTexts) {}

  std::vector<std::string> texts;
  int picturesAndMoves = 0;

  int MessageBox(Box, const std::string&, Buttons, std::optional<ScreenPos>) override {
    return kAnswerYes;
  }
  void RunSuitChooser() override {}
  void Quit() override {}
  bool Closing() const override { return false; }

 protected:
  void ShowText(Control, std::string_view text) override { texts.emplace_back(text); }
  void ShowPicture(Control, std::string_view) override { ++picturesAndMoves; }
  void ShowCopiedPicture(Control, Control) override { ++picturesAndMoves; }
  void MoveImageLeft(Control, int) override { ++picturesAndMoves; }
  void MoveImageTop(Control, int) override { ++picturesAndMoves; }
};

void WriteOneOfEach(TableWindow& w) {
  w.SetText(Control::ET14, "LES ADVERSAIRES JOUENT");
  w.LoadPicture(Control::Image9, "Im/7.Bmp");
  w.CopyPicture(Control::Image9, Control::Image1);
  w.SetImageLeft(Control::Image10, 180);
  w.SetImageTop(Control::Image1, 420);
}

TEST(HeadlessTable, HandedTextsOnlyWhenItKeepsThemAndNeverPictures) {
  CountingHeadlessTable quiet(false);
  WriteOneOfEach(quiet);
  EXPECT_TRUE(quiet.texts.empty());
  EXPECT_EQ(quiet.picturesAndMoves, 0);

  CountingHeadlessTable keeping(true);
  WriteOneOfEach(keeping);
  EXPECT_EQ(keeping.texts, std::vector<std::string>{"LES ADVERSAIRES JOUENT"});
  EXPECT_EQ(keeping.picturesAndMoves, 0);

  // A table with a screen sees every write.
  FakeTable shown;
  WriteOneOfEach(shown);
  EXPECT_EQ(shown.log.size(), 5u);
  EXPECT_EQ(shown.left[Control::Image10], 180);
  EXPECT_EQ(shown.picture[Control::Image1], "Im/7.Bmp");
}

}  // namespace
}  // namespace belote
