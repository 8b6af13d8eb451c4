#pragma once
// frmDrawCross: the designed cross-sections sheet by sheet, with paging, zoom, scrolling,
// finding, and printing and DXF export of a range of sheets.

#include <QWidget>
#include <functional>

#include "project/progress.h"
#include "project/user_dialogs.h"
#include "shell/cross_window_model.h"

class QAction;
class QLabel;
class QPrinter;
class QScrollBar;

namespace calvora {

class CrossPicture;

class CrossWindow : public QWidget {
  Q_OBJECT

 public:
  // The sheet is the page of printer; questions go to dialogs, passes show on progress.
  CrossWindow(const ProjectState& state, UserDialogs& dialogs, QPrinter& printer,
              Progress& progress, QWidget* parent = nullptr);
  ~CrossWindow() override;

  CrossWindowModel& Model() { return model_; }
  // Reads the printer's page again and redraws ("UpdateScale").
  void UpdateScale();
  // Draws the sheet anew: the sections may have changed.
  void Redraw();
  // Shows the sheet that holds the section record.
  void ShowSection(int record);
  // Whether "Print" first shows Qt's print dialog (the printer or a PDF file); tests print
  // straight to the printer as set up.
  void SetAskPrinter(bool ask) { askPrinter_ = ask; }

 signals:
  // "Find": the find dialog chooses a section, then ShowSection.
  void findRequested();
  // A double-click on a section: its record number.
  void sectionActivated(int record);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class CrossPicture;
  QAction* AddButton(const char* key, const QIcon& icon, const QString& tip);
  void CreateToolBar();
  // Status panels, scroll bars and the picture after a change ("ScreenCross").
  void ScreenCross();
  void ScrollsMoved();
  void Print();
  void Export();
  void PageSetup();

  CrossWindowModel model_;
  UserDialogs& dialogs_;
  QPrinter& printer_;
  Progress& progress_;
  CrossPicture* picture_;
  QScrollBar* hScroll_;
  QScrollBar* vScroll_;
  QLabel* pagePanel_;
  QLabel* zoomPanel_;
  bool askPrinter_ = true;
  bool showingScrolls_ = false;
};

}  // namespace calvora
