#pragma once
// A sheet drawing window: the sheets of a SheetWindowModel with paging, zoom, scrolling, and
// printing and DXF export of a range of sheets. The cross-section, longitudinal-section and
// mass-haul windows derive from it and add their own buttons before "Print".

#include <QWidget>
#include <memory>

#include "project/progress.h"
#include "project/user_dialogs.h"
#include "shell/sheet_window_model.h"

class QAction;
class QLabel;
class QPrinter;
class QScrollBar;

namespace calvora {

class SheetPicture;

class SheetWindow : public QWidget {
  Q_OBJECT

 public:
  // The window (objectName formName) shows the model's sheets in a picture named pictureName;
  // the sheet is the page of printer; questions go to dialogs, passes show on progress.
  SheetWindow(std::unique_ptr<SheetWindowModel> model, const char* formName,
              const char* pictureName, UserDialogs& dialogs, QPrinter& printer, Progress& progress,
              QWidget* parent = nullptr);
  ~SheetWindow() override;

  SheetWindowModel& SheetModel() { return *model_; }
  // Reads the printer's page again and redraws ("UpdateScale").
  void UpdateScale();
  // Draws the sheet anew: the drawing's data or options may have changed.
  void Redraw();
  // Whether "Print" first shows Qt's print dialog (the printer or a PDF file); tests print
  // straight to the printer as set up.
  void SetAskPrinter(bool ask) { askPrinter_ = ask; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // A button of the window's own, placed before "Print".
  QAction* AddOwnButton(const char* key, const QIcon& icon, const QString& tip);
  // A double-click on the sheet at (fx, fy), fractions of the sheet; nothing by default.
  virtual void SheetDoubleClicked(double fx, double fy);
  // Status panels, scroll bars and the picture after a change ("ScreenCross").
  void ScreenSheet();
  // Where passes over the sections show.
  Progress& Passes() { return progress_; }

 private:
  friend class SheetPicture;
  // A tool-bar button, at the end or before another.
  QAction* AddButton(const char* key, const QIcon& icon, const QString& tip,
                     QAction* before = nullptr);
  void CreateToolBar();
  void ScrollsMoved();
  void Print();
  void Export();
  void PageSetup();

  std::unique_ptr<SheetWindowModel> model_;
  UserDialogs& dialogs_;
  QPrinter& printer_;
  Progress& progress_;
  SheetPicture* picture_;
  QScrollBar* hScroll_;
  QScrollBar* vScroll_;
  QLabel* pagePanel_;
  QLabel* zoomPanel_;
  QAction* print_ = nullptr;
  bool askPrinter_ = true;
  bool showingScrolls_ = false;
};

}  // namespace calvora
