#include "core/FretTable.h"

#include <cmath>
#include <stdexcept>

namespace korvanel {

void ComputeFrets(FretTable& table) {
  // A finite length keeps every sum and quotient below finite: each distance
  // is a fraction of the length and the divisors are fixed numbers near 1
  // and 9. Only infinity or NaN could poison the table.
  if (!std::isfinite(table.ScaleLength)) {
    throw std::domain_error("The scale length is not a finite number.");
  }

  table.RatioSum = 0;
  for (table.FretIndex = 0; table.FretIndex < kSemitonesPerOctave; ++table.FretIndex) {
    // The exponent is -k as single precision (exact for these k) divided by
    // 12 in double precision; a single-precision quotient shifts RatioSum.
    const double exponent = static_cast<double>(-static_cast<float>(table.FretIndex)) / 12;
    table.RatioSum += std::pow(2.0, exponent);
  }

  // The twelve steps of the first octave add up to half the scale length.
  table.FirstStep = table.ScaleLength * (1.0 / 2.0) * (1.0 / table.RatioSum);

  table.StepDistance[0] = 0;
  table.StepDistance[1] = table.FirstStep;
  for (table.FretIndex = 2; table.FretIndex <= kFretCount; ++table.FretIndex) {
    table.StepDistance[table.FretIndex] =
        table.StepDistance[table.FretIndex - 1] / std::pow(2.0, 1.0 / 12.0);
  }

  table.WholeDistance[0] = 0;
  for (table.FretIndex = 1; table.FretIndex <= kFretCount; ++table.FretIndex) {
    table.WholeDistance[table.FretIndex] =
        table.WholeDistance[table.FretIndex - 1] + table.StepDistance[table.FretIndex];
  }
}

double BridgeRemainder(const FretTable& table) {
  return table.ScaleLength - table.WholeDistance[kFretCount];
}

}  // namespace korvanel
