#pragma once
// Checks shared by the report tests: golden files and the column joints of the box tables.

#include <filesystem>
#include <string>
#include <vector>

namespace calvora::testing {

// The file's lines, split at CR LF (a line without its CR LF fails the test).
std::vector<std::string> ReportLines(const std::filesystem::path& path);

// Compares the file byte for byte with tests/quantities/golden/<name>. With the environment
// variable CALVORA_UPDATE_GOLDEN=1 the golden file is written instead.
void ExpectGolden(const std::filesystem::path& path, const std::string& name);

// In every table of the report (from a top border to the footer), each row is as long as the
// border and has a vertical line character at every joint of the border.
void ExpectColumnsAligned(const std::vector<std::string>& lines);

// Code-page bytes to UTF-8, for readable failure messages and expectations.
std::string Utf8(const std::string& bytes);

}  // namespace calvora::testing
