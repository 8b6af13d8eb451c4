#pragma once
// The three dialogs of the typical cross-section editor without their widgets: frmLineInfo,
// frmTranEdit and frmSecProp. Each holds its texts by control and its tag: cmdOK sets "OK",
// cmdCancel "Cancel", and the editor takes every tag but "Cancel" as OK. OK closes the dialog
// only when its fields can be read.

#include <array>
#include <string>
#include <vector>

#include "project/user_dialogs.h"
#include "records/variant_record.h"
#include "section/ditch_shape.h"
#include "section/template_lines.h"

namespace calvora {

inline constexpr const char* kOkTag = "OK";
inline constexpr const char* kCancelTag = "Cancel";

struct FormField {
  std::string name;   // objectName: "txtLenght", "txtS(1)"
  std::string label;  // with its access key: "&Lenght :"
  std::string group;  // the frame it stands in; "" for none
  std::string text;
  bool enabled = true;
};

class TemplateForm {
 public:
  virtual ~TemplateForm() = default;

  // cmdOK: true (tag "OK") when the fields can be read; otherwise a message names the field and
  // the dialog stays open.
  virtual bool Ok(UserDialogs& dialogs) = 0;
  // cmdCancel.
  void Cancel() { Tag = kCancelTag; }
  bool Cancelled() const { return Tag == kCancelTag; }

  const char* ObjectName() const { return objectName_; }
  const char* Caption() const { return caption_; }
  std::vector<FormField>& Fields() { return fields_; }
  std::string& Text(const std::string& name);

  std::string Tag;

 protected:
  TemplateForm(const char* objectName, const char* caption, std::vector<FormField> fields)
      : objectName_(objectName), caption_(caption), fields_(std::move(fields)) {}
  // Reads every enabled field in order, strictly or leniently; false after the message of the
  // first field refused.
  bool Read(UserDialogs& dialogs, bool strict, std::vector<float>& values) const;

 private:
  const char* objectName_;
  const char* caption_;
  std::vector<FormField> fields_;
};

// frmLineInfo "Fragment Info": the length and slope of a template line, read strictly.
class LineInfoForm : public TemplateForm {
 public:
  // Empty fields (a new line) or those of a line.
  explicit LineInfoForm(const LineSize* shown = nullptr);
  bool Ok(UserDialogs& dialogs) override;
  const LineSize& Size() const { return size_; }

 private:
  LineSize size_;
};

// frmTranEdit "Ditch": the ditch of one side from D, W, S, S0 and the open step fields (S, W, H
// of step 1), H of step 2)), read strictly; the other step fields are shown but closed (no rows
// hold them).
class DitchForm : public TemplateForm {
 public:
  DitchForm(const DitchRows& shown, int side);
  bool Ok(UserDialogs& dialogs) override;
  const DitchRows& Rows() const { return rows_; }

 private:
  int side_;
  DitchRows rows_{};
};

// frmSecProp "Section Properties": limits, embankment slopes, stripping, wall and subgrade,
// read leniently (the leading number of each text).
class SectionPropertiesForm : public TemplateForm {
 public:
  explicit SectionPropertiesForm(const VariantRecord& shown);
  bool Ok(UserDialogs& dialogs) override;
  // The record with the seven numbers stored.
  void Store(VariantRecord& record) const;

 private:
  std::array<float, 7> values_{};
};

}  // namespace calvora
