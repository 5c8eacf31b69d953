// belote-selfplay: plays deals with no window, the human's seat taken by the
// computer rules or by random choices, and can write what happened in every
// deal as JSON lines.
#include <CLI/CLI.hpp>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <limits>
#include <optional>
#include <string>

#include "SelfPlay.h"

namespace {

// Ten thousand million deals would keep the machine busy for a day or more.
constexpr std::int64_t kMostDeals = 10'000'000'000;

// The count of deals from the command line, or nothing when it is not a
// whole number from 0 up to kMostDeals.
std::optional<std::int64_t> DealCount(const std::string& text) {
  std::int64_t count = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, count);
  if (text.empty() || error != std::errc() || stop != end || count < 0 || count > kMostDeals) {
    return std::nullopt;
  }
  return count;
}

// The seed from the command line, read like its other numbers (a leading 0x
// for hexadecimal, a leading 0 for octal), or nothing when it is not a whole
// number that fits in 64 bits.
std::optional<std::int64_t> Seed(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long long seed = std::strtoll(text.c_str(), &end, 0);
  if (errno == ERANGE || end != text.c_str() + text.size()) return std::nullopt;
  return seed;
}

int Refuse(const std::string& message) {
  std::cerr << "belote-selfplay: " << message << "\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using belote::selfplay::HumanMode;

  CLI::App app{"Plays belote deals with no window, for checks and measurements."};
  belote::selfplay::RunOptions options;
  std::string human;
  std::string transcriptPath;
  std::string deals;
  std::string seed;
  app.add_option("--deals", deals, "Deals to play to their end (redeals not counted)")->required();
  app.add_option(
         "--seed", seed,
         "Second the first shuffle is seeded with, each later shuffle one second more: a "
         "whole number from -9223372036854775808 up to 9223372036854775807, negative seconds "
         "(before 1970) included")
      ->required()
      ->type_name("INT");
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

  const std::optional<std::int64_t> count = DealCount(deals);
  if (!count) {
    return Refuse("--deals " + deals +
                  ": the number of deals must be a whole number from 0 up to " +
                  std::to_string(kMostDeals) + " (a longer run would take days)");
  }
  options.deals = *count;
  const std::optional<std::int64_t> first = Seed(seed);
  if (!first) {
    return Refuse("--seed " + seed + ": the seed must be a whole number from " +
                  std::to_string(std::numeric_limits<std::int64_t>::min()) + " up to " +
                  std::to_string(std::numeric_limits<std::int64_t>::max()));
  }
  options.seed = *first;
  // Every deal is shuffled with a second of its own, counted up from the
  // seed; past the largest second there is none left.
  const std::int64_t lastSecond = std::numeric_limits<std::int64_t>::max();
  if (options.deals > 0 && options.seed > 0 && lastSecond - options.seed < options.deals - 1) {
    return Refuse("--seed " + seed + " leaves seconds for only " +
                  std::to_string(lastSecond - options.seed + 1) +
                  " deals; choose a smaller seed for " + std::to_string(options.deals) + " deals");
  }
  if (app.count("--transcript") > 0 && transcriptPath.empty()) {
    return Refuse("--transcript needs a file name, or - for the standard output");
  }

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

  const std::string transcriptName = transcriptPath == "-" ? "the standard output" : transcriptPath;
  int status = 0;
  if (result.transcriptFailed) {
    std::cerr << "belote-selfplay: writing the transcript to " << transcriptName
              << " failed; the run stopped there\n";
    status = 1;
  } else if (!result.error.empty()) {
    std::cerr << "belote-selfplay: " << result.error << "\n";
    status = 1;
  }
  if (options.transcript != nullptr && !result.transcriptFailed) {
    options.transcript->flush();
    if (!*options.transcript) {
      std::cerr << "belote-selfplay: writing the transcript to " << transcriptName << " failed\n";
      status = 1;
    }
  }
  const double seconds = elapsed.count();
  const double rate = seconds > 0 ? static_cast<double>(result.deals) / seconds : 0.0;
  std::fprintf(stderr, "deals=%lld seconds=%.3f deals_per_second=%.0f\n",
               static_cast<long long>(result.deals), seconds, rate);
  return status;
}
