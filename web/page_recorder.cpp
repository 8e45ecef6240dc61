// The page's recording: the blocks go to the page script, which keeps the file.
#include "web/page_recorder.h"

#include <emscripten.h>

#include <array>
#include <cmath>
#include <cstdio>

#include "web/browser.h"

namespace stonewick::page {

PageRecorder::PageRecorder(const EventNesting& nesting)
    : nesting_(nesting), recording_(nesting), startMs_(emscripten_get_now()) {
  std::array<char, 32> date{};
  page_local_date(date.data(), static_cast<int>(date.size()));
  page_record(Recording::Heading(date.data()).c_str());
}

void PageRecorder::BeginEvent(const Event& event) {
  if (!Taking()) {
    // The clock moves on even once nothing is written: the rules keep reading it.
    recording_.SkipEvent(RealMs());
  } else if (!recording_.BeginEvent(event, RealMs())) {
    // The page lets events in only at yield points, so this would be a fault of the page.
    std::fputs(
        "stonewick: an event ran outside the places a replay can put it; the game goes "
        "on without recording\n",
        stderr);
    End();
  }
}

void PageRecorder::EndEvent(const std::function<std::string()>& state) {
  if (!recording_.EndEvent()) {
    return;
  }
  if (ended_) {
    recording_.TakeBlock({});
    return;
  }
  // A window that has closed leaves no state to check.
  page_record(recording_.TakeBlock(windowClosed_ ? std::string() : state()).c_str());
  if (windowClosed_) {
    End();
  }
}

void PageRecorder::EndWithState(const std::string& dump) {
  if (!Taking() || nesting_.Depth() > 0) {
    return;
  }
  page_record(recording_.FinalState(dump, RealMs()).c_str());
  End();
}

void PageRecorder::Answer(char answer) {
  if (Taking()) {
    recording_.Answer(answer);
  }
}

void PageRecorder::Reading(std::uint32_t reading) {
  if (Taking()) {
    recording_.Reading(reading);
  }
}

void PageRecorder::WindowClosed() {
  windowClosed_ = true;
  if (nesting_.Depth() == 0) {
    End();
  }
}

std::int64_t PageRecorder::RealMs() const {
  return static_cast<std::int64_t>(std::floor(emscripten_get_now() - startMs_));
}

void PageRecorder::End() {
  if (!ended_) {
    ended_ = true;
    page_recording_ended();
  }
}

}  // namespace stonewick::page
