#include <cmath>

#include "numbers/decimal_form.h"
#include "numbers/number_text.h"

namespace calvora {

// Rounds at the place 10^-digits directly on the decimal form (rather than scaling by a power
// of ten first), so a negative digit count adds no noise of its own: 1250 to -2 is exactly 1300.
double RoundTo(double value, int digits) {
  if (!std::isfinite(value)) {
    return value;
  }
  return DecimalForm(value, digits).Value().value_or(value);
}

}  // namespace calvora
