#include "section/section_messages.h"

#include "numbers/number_text.h"

namespace calvora {
namespace {

// Whole numbers as the messages show them: a leading blank for non-negative numbers.
std::string BlankSigned(int value) {
  return (value >= 0 ? " " : "") + std::to_string(value);
}

std::string StationText(const SectionRecord& section) {
  return BlankSigned(section.Kilo) + "+" + SingleText(section.Meter);
}

}  // namespace

std::string BadVariantMessage(const SectionRecord& section, int record) {
  return "Bad Variant number at station : " + StationText(section) + "Section No. =(" +
         BlankSigned(record) + ")";
}

std::string DataErrorMessage(const SectionRecord& section, int record) {
  return "Data Error in " + StationText(section) + " Record number\r(" + BlankSigned(record) + ")";
}

std::string FillDitchErrorMessage(const SectionRecord& section, int record) {
  return "Data error in KM: " + StationText(section) + "\r(Section No. " + BlankSigned(record) +
         ")";
}

void ShowMessages(const SectionResults& results, UserDialogs& dialogs) {
  for (const std::string& message : results.Messages) {
    dialogs.Message(message);
  }
}

}  // namespace calvora
