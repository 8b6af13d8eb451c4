// Writes the DXF definitions file, the opening that every binary DXF drawing of the program
// copies: make_dxf_defs [path], by default data/DXF-defs.INI of the source tree.

#include <exception>
#include <filesystem>
#include <iostream>

#include "drawing/dxf_opening.h"
#include "records/scratch_file.h"

int main(int argc, char** argv) {
  const std::filesystem::path target = argc > 1 ? argv[1] : "data/DXF-defs.INI";
  try {
    calvora::ScratchFile file(target);
    const std::string opening = calvora::DxfOpening(calvora::DxfFormat::Binary);
    file.Write(opening);
    file.Commit();
  } catch (const std::exception& error) {
    std::cerr << "make_dxf_defs: " << error.what() << '\n';
    return 1;
  }
  std::cout << "make_dxf_defs: wrote " << target.string() << '\n';
  return 0;
}
