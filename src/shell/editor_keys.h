#pragma once
// The tool bar of the record editors: its keys in order, and where the moving keys lead.

#include <array>

namespace calvora {

enum class EditorKey { First, Prev, Next, Last, Delete, Insert, Properties, Assign, Find, Exit };

struct EditorButton {
  EditorKey key;
  const char* text;      // the key, also the button's caption and objectName
  const char* keyed;     // the caption with its access key marked by "&"
  bool separatorBefore;  // the tool bar sets the button apart from the one before
  const char* toolTip;
};

const std::array<EditorButton, 8>& EditorButtons();
// Toolbar1 of the typical cross-section editor: no Insert; Properties and Assign.
const std::array<EditorButton, 9>& TypicalSectionButtons();

// The record shown after a moving key: First 1, Prev one back but not below 1, Next one on
// (one past the last record offers a new one), Last the count. Other keys keep current.
int MovedRecord(EditorKey key, int current, int count);

}  // namespace calvora
