// calvora landxml P.PRJ [--out F.xml] [--yes]: the road as LandXML 1.2.
// calvora landxml-import P.PRJ --in F.xml [--alignment NAME] [--yes]: an alignment read from
// LandXML into the project's alignment file.

#include "app/batch_commands_list.h"
#include "app/batch_output_options.h"
#include "app/batch_table_command.h"

namespace calvora {

namespace {

class ExportAnswers : public BatchAnswers {
 public:
  void Configure(CLI::App& sub) override {
    output_.Configure(sub, "LandXML file instead of the proposed name (the project's, .xml)",
                      "Replace an existing LandXML file");
  }
  bool Answer(BatchDialogs& dialogs) const override {
    output_.Answer(dialogs);
    return true;
  }

 private:
  BatchOutputOptions output_;
};

class ImportAnswers : public BatchAnswers {
 public:
  void Configure(CLI::App& sub) override {
    sub.add_option("--in", in_, "The LandXML file to read")->required();
    sub.add_option("--alignment", alignment_,
                   "The alignment to read, by its name (needed when the file holds several)");
    sub.add_flag("--yes,-y", yes_, "Replace the records the alignment file holds");
  }
  bool Answer(BatchDialogs& dialogs) const override {
    dialogs.AnswerYes(yes_);
    dialogs.AnswerOpenFile(in_);
    // No name answers as Cancel does: the import then says that the file holds several.
    dialogs.AnswerInput(
        QuestionId::AlignmentName,
        [name = alignment_](const Question&, const std::string&) { return name; }, "--alignment");
    return true;
  }

 private:
  std::string in_;
  std::string alignment_;
  bool yes_ = false;
};

}  // namespace

std::unique_ptr<BatchCommand> MakeLandXmlCommand() {
  return MakeTableCommand(CommandId::ExportLandXml, std::make_unique<ExportAnswers>());
}

std::unique_ptr<BatchCommand> MakeLandXmlImportCommand() {
  return MakeTableCommand(CommandId::ImportLandXml, std::make_unique<ImportAnswers>());
}

}  // namespace calvora
