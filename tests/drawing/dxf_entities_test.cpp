// DXF entities, written directly and through clsGraphic on a DXF device, as a reader finds them.

#include "drawing/dxf_entities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "drawing/cls_dxf.h"
#include "drawing/cls_graphic.h"
#include "drawing/dxf_reading.h"

namespace calvora {
namespace {

using testing::DxfEntity;

// Bytes from hex digits; blanks are ignored.
std::string FromHex(const std::string& hex) {
  std::string bytes;
  std::string digits;
  for (const char c : hex) {
    if (c != ' ') {
      digits += c;
    }
  }
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

// Draws on a graphic whose DXF device writes to out.
void OnDxf(std::ostream& out, const std::function<void(clsGraphic&, clsDXF&)>& draw) {
  clsDXF dxf;
  clsGraphic graphic;
  graphic.SetObject(dxf);
  graphic.SetFileNumber(&out);
  draw(graphic, dxf);
}

TEST(DxfEntities, ReadBackWithTheirLayerLineTypeColourPointsAndText) {
  struct Case {
    const char* name;
    std::function<void(std::ostream&)> write;
    DxfEntity expected;
  };
  const Case cases[] = {
      {"line without line type on no layer",
       [](auto& out) { WriteDxfLine(out, 1.5, -2.25, 0, 3, 4, 0, 2, "", ""); },
       {"LINE", "0", "", "", 2, 1.5, -2.25, 3, 4, 0}},
      {"line with a line type",
       [](auto& out) { WriteDxfLine(out, 1.5, -2.25, 0, 3, 4, 0, 5, "DASHED", "Compact"); },
       {"LINE", "Compact", "DASHED", "", 5, 1.5, -2.25, 3, 4, 0}},
      {"text",
       [](auto& out) { WriteDxfText(out, 10, 20, "KM: 0+020.00", "Ground", 2.83); },
       {"TEXT", "Ground", "", "KM: 0+020.00", 0, 10, 20, 0, 0, 2.83}},
      {"graphic text: height is font size / 2.83, rounded",
       [](auto& out) {
         OnDxf(out, [](clsGraphic& g, clsDXF&) {
           g.SetFontSize(8);
           g.DrawText(1, 2, "A");
         });
       },
       {"TEXT", "0", "", "A", 0, 1, 2, 0, 0, 2.83}},
      {"graphic line: layer, colour and the device's line type; no width",
       [](auto& out) {
         OnDxf(out, [](clsGraphic& g, clsDXF& dxf) {
           dxf.DrawStyleDXF = "DASHED";
           g.SetLayer("Compact");
           g.SetDrawWidth(0);
           g.DrawLine(1.5, -2.25, 3, 4, 5);
         });
       },
       {"LINE", "Compact", "DASHED", "", 5, 1.5, -2.25, 3, 4, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::ostringstream out;
    c.write(out);
    WriteDxfTrailer(out);
    const auto entities = testing::ReadBinaryEntities(out.str(), 0);
    ASSERT_EQ(entities.size(), 1u);
    const DxfEntity& e = entities[0];
    EXPECT_EQ(e.type + "/" + e.layer + "/" + e.lineType + "/" + e.text,
              c.expected.type + "/" + c.expected.layer + "/" + c.expected.lineType + "/" +
                  c.expected.text);
    EXPECT_EQ(e.colour, c.expected.colour);
    EXPECT_EQ(std::vector({e.x1, e.y1, e.x2, e.y2}),
              std::vector({c.expected.x1, c.expected.y1, c.expected.x2, c.expected.y2}));
    EXPECT_DOUBLE_EQ(e.height, c.expected.height);
  }
}

TEST(DxfEntities, BinaryLineBytesInOrderWithTheColoursHighByteInTheTrailer) {
  std::ostringstream out;
  WriteDxfLine(out, 1.5, -2.25, 0, 3, 4, 0, 4, "", "Deco");
  WriteDxfTrailer(out);
  EXPECT_EQ(out.str(), FromHex("00 00 4C494E45 00 08 4465636F 00"
                               "0A 000000000000F83F 14 00000000000002C0 1E 0000000000000000"
                               "0B 0000000000000840 15 0000000000001040 1F 0000000000000000"
                               "3E 04 00 00 454E44534543 00 00 454F46 00"));
}

TEST(DxfEntities, ColourOutsideOneByteIsRefused) {
  std::ostringstream out;
  EXPECT_THROW(WriteDxfLine(out, 0, 0, 0, 1, 1, 0, 256, "", ""), std::invalid_argument);
  EXPECT_TRUE(out.str().empty());
}

TEST(DxfEntities, AsciiEntitiesAreCodeAndValueLines) {
  std::ostringstream out;
  WriteDxfLine(out, 1.5, -2.25, 0, 3, 4, 0, 2, "", "", DxfFormat::Ascii);
  WriteDxfText(out, 0.1, 2, "Cut : 1.00 m2", "Project", 0.35, DxfFormat::Ascii);
  WriteDxfTrailer(out, DxfFormat::Ascii);
  EXPECT_EQ(out.str(),
            "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n1.5\r\n 20\r\n-2.25\r\n 30\r\n0\r\n"
            " 11\r\n3\r\n 21\r\n4\r\n 31\r\n0\r\n 62\r\n     2\r\n"
            "  0\r\nTEXT\r\n  8\r\nProject\r\n 10\r\n0.1\r\n 20\r\n2\r\n 30\r\n0\r\n"
            " 40\r\n0.35\r\n 50\r\n0\r\n  1\r\nCut : 1.00 m2\r\n 62\r\n     0\r\n"
            "  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
}

TEST(DxfEntities, TextsAreSingleByteWithoutLineBreaks) {
  std::ostringstream out;
  WriteDxfText(out, 0, 0, "Ø 5\n€ ✓", "", 1);
  EXPECT_NE(out.str().find(std::string("\x01\xD8 5 \x80 ?\0", 9)), std::string::npos);
}

TEST(ClsGraphicOnDxf, TextWidthPerCharacterOnAPageWithoutEdges) {
  clsDXF dxf;
  clsGraphic graphic;
  graphic.SetObject(dxf);
  graphic.SetFontSize(8);
  EXPECT_DOUBLE_EQ(graphic.TextWidth("0123456789"), 10 * 8 / 2.83);
  EXPECT_DOUBLE_EQ(dxf.Width(), 1000000);
  EXPECT_DOUBLE_EQ(dxf.Height(), 1000);
}

TEST(ClsGraphicOnDxf, PointsThatAreNotNumbersAreNeverWritten) {
  std::ostringstream out;
  OnDxf(out, [](clsGraphic& g, clsDXF&) {
    g.DrawLine(0, std::nan(""), 1, 1, 0);
    g.DrawText(HUGE_VAL, 0, "x");
  });
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace calvora
