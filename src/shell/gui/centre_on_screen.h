#pragma once
// Places a window in the middle of the screen it is on.

#include <QWidget>

namespace calvora {

void CentreOnScreen(QWidget& window);

}  // namespace calvora
