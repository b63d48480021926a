#include "cli/console_host.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "support/number_text.h"

namespace zelmora::cli {

namespace {

volatile std::sig_atomic_t stop_signalled = 0;

extern "C" void OnStopSignal(int) {
  stop_signalled = 1;
}

constexpr auto kRedrawInterval = std::chrono::milliseconds(200);

std::string Duration(double seconds) {
  const auto whole = static_cast<long>(seconds + 0.5);
  char text[32];
  if (whole >= 3600) {
    std::snprintf(text, sizeof text, "%ldh%02ldm", whole / 3600, whole / 60 % 60);
  } else if (whole >= 60) {
    std::snprintf(text, sizeof text, "%ldm%02lds", whole / 60, whole % 60);
  } else {
    std::snprintf(text, sizeof text, "%lds", whole);
  }
  return text;
}

}  // namespace

void InstallStopSignals() {
  struct sigaction action = {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  std::signal(SIGXFSZ, SIG_IGN);
}

bool StopSignalled() {
  return stop_signalled != 0;
}

ConsoleHost::ConsoleHost(SimParams& params, std::map<ParamField, std::string> texts,
                         int32_t algorithm)
    : params_(params),
      texts_(std::move(texts)),
      algorithm_(algorithm),
      terminal_(::isatty(STDERR_FILENO) != 0),
      started_(std::chrono::steady_clock::now()) {}

void ConsoleHost::RunFieldHandler(ParamField field) {
  if (auto normal = ApplyFieldText(field, texts_[field], params_)) texts_[field] = *normal;
}

// The sweep resets the catch field to "0    " at its start; after that the trial shows it once
// for every animal caught.
void ConsoleHost::ShowCatchText(std::string_view text) {
  if (text != "0    ") ++animals_caught_;
}

// The run counter reads "0/total" at the sweep's start, then "left/total" after each
// combination, then " Finished ".
void ConsoleHost::ShowRunLabel(std::string_view text) {
  const size_t slash = text.find('/');
  if (slash == std::string_view::npos) return;
  combinations_ = ParseIntText(text.substr(slash + 1)).value;
  if (run_counter_shown_) {
    ++combinations_done_;
  } else {
    run_counter_shown_ = true;
    started_ = std::chrono::steady_clock::now();
  }
  DrawProgress(true);
}

void ConsoleHost::PumpEvents() {
  ++trials_run_;
  if (StopSignalled()) stop_requested_ = 1;
  if (terminal_) DrawProgress(false);
}

void ConsoleHost::DrawProgress(bool force) {
  const auto now = std::chrono::steady_clock::now();
  if (!terminal_) {
    if (force && combinations_done_ > 0) {
      std::fprintf(stderr, "%lld/%lld combinations done, %lld caught\n",
                   static_cast<long long>(combinations_done_),
                   static_cast<long long>(combinations_), static_cast<long long>(animals_caught_));
    }
    return;
  }
  if (!force && now - last_drawn_ < kRedrawInterval) return;
  last_drawn_ = now;

  // The share done counts trials, which the grid makes equal in number per combination.
  const int64_t trials_total = combinations_ * std::max<int64_t>(params_.NofTrials, 0);
  const double done = trials_total > 0
                          ? std::min(1.0, double(trials_run_) / trials_total)
                          : (combinations_ > 0 ? double(combinations_done_) / combinations_ : 1.0);
  constexpr int kWidth = 30;
  const int filled = static_cast<int>(done * kWidth);
  std::string bar(static_cast<size_t>(filled), '#');
  bar.append(static_cast<size_t>(kWidth - filled), '.');
  const double elapsed = std::chrono::duration<double>(now - started_).count();
  const std::string left =
      done > 0.001 ? Duration(elapsed * (1 - done) / done) + " left" : "estimating";
  std::fprintf(stderr, "\r[%s] %3d%%  %lld/%lld combinations, %lld caught, %s   ", bar.c_str(),
               static_cast<int>(done * 100), static_cast<long long>(combinations_done_),
               static_cast<long long>(combinations_), static_cast<long long>(animals_caught_),
               left.c_str());
  std::fflush(stderr);
  bar_shown_ = true;
}

void ConsoleHost::EndProgress() {
  if (!bar_shown_) return;
  DrawProgress(true);
  std::fputc('\n', stderr);
  bar_shown_ = false;
}

}  // namespace zelmora::cli
