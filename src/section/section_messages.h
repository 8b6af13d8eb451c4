#pragma once
// The engine's message texts, built from the section record and its record number.

#include <string>

#include "project/user_dialogs.h"
#include "records/section_record.h"
#include "section/section_results.h"

namespace calvora {

// "Bad Variant number at station : " + K + "+" + M + "Section No. =(" + R + ")"
std::string BadVariantMessage(const SectionRecord& section, int record);
// "Data Error in " + K + "+" + M + " Record number" + CR + "(" + R + ")"
std::string DataErrorMessage(const SectionRecord& section, int record);
// "Data error in KM: " + K + "+" + M + CR + "(Section No. " + R + ")"
std::string FillDitchErrorMessage(const SectionRecord& section, int record);

// Shows the messages of the section last computed, in order.
void ShowMessages(const SectionResults& results, UserDialogs& dialogs);

}  // namespace calvora
