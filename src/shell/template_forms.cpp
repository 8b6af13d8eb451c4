#include "shell/template_forms.h"

#include <algorithm>
#include <stdexcept>

#include "numbers/number_text.h"
#include "shell/field_reader.h"

namespace calvora {

namespace {

// A number as the dialogs show it: rounded to 3 decimals, its plain text.
std::string Shown(double value) {
  return PlainNumber(RoundTo(value, 3));
}

// The label as a message names it: without the access key and the closing ":" or "=".
std::string Named(const FormField& field) {
  std::string name = field.label;
  name.erase(std::remove(name.begin(), name.end(), '&'), name.end());
  while (!name.empty() && (name.back() == ':' || name.back() == '=' || name.back() == ' ')) {
    name.pop_back();
  }
  return field.group.empty() || field.group == "Ditch" ? name : field.group + " " + name;
}

std::vector<FormField> DitchFields() {
  std::vector<FormField> fields = {
      {"txtD", "&D =", "Ditch", "", true},
      {"txtW", "&W =", "Ditch", "", true},
      {"txtS", "&S =", "Ditch", "", true},
      {"txtS0", "S&0 =", "Ditch", "", true},
  };
  for (int step = 1; step <= 4; ++step) {
    const std::string group = std::to_string(step) + ")";
    const std::string index = "(" + std::to_string(step) + ")";
    // Only what the five stored vertices hold is open (section/ditch_shape.h).
    const bool first = step == 1;
    fields.push_back({"txtS" + index, first ? "S&lope S =" : "S =", group, "", first});
    fields.push_back({"txtW" + index, first ? "&Bench W =" : "W =", group, "", first});
    fields.push_back({"txtH" + index,
                      first       ? "&Height H ="
                      : step == 2 ? "H&eight H ="
                                  : "H =",
                      group, "", step <= 2});
  }
  return fields;
}

}  // namespace

std::string& TemplateForm::Text(const std::string& name) {
  for (FormField& field : fields_) {
    if (field.name == name) {
      return field.text;
    }
  }
  throw std::out_of_range("no field " + name);
}

bool TemplateForm::Read(UserDialogs& dialogs, bool strict, std::vector<float>& values) const {
  FieldReader reader;
  values.clear();
  for (const FormField& field : fields_) {
    if (field.enabled) {
      values.push_back(strict ? reader.Strict(field.text, Named(field))
                              : reader.Single(field.text, Named(field)));
    }
  }
  if (reader.Refused()) {
    dialogs.Message(reader.Refusal());
    return false;
  }
  return true;
}

LineInfoForm::LineInfoForm(const LineSize* shown)
    : TemplateForm("frmLineInfo", "Fragment Info",
                   {{"txtLenght", "&Lenght :", "", shown ? Shown(shown->length) : "", true},
                    {"txtSlope", "&Slope :", "", shown ? Shown(shown->slope) : "", true}}) {}

bool LineInfoForm::Ok(UserDialogs& dialogs) {
  std::vector<float> values;
  if (!Read(dialogs, true, values)) {
    return false;
  }
  size_ = {values[0], values[1]};
  Tag = kOkTag;
  return true;
}

DitchForm::DitchForm(const DitchRows& shown, int side)
    : TemplateForm("frmTranEdit", "Ditch", DitchFields()), side_(side) {
  const DitchShape shape = ShapeOf(shown);
  Text("txtD") = Shown(shape.depth);
  Text("txtW") = Shown(shape.bottom);
  Text("txtS") = Shown(shape.outerSlope);
  Text("txtS0") = Shown(shape.innerSlope);
  Text("txtS(1)") = Shown(shape.riseSlope);
  Text("txtW(1)") = Shown(shape.benchWidth);
  Text("txtH(1)") = Shown(shape.outerHeight);
  Text("txtH(2)") = Shown(shape.riseHeight);
}

bool DitchForm::Ok(UserDialogs& dialogs) {
  std::vector<float> v;
  if (!Read(dialogs, true, v)) {
    return false;
  }
  // The open fields in order: D, W, S, S0, 1) S, W, H, 2) H.
  const DitchShape shape{v[0], v[1], v[2], v[3], v[6], v[5], v[4], v[7]};
  const std::string refusal = BuildDitch(shape, side_, rows_);
  if (!refusal.empty()) {
    dialogs.Message(refusal);
    return false;
  }
  Tag = kOkTag;
  return true;
}

SectionPropertiesForm::SectionPropertiesForm(const VariantRecord& shown)
    : TemplateForm(
          "frmSecProp", "Section Properties",
          {
              {"txtLLimit", "Section &Limit:", "Left", SingleText(shown.Limit[-1]), true},
              {"txtLFillSlope", "&Embankment slope:", "Left", SingleText(shown.FillSlope[-1]),
               true},
              {"txtRLimit", "Section L&imit:", "Right", SingleText(shown.Limit[1]), true},
              {"txtRFillSlope", "E&mbankment slope:", "Right", SingleText(shown.FillSlope[1]),
               true},
              {"txtDeco", "&Depth for clearing and grubbing:", "", SingleText(shown.Deco), true},
              {"txtWall", "Distance to &Wall:", "", SingleText(shown.Wall), true},
              {"txtSubG", "Diff. from S&ubgrade to Project:", "", SingleText(shown.SubG), true},
          }) {}

bool SectionPropertiesForm::Ok(UserDialogs& dialogs) {
  std::vector<float> values;
  if (!Read(dialogs, false, values)) {
    return false;
  }
  std::copy(values.begin(), values.end(), values_.begin());
  Tag = kOkTag;
  return true;
}

void SectionPropertiesForm::Store(VariantRecord& record) const {
  record.Limit[-1] = values_[0];
  record.FillSlope[-1] = values_[1];
  record.Limit[1] = values_[2];
  record.FillSlope[1] = values_[3];
  record.Deco = values_[4];
  record.Wall = values_[5];
  record.SubG = values_[6];
}

}  // namespace calvora
