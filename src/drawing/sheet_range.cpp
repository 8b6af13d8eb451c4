#include "drawing/sheet_range.h"

#include "numbers/number_text.h"

namespace calvora {

namespace {

// The numeric value of a typed page number; 0 (refused) when it is no page number at all.
int PageNumber(const std::string& text) {
  return ToInt16(LeadingNumber(text)).value_or(0);
}

}  // namespace

std::optional<SheetRange> ResolveSheetRange(const SheetRangeChoice& choice, int sheetCount,
                                            int currentSheet, UserDialogs& dialogs) {
  SheetRange range{1, sheetCount};
  if (choice.Option == SheetRangeOption::CurrentPage) {
    range = {currentSheet, currentSheet};
  } else if (choice.Option == SheetRangeOption::Pages) {
    range = {PageNumber(choice.From), PageNumber(choice.To)};
  }
  const auto onSheet = [sheetCount](int page) { return page >= 1 && page <= sheetCount; };
  if (!onSheet(range.First) || !onSheet(range.Last) || range.First > range.Last) {
    dialogs.Message(kBadPageNumber);
    return std::nullopt;
  }
  return range;
}

}  // namespace calvora
