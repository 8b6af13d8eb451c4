// calvora report FILE: a quantity report shown on the terminal, its box characters as boxes;
// the file is only read.

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/batch_command.h"
#include "app/batch_commands_list.h"
#include "records/report_terminal_text.h"

namespace calvora {

namespace {

class ReportCommand : public BatchCommand {
 public:
  std::string Name() const override { return "report"; }
  std::string Description() const override {
    return "Show a report (.OUT, .SRF, .VOL, .TRF) in UTF-8, its box characters as boxes";
  }
  void Configure(CLI::App& sub) override {
    sub.add_option("file", path_, "The report file")->required();
  }
  int Run(BatchContext& context) override {
    std::error_code ec;
    std::ifstream in(path_, std::ios::binary);
    if (!std::filesystem::is_regular_file(path_, ec) || !in) {
      context.err << "calvora report: cannot read the file " << path_ << '\n';
      return kBatchFailed;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    context.out << ReportTerminalText(bytes);
    return kBatchOk;
  }

 private:
  std::string path_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeReportCommand() {
  return std::make_unique<ReportCommand>();
}

}  // namespace calvora
