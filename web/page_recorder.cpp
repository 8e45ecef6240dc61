// The page's recording: the blocks go to the page script, which keeps the file.
#include "web/page_recorder.h"

#include <emscripten.h>

#include <array>
#include <cmath>
#include <cstdio>

#include "web/browser.h"

namespace stonewick::page {

PageRecorder::PageRecorder(const EventNesting& nesting)
    : GameRecorder(nesting, *this, [start = emscripten_get_now()] {
        return static_cast<std::int64_t>(std::floor(emscripten_get_now() - start));
      }) {
  std::array<char, 32> date{};
  page_local_date(date.data(), static_cast<int>(date.size()));
  Start(date.data());
}

bool PageRecorder::Write(const std::string& text) {
  page_record(text.c_str());
  return true;
}

void PageRecorder::Stopped(const std::string& why) {
  // The page lets events in only at yield points, so an early stop would be a fault of the
  // page; the game goes on, and what was recorded up to it is still offered.
  if (!why.empty()) {
    std::fprintf(stderr, "stonewick: %s; the game goes on without recording\n", why.c_str());
  }
  page_recording_ended();
}

}  // namespace stonewick::page
