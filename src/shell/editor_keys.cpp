#include "shell/editor_keys.h"

#include <algorithm>

namespace calvora {

const std::array<EditorButton, 8>& EditorButtons() {
  static const std::array<EditorButton, 8> kButtons = {{
      {EditorKey::First, "First", "&First", true, "First record"},
      {EditorKey::Prev, "Prev", "&Prev", false, "Previous record"},
      {EditorKey::Next, "Next", "&Next", false, "Next record (past the last: a new one)"},
      {EditorKey::Last, "Last", "L&ast", false, "Last record"},
      {EditorKey::Delete, "Delete", "D&elete", true, "Delete the shown record"},
      {EditorKey::Insert, "Insert", "&Insert", true, "Insert an empty record here"},
      {EditorKey::Find, "Find", "Fin&d", true, "Find by number or station"},
      {EditorKey::Exit, "Exit", "E&xit", true, "Close the editor"},
  }};
  return kButtons;
}

const std::array<EditorButton, 9>& TypicalSectionButtons() {
  static const std::array<EditorButton, 9> kButtons = {{
      EditorButtons()[0],
      EditorButtons()[1],
      EditorButtons()[2],
      EditorButtons()[3],
      EditorButtons()[4],
      {EditorKey::Properties, "Properties", "P&roperties", true, "Section properties"},
      {EditorKey::Assign, "Assign", "Assi&gn", false,
       "Give a range of sections the shown typical cross section"},
      EditorButtons()[6],
      EditorButtons()[7],
  }};
  return kButtons;
}

int MovedRecord(EditorKey key, int current, int count) {
  switch (key) {
    case EditorKey::First:
      return 1;
    case EditorKey::Prev:
      return std::max(1, current - 1);
    case EditorKey::Next:
      return current + 1;
    case EditorKey::Last:
      return count;
    default:
      return current;
  }
}

}  // namespace calvora
