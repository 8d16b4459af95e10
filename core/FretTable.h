#pragma once

#include <array>
#include <cstdint>

namespace korvanel {

inline constexpr int kSemitonesPerOctave = 12;
inline constexpr int kFretCount = 24;

// The frets of an equal-tempered fingerboard for one scale length, in
// millimetres. Index 0 of both arrays is the nut. All values start at 0.
struct FretTable {
  // Loop counter of every walk over the frets; holds 25 after a full walk.
  std::int16_t FretIndex = 0;
  double ScaleLength = 0;
  double RatioSum = 0;
  double FirstStep = 0;
  // Distance from the nut to fret k.
  std::array<double, kFretCount + 1> WholeDistance{};
  // Distance from fret k-1 to fret k.
  std::array<double, kFretCount + 1> StepDistance{};
};

// Recomputes the whole table from `table.ScaleLength`. Each step is derived
// from the one before and the distances from the nut are a running sum, so
// the rounding of the figures is that of a fingerboard laid out fret by fret.
// Throws std::domain_error when the scale length is not a finite number.
void ComputeFrets(FretTable& table);

// Distance from the last fret to the bridge.
double BridgeRemainder(const FretTable& table);

}  // namespace korvanel
