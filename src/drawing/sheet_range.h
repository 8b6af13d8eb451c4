#pragma once
// The range of sheets to print or export, as chosen in the sheet-range dialog.

#include <optional>
#include <string>

#include "project/user_dialogs.h"

namespace calvora {

inline constexpr const char* kBadPageNumber = "Bad page number. Operation canceled.";

enum class SheetRangeOption { All, CurrentPage, Pages };

struct SheetRangeChoice {
  SheetRangeOption Option = SheetRangeOption::All;
  std::string From;  // txtFrom and txtTo, for Pages
  std::string To;
};

struct SheetRange {
  int First = 1;
  int Last = 0;
  int Count() const { return Last - First + 1; }
};

// The sheets of the choice; a number below 1 or above the sheet count (or a range running
// backwards, which would give nothing) shows "Bad page number. Operation canceled." and gives
// nullopt.
std::optional<SheetRange> ResolveSheetRange(const SheetRangeChoice& choice, int sheetCount,
                                            int currentSheet, UserDialogs& dialogs);

}  // namespace calvora
