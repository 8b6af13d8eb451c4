#pragma once
// One line of the plan-coordinate file: station label, X, Y, Z in print zones, CR LF.

#include <string>

namespace calvora {

void WriteStationLine(std::string& file, double station, double x, double y, double z);

}  // namespace calvora
