// The bytes of DXF entities, written directly and through clsGraphic on a DXF device.

#include "drawing/dxf_entities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

#include "drawing/cls_dxf.h"
#include "drawing/cls_graphic.h"

namespace calvora {
namespace {

// Expected bytes, spelled out: group codes and terminators as single bytes, doubles as their
// eight little-endian bytes.
class Bytes {
 public:
  Bytes& Byte(unsigned char b) {
    text_ += static_cast<char>(b);
    return *this;
  }
  Bytes& Str(const std::string& s) {
    text_ += s;
    return *this;
  }
  Bytes& Real(double value) {
    char raw[8];
    std::memcpy(raw, &value, 8);
    text_.append(raw, 8);
    return *this;
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

std::string LineBytes(const std::string& layer, const std::string& lineType, unsigned char colour) {
  Bytes b;
  b.Byte(0).Byte(0x00).Str("LINE");
  if (!lineType.empty()) {
    b.Byte(0).Byte(0x06).Str(lineType);
  }
  b.Byte(0).Byte(0x08).Str(layer).Byte(0);
  b.Byte(0x0A).Real(1.5).Byte(0x14).Real(-2.25).Byte(0x1E).Real(0);
  b.Byte(0x0B).Real(3).Byte(0x15).Real(4).Byte(0x1F).Real(0);
  b.Byte(0x3E).Byte(colour);
  return b.Text();
}

TEST(DxfEntities, LineWithoutLineTypeOnEmptyLayerIsLayerZero) {
  std::ostringstream out;
  WriteDxfLine(out, 1.5, -2.25, 0, 3, 4, 0, 2, "", "");
  EXPECT_EQ(out.str(), LineBytes("0", "", 2));
}

TEST(DxfEntities, LineWithLineTypeCarriesGroupSix) {
  std::ostringstream out;
  WriteDxfLine(out, 1.5, -2.25, 0, 3, 4, 0, 5, "DASHED", "Compact");
  EXPECT_EQ(out.str(), LineBytes("Compact", "DASHED", 5));
}

TEST(DxfEntities, TextBytesInOrder) {
  std::ostringstream out;
  WriteDxfText(out, 10, 20, "KM: 0+020.00", "Ground", 2.83);
  Bytes b;
  b.Byte(0).Byte(0x00).Str("TEXT").Byte(0);
  b.Byte(0x08).Str("Ground").Byte(0);
  b.Byte(0x0A).Real(10).Byte(0x14).Real(20).Byte(0x1E).Real(0);
  b.Byte(0x28).Real(2.83).Byte(0x32).Real(0);
  b.Byte(0x01).Str("KM: 0+020.00").Byte(0);
  b.Byte(0x3E).Byte(0);
  EXPECT_EQ(out.str(), b.Text());
}

TEST(DxfEntities, ColourHighByteComesFromTheNextEntityAndTheTrailer) {
  std::ostringstream out;
  WriteDxfLine(out, 1.5, -2.25, 0, 3, 4, 0, 4, "", "Deco");
  WriteDxfLine(out, 1.5, -2.25, 0, 3, 4, 0, 1, "", "Project");
  WriteDxfTrailer(out);
  const std::string bytes = out.str();
  const std::string first = LineBytes("Deco", "", 4);
  // Colour 4 as a 16-bit little-endian integer: its low byte ends the first entity, its high
  // byte (0) opens the second.
  ASSERT_GT(bytes.size(), first.size());
  EXPECT_EQ(bytes.substr(first.size() - 2, 3), std::string("\x3E\x04\x00", 3));
  const std::string trailer("\0\0ENDSEC\0\0EOF\0", 14);
  EXPECT_EQ(bytes, first + LineBytes("Project", "", 1) + trailer);
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

TEST(ClsGraphicOnDxf, TextHeightIsFontSizeOver283RoundedAndTextWidthPerCharacter) {
  std::ostringstream out;
  clsDXF dxf;
  clsGraphic graphic;
  graphic.SetObject(dxf);
  graphic.SetFileNumber(&out);
  graphic.SetFontSize(8);
  graphic.DrawText(1, 2, "A");
  std::ostringstream expected;
  WriteDxfText(expected, 1, 2, "A", "0", 2.83);
  EXPECT_EQ(out.str(), expected.str());
  EXPECT_DOUBLE_EQ(graphic.TextWidth("0123456789"), 10 * 8 / 2.83);
  EXPECT_DOUBLE_EQ(dxf.Width(), 1000000);
  EXPECT_DOUBLE_EQ(dxf.Height(), 1000);
}

TEST(ClsGraphicOnDxf, LinesCarryLayerColourAndTheDevicesLineType) {
  std::ostringstream out;
  clsDXF dxf;
  dxf.DrawStyleDXF = "DASHED";
  clsGraphic graphic;
  graphic.SetObject(dxf);
  graphic.SetFileNumber(&out);
  graphic.SetLayer("Compact");
  graphic.SetDrawWidth(0);  // no effect on a DXF drawing
  graphic.DrawLine(1.5, -2.25, 3, 4, 5);
  EXPECT_EQ(out.str(), LineBytes("Compact", "DASHED", 5));
}

TEST(ClsGraphicOnDxf, PointsThatAreNotNumbersAreNeverWritten) {
  std::ostringstream out;
  clsDXF dxf;
  clsGraphic graphic;
  graphic.SetObject(dxf);
  graphic.SetFileNumber(&out);
  graphic.DrawLine(0, std::nan(""), 1, 1, 0);
  graphic.DrawText(HUGE_VAL, 0, "x");
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace calvora
