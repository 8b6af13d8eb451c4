#include "records/report_terminal_text.h"

#include <array>

#include "records/windows1252.h"

namespace calvora {

namespace {

// Code page 437 from 0xB0 to 0xDF: shades, box lines and blocks.
constexpr std::array<std::string_view, 48> kBoxes = {
    "░", "▒", "▓", "│", "┤", "╡", "╢", "╖", "╕", "╣", "║", "╗", "╝", "╜", "╛", "┐",
    "└", "┴", "┬", "├", "─", "┼", "╞", "╟", "╚", "╔", "╩", "╦", "╠", "═", "╬", "╧",
    "╨", "╤", "╥", "╙", "╘", "╒", "╓", "╫", "╪", "┘", "┌", "█", "▄", "▌", "▐", "▀"};

constexpr unsigned char kFirstBox = 0xB0;
constexpr unsigned char kTick = 0xFB;

}  // namespace

std::string ReportTerminalText(std::string_view reportBytes) {
  std::string text;
  text.reserve(reportBytes.size() * 2);
  std::size_t plainStart = 0;
  const auto flushPlain = [&](std::size_t end) {
    text += FromWindows1252(reportBytes.substr(plainStart, end - plainStart));
  };
  for (std::size_t i = 0; i < reportBytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(reportBytes[i]);
    const bool box = byte >= kFirstBox && byte < kFirstBox + kBoxes.size();
    if (!box && byte != kTick && byte != '\r' && byte != '\f') {
      continue;
    }
    flushPlain(i);
    plainStart = i + 1;
    if (box) {
      text += kBoxes[byte - kFirstBox];
    } else if (byte == kTick) {
      text += "√";
    } else if (byte == '\f') {
      text += '\n';
    }  // a carriage return: the line feed after it ends the line
  }
  flushPlain(reportBytes.size());
  return text;
}

}  // namespace calvora
