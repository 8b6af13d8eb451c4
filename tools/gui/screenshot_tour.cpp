// calvora-screenshots DIR PROJECT.PRJ: pictures of the application for its documentation. It
// photographs the main window, each tab of the properties dialog, the cross-section window, the
// about box, the find dialog, the section data editor on section 10 with its sketch, the
// alignment editor on a curve record, the typical cross-section editor with a tool tip and its
// three dialogs, and the progress dialog during a volume run into DIR, then ends. Run it under a
// display (scripts/screenshot).

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/batch_dialogs.h"
#include "drawing/gui/cross_window.h"
#include "drawing/gui/sheet_range_dialog.h"
#include "drawing/gui/template_picture.h"
#include "quantities/calc_volumes.h"
#include "shell/gui/about_dialog.h"
#include "shell/gui/alignment_editor.h"
#include "shell/gui/data_editor.h"
#include "shell/gui/editor_windows.h"
#include "shell/gui/find_section_dialog.h"
#include "shell/gui/main_window.h"
#include "shell/gui/project_properties_dialog.h"
#include "shell/gui/run_gui.h"
#include "shell/gui/template_form_dialog.h"
#include "shell/gui/typical_section_editor.h"

namespace calvora {

namespace {

void Save(QWidget& widget, const QString& folder, const QString& name) {
  QApplication::processEvents();
  const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
  if (!widget.grab().save(path)) {
    std::cerr << "calvora: cannot write " << path.toStdString() << '\n';
  }
}

// The window's progress dialog, photographed halfway through the pass.
class PhotographedProgress : public Progress {
 public:
  PhotographedProgress(ProgressDialog& dialog, QString folder)
      : dialog_(dialog), folder_(std::move(folder)) {}
  void Start(int maximum) override {
    maximum_ = maximum;
    dialog_.Start(maximum);
  }
  bool Step(int value) override {
    const bool stop = dialog_.Step(value);
    if (!taken_ && value >= (maximum_ + 1) / 2) {
      Save(dialog_, folder_, QStringLiteral("progress"));
      taken_ = true;
    }
    return stop;
  }
  void Finish() override { dialog_.Finish(); }

