#include "app/batch_record_fields.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "numbers/number_text.h"

namespace calvora {

namespace {

FieldsJson Number(float value) {
  return std::isfinite(value) ? FieldsJson(static_cast<double>(value)) : FieldsJson(nullptr);
}

template <typename Container>
FieldsJson Numbers(const Container& values) {
  FieldsJson array = FieldsJson::array();
  for (const float value : values) {
    array.push_back(Number(value));
  }
  return array;
}

// Elements of a side array (-1..1) but its unused centre.
FieldsJson Sides(const SignedArray<float, -1, 1>& sides) {
  return FieldsJson{{"-1", Number(sides[-1])}, {"1", Number(sides[1])}};
}

template <int Lo, int Hi>
FieldsJson Row(const SignedTable<float, Lo, Hi>& table, int k) {
  return FieldsJson::array({Number(table(k, 0)), Number(table(k, 1))});
}

// Rows of a table by index, in index order; row 0 only when it is used.
template <int Lo, int Hi>
FieldsJson Rows(const SignedTable<float, Lo, Hi>& table, bool withCentre) {
  FieldsJson rows = FieldsJson::object();
  for (int k = Lo; k <= Hi; ++k) {
    if (k != 0 || withCentre) {
      rows[std::to_string(k)] = Row(table, k);
    }
  }
  return rows;
}

bool IsIndex(const std::string& key) {
  const auto digits = key.find_first_not_of('-');
  return digits != std::string::npos && digits <= 1 &&
         std::all_of(key.begin() + static_cast<std::ptrdiff_t>(digits), key.end(),
                     [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string ValueText(const FieldsJson& value) {
  if (value.is_null()) {
    return "invalid";
  }
  if (value.is_string()) {
    return value.get<std::string>();
  }
  if (value.is_number_float()) {
    return SingleText(static_cast<float>(value.get<double>()));
  }
  if (value.is_array()) {
    std::string text;
    for (const auto& item : value) {
      text += (text.empty() ? "" : " ") + ValueText(item);
    }
    return text;
  }
  return value.dump();  // integers and booleans
}

void WriteFields(const FieldsJson& fields, const std::string& prefix, const std::string& indent,
                 std::ostream& out) {
  for (const auto& [key, value] : fields.items()) {
    const std::string name = prefix.empty() ? key
                             : IsIndex(key) ? prefix + "(" + key + ")"
                                            : prefix + "." + key;
    if (value.is_object()) {
      WriteFields(value, name, indent, out);
    } else {
      out << indent << name << ": " << ValueText(value) << '\n';
    }
  }
}

}  // namespace

FieldsJson FieldsOf(const ProjectRecord& r) {
  return FieldsJson{
      {"DataFile", r.DataFile},
      {"VariantFile", r.VariantFile},
      {"AlignFile", r.AlignFile},
      {"TitleLeft", r.TitleLeft},
      {"TitleCenter", r.TitleCenter},
      {"TitleRight", r.TitleRight},
      {"SectionsPerSheet", r.SectionsPerSheet},
      {"DrawBorder", r.DrawBorder},
      {"DrawDatum", r.DrawDatum},
      {"Font",
       {{"Name", r.Font.Name},
        {"Size", r.Font.Size},
        {"Bold", r.Font.Bold},
        {"Italic", r.Font.Italic}}},
      {"Compaction", Numbers(r.Compaction)},
      {"Thickness", Numbers(r.Thickness)},
      {"CalcMethod", r.CalcMethod},
      {"DecaMethod", r.DecaMethod},
      {"DecaThick", Number(r.DecaThick)},
      {"NumLines", r.NumLines},
      {"Margin", Numbers(r.Margin)},
      {"Pen", Numbers(r.Pen)},
  };
}

FieldsJson FieldsOf(const SectionRecord& r) {
  FieldsJson points = FieldsJson::object();
  for (const int side : {-1, 1}) {
    const int count = std::min(r.PointsOnSide(side), SignedTable<float, -10, 10>::kHigh);
    for (int i = 1; i <= count; ++i) {
      points[std::to_string(side * i)] = Row(r.GroundPoints, side * i);
    }
  }
  return FieldsJson{
      {"Kilo", r.Kilo},
      {"Meter", Number(r.Meter)},
      {"PRElev", Number(r.PRElev)},
      {"GRElev", Number(r.GRElev)},
      {"PointCount", {{"-1", r.PointCount[-1]}, {"1", r.PointCount[1]}}},
      {"Var", r.Var},
      {"GroundPoints", points},
  };
}

FieldsJson FieldsOf(const AlignmentRecord& r) {
  const std::string_view name = PointCodeName(r.Code);
  return FieldsJson{
      {"Kilo", r.Kilo},
      {"Meter", Number(r.Meter)},
      {"Code", r.Code},
      {"CodeName", name.empty() ? FieldsJson(nullptr) : FieldsJson(std::string(name))},
      {"Param1", Number(r.Param1)},
      {"Param2", Number(r.Param2)},
      {"Param3", Number(r.Param3)},
  };
}

FieldsJson FieldsOf(const VariantRecord& r) {
  return FieldsJson{
      {"Point", Rows(r.Point, true)},
      {"LineCount", Sides(r.LineCount)},
      {"Deco", Number(r.Deco)},
      {"Wall", Number(r.Wall)},
      {"FillSlope", Sides(r.FillSlope)},
      {"Limit", Sides(r.Limit)},
      {"CutTran", Rows(r.CutTran, false)},
      {"FillTran", Rows(r.FillTran, false)},
      {"SubG", Number(r.SubG)},
  };
}

void WriteFieldLines(const FieldsJson& fields, const std::string& indent, std::ostream& out) {
  WriteFields(fields, "", indent, out);
}

}  // namespace calvora
