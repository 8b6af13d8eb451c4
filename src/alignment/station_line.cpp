#include "alignment/station_line.h"

#include "numbers/number_text.h"

namespace calvora {

void WriteStationLine(std::string& file, double station, double x, double y, double z) {
  file += PrintZoneLine({StationLabel(station, 3), PrintNumber(x), PrintNumber(y), PrintNumber(z)});
  file += "\r\n";
}

}  // namespace calvora
