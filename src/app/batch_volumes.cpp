// calvora volumes P.PRJ [--out F.OUT] [--yes]: areas, volumes and the four quantity reports.

#include "app/batch_commands_list.h"
#include "app/batch_output_options.h"
#include "app/batch_table_command.h"

namespace calvora {

namespace {

class VolumesAnswers : public BatchAnswers {
 public:
  void Configure(CLI::App& sub) override {
    output_.Configure(sub, "Quantity file instead of the proposed name (beside the .DAT)",
                      "Replace existing reports");
  }
  bool Answer(BatchDialogs& dialogs) const override {
    output_.Answer(dialogs);
    return true;
  }

 private:
  BatchOutputOptions output_;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeVolumesCommand() {
  return MakeTableCommand(CommandId::Volumes, std::make_unique<VolumesAnswers>());
}

}  // namespace calvora
