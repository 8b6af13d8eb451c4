#pragma once
// Pictures of the application for its documentation: with CALVORA_SCREENSHOT_DIR set in the
// environment, the program photographs its main window, each tab of the properties dialog, the
// about box and the progress dialog during a volume run into that folder, then ends.

#include <QString>

namespace calvora {

class MainWindow;

// The folder named by CALVORA_SCREENSHOT_DIR, or "" when pictures are not wanted.
QString ScreenshotFolder();

// Takes the pictures once the event loop runs, then quits the application.
void ScheduleScreenshotTour(MainWindow& window, const QString& folder);

}  // namespace calvora
