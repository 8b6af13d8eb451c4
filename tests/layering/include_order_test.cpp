// Every #include in src/ points down the layer order that docs/ARCHITECTURE.md tables.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Allowed = std::map<std::string, std::set<std::string>>;

const fs::path kSource = CALVORA_SOURCE_DIR;

// Rows "| `layer` | `lower`, `lower` |" of the table under "## Allowed includes".
Allowed ReadAllowedIncludes() {
  std::ifstream map(kSource / "docs" / "ARCHITECTURE.md");
  Allowed allowed;
  bool inTable = false;
  const std::regex name("`([a-z_]+)`");
  for (std::string line; std::getline(map, line);) {
    if (line.starts_with("## ")) {
      inTable = line == "## Allowed includes";
      continue;
    }
    if (!inTable || !line.starts_with("| `")) {
      continue;
    }
    const auto cells = line.find('|', 1);
    std::smatch m;
    std::string head = line.substr(0, cells);
    if (!std::regex_search(head, m, name)) {
      continue;
    }
    std::set<std::string>& lower = allowed[m[1].str()];
    const std::string rest = line.substr(cells);
    for (std::sregex_iterator it(rest.begin(), rest.end(), name), end; it != end; ++it) {
      lower.insert((*it)[1].str());
    }
  }
  return allowed;
}

// "shell/gui/main_window.h" and src/shell/gui/x.cpp are in layer "gui"; "shell/x.h" in "shell".
std::string LayerOf(const fs::path& relative) {
  auto part = relative.begin();
  const std::string first = part->string();
  ++part;
  return part != relative.end() && part->string() == "gui" ? "gui" : first;
}

struct Edge {
  std::string file;
  std::string include;
  std::string from;
  std::string to;
};

std::vector<Edge> IncludeEdges() {
  std::vector<Edge> edges;
  const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
  for (const auto& entry : fs::recursive_directory_iterator(kSource / "src")) {
    if (!entry.is_regular_file()) {
      continue;
    }
    const fs::path relative = fs::relative(entry.path(), kSource / "src");
    std::ifstream file(entry.path());
    for (std::string line; std::getline(file, line);) {
      std::smatch m;
      if (std::regex_search(line, m, include)) {
        edges.push_back(
            {relative.string(), m[1].str(), LayerOf(relative), LayerOf(fs::path(m[1].str()))});
      }
    }
  }
  return edges;
}

TEST(IncludeOrder, TheCodeMapTablesEveryLayer) {
  const Allowed allowed = ReadAllowedIncludes();
  ASSERT_FALSE(allowed.empty()) << "no table under \"## Allowed includes\" in docs/ARCHITECTURE.md";
  for (const auto& entry : fs::directory_iterator(kSource / "src")) {
    EXPECT_TRUE(allowed.contains(entry.path().filename().string()))
        << "src/" << entry.path().filename().string() << " is not in the table";
  }
  EXPECT_TRUE(allowed.contains("gui"));
}

TEST(IncludeOrder, EveryIncludePointsToItsOwnLayerOrOneTheTableAllows) {
  const Allowed allowed = ReadAllowedIncludes();
  const std::vector<Edge> edges = IncludeEdges();
  ASSERT_GT(edges.size(), 100u);
  for (const Edge& edge : edges) {
    if (edge.from == edge.to) {
      continue;
    }
    const auto row = allowed.find(edge.from);
    EXPECT_TRUE(row != allowed.end() && row->second.contains(edge.to))
        << edge.file << " includes \"" << edge.include << "\": " << edge.from << " may not use "
        << edge.to;
  }
}

}  // namespace