 private:
  ProgressDialog& dialog_;
  QString folder_;
  int maximum_ = 0;
  bool taken_ = false;
};

// The cross-section window on sheet 2, then zoomed in twice, and its sheet-range dialog.
void PhotographCrossSections(MainWindow& window, const QString& folder) {
  window.findChild<QAction*>(QStringLiteral("Cross"))->trigger();
  auto* cross = window.findChild<CrossWindow*>();
  if (cross == nullptr) {
    std::cerr << "calvora: the cross-section window did not open\n";
    return;
  }
  window.Children().activeSubWindow()->showMaximized();
  cross->findChild<QAction*>(QStringLiteral("Next"))->trigger();
  Save(window, folder, QStringLiteral("cross-sections"));
  for (int i = 0; i < 2; ++i) {
    cross->findChild<QAction*>(QStringLiteral("Zoom-in"))->trigger();
  }
  Save(window, folder, QStringLiteral("cross-sections-zoomed"));
  SheetRangeDialog range(SheetRangeModel::Purpose::Print, cross);
  range.show();
  Save(range, folder, QStringLiteral("print-range"));
  window.Children().closeAllSubWindows();
}

// The longitudinal section, the mass-haul diagram and the plan, each window maximized on its
// first sheet.
void PhotographRoadDrawings(MainWindow& window, const QString& folder) {
  for (const auto& [item, name] :
       {std::pair{"mnuDrawProf", "profile"}, std::pair{"mnuDrawBrok", "mass-haul"},
        std::pair{"mnuDrawPlan", "plan"}}) {
    window.findChild<QAction*>(QString::fromLatin1(item))->trigger();
    if (QMdiSubWindow* child = window.Children().activeSubWindow()) {
      child->showMaximized();
      Save(window, folder, QString::fromLatin1(name));
    }
    window.Children().closeAllSubWindows();
  }
}

// The data editor found on section 10 through the find dialog, and the alignment editor on its
// first curve record.
void PhotographEditors(MainWindow& window, UserDialogs& answers, const QString& folder) {
  ProjectState& state = window.State();
  auto* editors = window.findChild<EditorWindows*>();
  if (editors == nullptr || !state.Data.Loaded() || !state.Align.Loaded()) {
    return;
  }
  window.resize(1240, 860);
  window.findChild<QAction*>(QStringLiteral("mnuEditData"))->trigger();
  DataEditor* data = editors->Data();
  data->parentWidget()->resize(1000, 760);
  FindSectionModel find;
  find.Tag = kDataFindTag;
  find.txtFromSec = "10";
  FindSectionDialog dialog(find, state, answers, data);
  dialog.show();
  Save(dialog, folder, QStringLiteral("find-section"));
  dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  data->Load();
  Save(*data->parentWidget(), folder, QStringLiteral("data-editor"));

  window.findChild<QAction*>(QStringLiteral("mnuEditCRV"))->trigger();
  AlignmentEditor* alignment = editors->Alignment();
  for (int n = 1; n <= state.Align.Count(); ++n) {
    const auto point = ReadRecord<AlignmentRecord>(*state.Align.File, n);
    if (point.Is(PointCode::LeftTurnStart) || point.Is(PointCode::RightTurnStart)) {
      state.Align.Current = n;
      break;
    }
  }
  alignment->Load();
  Save(*alignment->parentWidget(), folder, QStringLiteral("alignment-editor"));
}

// The typical cross-section editor on the demo's first template, the pointer over its outer
// line with the tool tip (a window of its own, painted into the picture), and its dialogs.
void PhotographTypicalSections(MainWindow& window, UserDialogs& answers, const QString& folder) {
  auto* editors = window.findChild<EditorWindows*>();
  if (editors == nullptr || !window.State().Var.Loaded()) {
    return;
  }
  window.findChild<QAction*>(QStringLiteral("mnuEditVar"))->trigger();
  TypicalSectionEditor* editor = editors->TypicalSections();
  QWidget& child = *editor->parentWidget();
  child.resize(900, 560);
  QApplication::processEvents();
  auto* picture = editor->findChild<TemplatePicture*>(QStringLiteral("picVar"));
  const VariantRecord& record = editor->Model().Record();
  const double outer = record.Point(OuterVertex(record, 1), 0);
  const double x = (outer + record.Point(OuterVertex(record, 1) - 1, 0)) / 2;
  const QPointF at(picture->width() / 2.0 + x * picture->height() / 20.0, picture->height() / 3.0);
  QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(picture, &move);
  QApplication::processEvents();
  QImage image = child.grab().toImage();
  for (QWidget* tip : QApplication::topLevelWidgets()) {
    if (tip->inherits("QTipLabel") && tip->isVisible()) {
      QPainter painter(&image);
      painter.drawPixmap(child.mapFromGlobal(tip->pos()), tip->grab());
    }
  }
  image.save(QDir(folder).filePath(QStringLiteral("typical-sections.png")));

  const LineSize line = LineSizeOf(record, 2);
  LineInfoForm lineInfo(&line);
  DitchForm ditch(editor->Model().TranView(1), 1);
  SectionPropertiesForm properties(record);
  const std::pair<TemplateForm*, const char*> forms[] = {
      {&lineInfo, "line-info"}, {&ditch, "ditch"}, {&properties, "section-properties"}};
  for (const auto& [form, name] : forms) {
    TemplateFormDialog dialog(*form, answers, editor);
    dialog.show();
    Save(dialog, folder, QString::fromLatin1(name));
  }
  window.Children().closeAllSubWindows();
}

void TakePictures(MainWindow& window, const QString& folder) {
  QDir().mkpath(folder);
  Save(window, folder, QStringLiteral("main-window"));

  BatchDialogs answers(std::cerr);
  answers.AnswerYes(true);
  ProjectState& state = window.State();
  if (state.ProjectOpen()) {
    ProjectPropertiesDialog properties(state, answers, &window);
    properties.show();
    auto* tabs = properties.findChild<QTabBar*>(QStringLiteral("tabProjProp"));
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      Save(properties, folder,
           QStringLiteral("properties-%1-%2").arg(i + 1).arg(tabs->tabText(i).toLower()));
    }
  }

  if (state.ProjectOpen()) {
    PhotographCrossSections(window, folder);
    PhotographRoadDrawings(window, folder);
  }
  PhotographEditors(window, answers, folder);
  PhotographTypicalSections(window, answers, folder);

  AboutDialog about(answers, &window);
  about.show();
  Save(about, folder, QStringLiteral("about"));
  about.hide();

  if (state.ProjectOpen()) {
    PhotographedProgress progress(window.ProgressWindow(), folder);
    window.ProgressWindow().SetText(QObject::tr("Computing volumes..."));
    const VolumeRunSummary summary = CalcVolumes(state, answers, progress);
    std::cerr << "calvora: volume run " << (summary.Written ? "wrote its reports" : "stopped")
              << '\n';
  }
}

}  // namespace
}  // namespace calvora

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: calvora-screenshots DIR PROJECT.PRJ\n";
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  char* guiArgs[] = {argv[0], argv[2], nullptr};
  std::error_code ec;
  const auto programDir = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  return calvora::RunGui(2, guiArgs, programDir, [folder](calvora::MainWindow& window) {
    QTimer::singleShot(300, &window, [&window, folder] {
      calvora::TakePictures(window, folder);
      QApplication::quit();
    });
  });
}
