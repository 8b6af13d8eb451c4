#pragma once
// Toolbar1 of the record editors: First, Prev, Next, Last, Delete, Insert, Find, Exit, each with
// its image, its caption under it and its access key, in the style of the main tool bar.

#include <functional>
#include <span>

#include "shell/editor_keys.h"

class QToolBar;
class QWidget;

namespace calvora {

QToolBar* MakeEditorToolBar(QWidget* parent, std::span<const EditorButton> buttons,
                            const std::function<void(EditorKey)>& pressed);

}  // namespace calvora
