// belote-selfplay: plays deals with no window, the human's seat taken by the
// computer rules or by random choices, and can write what happened in every
// deal as JSON lines.
#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "SelfPlay.h"

int main(int argc, char** argv) {
  using belote::selfplay::HumanMode;

  CLI::App app{"Plays belote deals with no window, for checks and measurements."};
  belote::selfplay::RunOptions options;
  std::string human;
  std::string transcriptPath;
  app.add_option("--deals", options.deals, "Deals to play to their end (redeals not counted)")
      ->required()
      ->check(CLI::NonNegativeNumber);
  app.add_option("--seed", options.seed, "Second the first shuffle is seeded with")->required();
  app.add_option("--human", human, "Who plays seat 1: computer or random")
      ->required()
      ->check(CLI::IsMember({"computer", "random"}));
  app.add_option("--target", options.target, "Points needed to win a game")->capture_default_str();
  app.add_option("--transcript", transcriptPath,
                 "Write one JSON line per deal to FILE, - for stdout");
  app.add_flag(
      "--check", options.check,
      "Verify every deal as it is played; stop with the seed and deal at the first breach");
  CLI11_PARSE(app, argc, argv);

  options.human = human == "random" ? HumanMode::Random : HumanMode::Computer;

  std::ofstream file;
  if (transcriptPath == "-") {
    options.transcript = &std::cout;
  } else if (!transcriptPath.empty()) {
    file.open(transcriptPath, std::ios::binary | std::ios::trunc);
    if (!file) {
      std::cerr << "belote-selfplay: cannot write the transcript to " << transcriptPath << "\n";
      return 1;
    }
    options.transcript = &file;
  }

  const auto start = std::chrono::steady_clock::now();
  const auto result = belote::selfplay::RunSelfPlay(options);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

  int status = 0;
  if (!result.error.empty()) {
    std::cerr << "belote-selfplay: " << result.error << "\n";
    status = 1;
  }
  if (options.transcript != nullptr) {
    options.transcript->flush();
    if (!*options.transcript) {
      std::cerr << "belote-selfplay: writing the transcript failed\n";
      status = 1;
    }
  }
  const double seconds = elapsed.count();
  const double rate = seconds > 0 ? static_cast<double>(result.deals) / seconds : 0.0;
  std::fprintf(stderr, "deals=%lld seconds=%.3f deals_per_second=%.0f\n",
               static_cast<long long>(result.deals), seconds, rate);
  return status;
}
