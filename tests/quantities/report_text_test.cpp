#include "quantities/report_text.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

TEST(ReportText, TitleLineCutsOrPadsTheTitleToSixtyCharacters) {
  EXPECT_EQ(PageTitleLine("Ruta 7", 3), "Ruta 7" + std::string(54, ' ') + "Page:  3 ");
  const std::string longTitle(75, 'x');
  EXPECT_EQ(PageTitleLine(longTitle, 12), std::string(60, 'x') + "Page:  12 ");
}

TEST(ReportText, TitleIsWrittenInTheCodePage) {
  // "é" is one byte; a character outside the code page is shown as "?".
  EXPECT_EQ(PageTitleLine("Vía Ñ \u2713", 1).substr(0, 8),
            "V\xED"
            "a \xD1 ? ");
  EXPECT_EQ(PageTitleLine("Vía Ñ \u2713", 1).size(), 60u + 9);
}

}  // namespace
}  // namespace calvora
