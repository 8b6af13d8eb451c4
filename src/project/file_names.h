#pragma once
// Names of files as the program derives them; folders may use "/" or "\".

#include <string>

namespace calvora {

// The file name without its folder.
std::string FileNameOf(const std::string& path);
// The path up to the first "." of its file name: "/a.b/R1.CRV" -> "/a.b/R1".
std::string StemBeforeFirstDot(const std::string& path);
// A stored path from another system: a drive letter or a backslash.
bool LooksForeign(const std::string& path);
// A name holding control characters (bytes below 0x20, DEL): never a file's name.
bool HoldsControlCharacters(const std::string& name);

}  // namespace calvora
