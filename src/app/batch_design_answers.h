#pragma once
// The answers of the curve and spiral designs: a design speed, one value per curve (the value
// option, repeatable; the other curves take the suggestion), the output file.

#include <string>
#include <vector>

#include "app/batch_output_options.h"
#include "app/batch_table_command.h"

namespace calvora {

class DesignAnswers : public BatchAnswers {
 public:
  DesignAnswers(std::string valueOption, std::string valueHelp)
      : valueOption_(std::move(valueOption)), valueHelp_(std::move(valueHelp)) {}
  void Configure(CLI::App& sub) override;
  bool Answer(BatchDialogs& dialogs) const override;

 private:
  std::string valueOption_;  // "--radius"
  std::string valueHelp_;
  std::string speed_;
  std::vector<std::string> values_;
  BatchOutputOptions output_;
};

}  // namespace calvora
