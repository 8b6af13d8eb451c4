// calvora dump FILE [--json]: the records of a project, survey data, typical cross-section or
// alignment file, every field by its program name.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/batch_commands_list.h"
#include "app/batch_record_fields.h"
#include "records/record_file.h"

namespace calvora {

namespace {

namespace fs = std::filesystem;

struct FileKind {
  const char* name;
  std::size_t recordLength;
  FieldsJson (*fields)(const std::vector<std::uint8_t>& bytes);
};

template <typename Record>
FieldsJson DecodedFields(const std::vector<std::uint8_t>& bytes) {
  Record record;
  DecodeRecord(bytes, record);
  return FieldsOf(record);
}

std::optional<FileKind> KindOfExtension(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (extension == ".PRJ") {
    return FileKind{"project", ProjectRecord::kLength, &DecodedFields<ProjectRecord>};
  }
  if (extension == ".DAT") {
    return FileKind{"data", SectionRecord::kLength, &DecodedFields<SectionRecord>};
  }
  if (extension == ".VAR") {
    return FileKind{"variants", VariantRecord::kLength, &DecodedFields<VariantRecord>};
  }
  if (extension == ".CRV") {
    return FileKind{"alignment", AlignmentRecord::kLength, &DecodedFields<AlignmentRecord>};
  }
  return std::nullopt;
}

class DumpCommand : public BatchCommand {
 public:
  std::string Name() const override { return "dump"; }
  std::string Description() const override {
    return "Show the records of a .PRJ, .DAT, .VAR or .CRV file, every field by its name";
  }
  void Configure(CLI::App& sub) override {
    sub.add_option("file", path_, "The file; its extension tells the kind of records")->required();
    sub.add_flag("--json", json_, "Write JSON instead of text");
  }

  int Run(BatchContext& context) override {
    const auto kind = KindOfExtension(path_);
    if (!kind) {
      context.err << "calvora dump: " << path_.string()
                  << ": the extension must be .PRJ, .DAT, .VAR or .CRV\n";
      return kBatchUsage;
    }
    std::error_code ec;
    const auto size = fs::file_size(path_, ec);
    if (ec || !fs::is_regular_file(path_, ec)) {
      context.err << "calvora dump: " << path_.string() << ": no such file, or not a plain file\n";
      return kBatchFailed;
    }
    const auto count = size / kind->recordLength;
    if (kind->recordLength == ProjectRecord::kLength && count < 1) {
      context.err << "calvora dump: " << path_.string()
                  << ": not a project file (one record of 728 bytes)\n";
      return kBatchFailed;
    }
    if (count > static_cast<std::uintmax_t>(kMaxRecordCount)) {
      context.err << "calvora dump: " << path_.string() << ": more than 32,767 records\n";
      return kBatchFailed;
    }
    std::ifstream in(path_, std::ios::binary);
    FieldsJson records = FieldsJson::array();
    std::vector<std::uint8_t> bytes(kind->recordLength);
    for (std::uintmax_t n = 0; n < count; ++n) {
      if (!in.read(reinterpret_cast<char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()))) {
        context.err << "calvora dump: " << path_.string() << ": cannot read record " << n + 1
                    << '\n';
        return kBatchFailed;
      }
      records.push_back(kind->fields(bytes));
    }
    const auto trailing = size % kind->recordLength;
    if (json_) {
      context.out << FieldsJson{{"file", path_.string()},
                                {"kind", kind->name},
                                {"recordLength", kind->recordLength},
                                {"count", count},
                                {"trailingBytes", trailing},
                                {"records", records}}
                         .dump(2)
                  << '\n';
      return kBatchOk;
    }
    context.out << path_.string() << ": " << count << (count == 1 ? " record" : " records")
                << " of " << kind->recordLength << " bytes";
    if (trailing != 0) {
      context.out << ", " << trailing << " trailing bytes not counted";
    }
    context.out << '\n';
    for (std::size_t i = 0; i < records.size(); ++i) {
      context.out << "Record " << i + 1 << '\n';
      WriteFieldLines(records[i], "  ", context.out);
    }
    return kBatchOk;
  }

 private:
  fs::path path_;
  bool json_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeDumpCommand() {
  return std::make_unique<DumpCommand>();
}

}  // namespace calvora
