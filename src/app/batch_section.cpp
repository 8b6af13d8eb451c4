// calvora section: one designed cross-section, as the section engine leaves it.

#include <fmt/format.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "app/batch_dialogs.h"
#include "app/batch_project.h"
#include "section/section_areas.h"
#include "section/section_engine.h"
#include "section/section_messages.h"

namespace calvora {

namespace {

using nlohmann::json;

json PointJson(SectionPoint p) {
  return json::array({p.x, p.y});
}

json PolygonsJson(const std::vector<SectionPolygon>& polygons) {
  json list = json::array();
  for (const SectionPolygon& polygon : polygons) {
    json points = json::array();
    for (const SectionPoint& p : polygon.Points) {
      points.push_back(PointJson(p));
    }
    list.push_back({{"kind", std::string(PolygonKindText(polygon.Kind))}, {"points", points}});
  }
  return list;
}

// The section's station as stored, nullopt when it is not a number (the engine then works on 0).
using StoredStation = std::optional<double>;

json SectionJson(const SectionResults& r, const SectionAreas& areas, StoredStation station) {
  json layers = json::array();
  json layerAreas = json::array();
  for (std::size_t j = 0; j < r.LayerPolygons.size(); ++j) {
    layers.push_back(PolygonsJson(r.LayerPolygons[j]));
    layerAreas.push_back(areas.LayerArea[j]);
  }
  return {{"record", r.Record},
          {"station", station ? json(*station) : json(nullptr)},
          {"sideState", {{"left", r.SideState[-1]}, {"right", r.SideState[1]}}},
          {"catchPoint",
           {{"left", PointJson(r.CatchPoint[-1])}, {"right", PointJson(r.CatchPoint[1])}}},
          {"wallHeight", r.WallHeight},
          {"polygons", PolygonsJson(r.SectionPolygons)},
          {"strip", PolygonsJson(r.StripPolygons)},
          {"layers", layers},
          {"areas",
           {{"cut", areas.CutArea},
            {"fill", areas.FillArea},
            {"layers", layerAreas},
            {"topsoil", areas.TopsoilArea}}},
          {"messages", r.Messages}};
}

void PrintPolygons(std::ostream& out, const std::string& title,
                   const std::vector<SectionPolygon>& polygons) {
  for (std::size_t n = 0; n < polygons.size(); ++n) {
    out << fmt::format("{} {} ({}):", title, n + 1, PolygonKindText(polygons[n].Kind));
    for (const SectionPoint& p : polygons[n].Points) {
      out << fmt::format(" ({:.3f}, {:.3f})", p.x, p.y);
    }
    out << '\n';
  }
}

void PrintSection(std::ostream& out, const SectionResults& r, const SectionAreas& areas,
                  StoredStation station) {
  out << fmt::format("Section {}  station {}\n", r.Record,
                     station ? fmt::format("{:.3f}", *station) : "invalid");
  for (const int side : {-1, 1}) {
    out << fmt::format("{:<6} {}  catch point ({:.3f}, {:.3f})\n", side < 0 ? "Left" : "Right",
                       r.SideState[side], r.CatchPoint[side].x, r.CatchPoint[side].y);
  }
  out << fmt::format("Wall height {:.3f}  foot ({:.3f}, {:.3f})\n", r.WallHeight, r.WallFootX,
                     r.WallFootY);
  PrintPolygons(out, "Polygon", r.SectionPolygons);
  PrintPolygons(out, "Strip", r.StripPolygons);
  for (std::size_t j = 0; j < r.LayerPolygons.size(); ++j) {
    PrintPolygons(out, fmt::format("Layer {} polygon", j + 1), r.LayerPolygons[j]);
  }
  out << fmt::format("Cut {:.2f} m2  Fill {:.2f} m2  Topsoil {:.2f} m2\n", areas.CutArea,
                     areas.FillArea, areas.TopsoilArea);
  for (std::size_t j = 0; j < r.LayerPolygons.size(); ++j) {
    out << fmt::format("Layer {} {:.2f} m2\n", j + 1, areas.LayerArea[j]);
  }
  for (const std::string& message : r.Messages) {
    out << "Message: " << TerminalText(message) << '\n';
  }
}

class SectionCommand : public BatchCommand {
 public:
  std::string Name() const override { return "section"; }
  std::string Description() const override {
    return "Compute one cross-section: catch points, bodies, stripping, layers and areas";
  }

  void Configure(CLI::App& sub) override {
    sub.add_option("project", project_, "Project file (.PRJ)")->required();
    sub.add_option("--record", record_, "Section record number (1-based)")->required();
    sub.add_flag("--json", json_, "Print the section as JSON");
  }

  int Run(BatchContext& context) override {
    BatchDialogs dialogs(context.err);
    ProjectState state;
    if (!OpenProjectForBatch(state, project_, context, dialogs,
                             Command(CommandId::CrossSections))) {
      return kBatchFailed;
    }
    if (record_ < 1 || record_ > state.Data.Count()) {
      context.err << fmt::format("calvora section: --record must lie in 1..{}\n",
                                 state.Data.Count());
      return kBatchUsage;
    }
    const double stored = ReadRecord<SectionRecord>(*state.Data.File, record_).Station();
    const StoredStation station =
        std::isfinite(stored) ? StoredStation(stored) : StoredStation(std::nullopt);
    SectionEngine engine;
    engine.ComputeSection(state, record_);
    ShowMessages(engine.Results(), dialogs);
    if (engine.Results().BadVariant) {
      return kBatchFailed;  // the engine's message is on stderr
    }
    const SectionResults& results = engine.Results();
    const SectionAreas areas = ComputeSectionAreas(results);
    if (json_) {
      context.out << SectionJson(results, areas, station).dump(2) << '\n';
    } else {
      PrintSection(context.out, results, areas, station);
    }
    return results.Valid() && station && !dialogs.ErrorShown() ? kBatchOk : kBatchFailed;
  }

 private:
  std::string project_;
  int record_ = 0;
  bool json_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeSectionCommand() {
  return std::make_unique<SectionCommand>();
}

}  // namespace calvora
