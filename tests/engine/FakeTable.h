// A recording stand-in for the card table window. It keeps what each control
// shows, logs every call in order, and answers boxes and the suit chooser
// from scripts the test gives it.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Bidding.h"
#include "engine/TableWindow.h"
#include "model/TableState.h"

namespace belote {

struct BoxCall {
  Box kind;
  std::string text;
  Buttons buttons;
  bool positioned;
  int x;
  int y;
};

// The seconds clock for tests: the same second every time, or moving on by
// `step` seconds at every reading (as the real one does between deals).
class TestClock : public SecondsClock {
 public:
  explicit TestClock(std::int64_t start = 1700000000, std::int64_t step = 0)
      : t_(start), step_(step) {}
  std::int64_t Now() override {
    const std::int64_t now = t_;
    t_ += step_;
    return now;
  }

 private:
  std::int64_t t_;
  std::int64_t step_;
};

class FakeTable : public TableWindow {
 public:
  explicit FakeTable(TableState* state = nullptr) : state_(state) {}

  // --- Scripts ---
  std::deque<int> boxAnswers;      // answers for boxes, in order; 6 when empty
  std::deque<int> chooserPresses;  // x of suit chooser presses; 300 (pass) when empty
  std::function<int(const std::string&)> answerFor;  // if set, answers every box

  // --- What the table shows ---
  std::map<Control, std::string> text;
  std::map<Control, std::string> picture;
  std::map<Control, int> left;
  std::map<Control, int> top;

  // --- What was asked of it ---
  std::vector<std::string> log;  // every call, e.g. "SetText ET14=..."
  std::vector<BoxCall> boxes;
  std::vector<std::string> sounds;
  int pauses = 0;
  int timerStarts = 0;
  int chooserRuns = 0;
  bool quitCalled = false;
  bool closing = false;

  void SetText(Control c, std::string_view t) override {
    text[c] = std::string(t);
    log.push_back(std::string("SetText ") + ControlName(c) + "=" + std::string(t));
  }
  void LoadPicture(Control image, std::string_view file) override {
    picture[image] = std::string(file);
    log.push_back(std::string("LoadPicture ") + ControlName(image) + "=" + std::string(file));
  }
  void CopyPicture(Control from, Control to) override {
    picture[to] = picture[from];
    log.push_back(std::string("CopyPicture ") + ControlName(from) + "->" + ControlName(to));
  }
  void SetImageLeft(Control image, int l) override {
    left[image] = l;
    log.push_back(std::string("SetImageLeft ") + ControlName(image) + "=" + std::to_string(l));
  }
  void SetImageTop(Control image, int t) override {
    top[image] = t;
    log.push_back(std::string("SetImageTop ") + ControlName(image) + "=" + std::to_string(t));
  }
  void StartAnimationTimer() override {
    ++timerStarts;
    log.push_back("StartAnimationTimer");
  }
  void Pause() override {
    ++pauses;
    log.push_back("Pause");
  }
  int MessageBox(Box box, const std::string& t, Buttons buttons,
                 std::optional<BoxPlace> pos) override {
    boxes.push_back({box, t, buttons, pos.has_value(), pos ? pos->x : 0, pos ? pos->y : 0});
    log.push_back("MessageBox " + t);
    if (answerFor) return answerFor(t);
    if (boxAnswers.empty()) return kAnswerYes;
    const int a = boxAnswers.front();
    boxAnswers.pop_front();
    return a;
  }
  void RunSuitChooser() override {
    ++chooserRuns;
    log.push_back("RunSuitChooser");
    for (int guard = 0; guard < 100; ++guard) {
      int x = 300;
      if (!chooserPresses.empty()) {
        x = chooserPresses.front();
        chooserPresses.pop_front();
      }
      log.push_back("Press " + std::to_string(x));
      if (state_ == nullptr || SuitChooserPress(*state_, *this, x)) return;
    }
  }
  void PlaySound(const std::string& file) override {
    sounds.push_back(file);
    log.push_back("PlaySound " + file);
  }
  void Quit() override {
    quitCalled = true;
    closing = true;
    log.push_back("Quit");
  }
  bool Closing() const override { return closing; }

  // Texts shown in boxes, in order.
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> out;
    for (const auto& b : boxes) out.push_back(b.text);
    return out;
  }

 private:
  TableState* state_;
};

}  // namespace belote
