#pragma once

#include <functional>

#include "platform/win32/Runtime.h"

namespace korvanel::bench {

// Handles what is queued, as the message loop would between two clicks.
void Pump(win32::Win32Runtime& runtime);

// Times `click` `clicks` times, after a tenth as many to warm up, each after
// the queue is handled, and prints `name` with the median, the 99th
// percentile and the largest of a click in microseconds.
void Measure(const char* name, int clicks, win32::Win32Runtime& runtime,
             const std::function<void()>& click);

}  // namespace korvanel::bench
