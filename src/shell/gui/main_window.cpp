#include "shell/gui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStyle>
#include <QToolBar>

#include "drawing/gui/cross_window.h"
#include "drawing/gui/mass_haul_window.h"
#include "drawing/gui/plan_window.h"
#include "drawing/gui/profile_window.h"
#include "shell/gui/about_dialog.h"
#include "shell/gui/app_icons.h"
#include "shell/gui/find_section_dialog.h"
#include "shell/gui/project_properties_dialog.h"
#include "shell/main_window_model.h"

namespace calvora {

namespace {

QString Indexed(const char* name, std::size_t index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// A path as a menu caption: "&" in it is shown, not taken as the access key.
QString MenuText(const std::string& path) {
  return QString::fromStdString(path).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QList<QMdiSubWindow*> ShownChildren(QMdiArea& area, bool minimised) {
  QList<QMdiSubWindow*> shown;
  for (QMdiSubWindow* child : area.subWindowList()) {
    if (child->isVisible() && child->isMinimized() == minimised) {
      shown << child;
    }
  }
  return shown;
}

// Tile horizontally: one above the other, each as wide as the area; vertically: side by side.
void Tile(QMdiArea& area, bool horizontally) {
  const QList<QMdiSubWindow*> children = ShownChildren(area, false);
  if (children.isEmpty()) {
    return;
  }
  const QRect space = area.viewport()->rect();
  const int count = static_cast<int>(children.size());
  for (int i = 0; i < count; ++i) {
    children[i]->showNormal();
    if (horizontally) {
      const int top = space.height() * i / count;
      children[i]->setGeometry(0, top, space.width(), space.height() * (i + 1) / count - top);
    } else {
      const int left = space.width() * i / count;
      children[i]->setGeometry(left, 0, space.width() * (i + 1) / count - left, space.height());
    }
  }
}

// Minimised children in a row along the bottom of the area.
void ArrangeIcons(QMdiArea& area) {
  int left = 0;
  const int bottom = area.viewport()->height();
  for (QMdiSubWindow* child : ShownChildren(area, true)) {
    const QSize size = child->size();
    child->move(left, bottom - size.height());
    left += size.width();
  }
}

}  // namespace

MainWindow::MainWindow(ProjectState& state, const std::filesystem::path& configFolder,
                       UserDialogs* dialogs)
    : state_(state),
      qtDialogs_(this),
      dialogs_(dialogs != nullptr ? *dialogs : qtDialogs_),
      progress_(new ProgressDialog(this)),
      recent_(state.AppDir, configFolder),
      children_(new QMdiArea(this)) {
  setObjectName(QStringLiteral("mdiCV"));
  setWindowTitle(QStringLiteral("Calvora"));
  setWindowIcon(CalvoraIcon());
  commands_ = std::make_unique<MainCommands>(state_, *this, dialogs_, *progress_, recent_);
  children_->setObjectName(QStringLiteral("mdiArea"));
  setCentralWidget(children_);
  const int least = MainWindowModel::TwipsToPixels(MainWindowModel::kMinimumTwips, logicalDpiX());
  setMinimumSize(least,
                 MainWindowModel::TwipsToPixels(MainWindowModel::kMinimumTwips, logicalDpiY()));
  resize(960, 680);
  CreateMenus();
  CreateToolBar();
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    printer_.setPageSize(QPageSize(QPageSize::A4));  // no printer: the PDF printer's A4 page
  }
  connect(this, &MainWindow::crossSectionsRequested, this, &MainWindow::ShowCrossSections);
  EnableProperties(false);
  recent_.Load();
  ShowRecent();
}

MainWindow::~MainWindow() = default;

void MainWindow::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

bool MainWindow::CloseProjectWindows() {
  children_->closeAllSubWindows();
  return children_->subWindowList().isEmpty();
}

void MainWindow::EnableProperties(bool enabled) {
  propertiesButton_->setEnabled(enabled);
}

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuProj"));
  QAction* newItem = AddItem(file, "mnuProjNew", tr("&New"));
  newItem->setShortcut(QKeySequence::New);
  connect(newItem, &QAction::triggered, this, [this] {
    commands_->New();
    ShowRecent();
  });
  QAction* open = AddItem(file, "mnuProjOpen", tr("&Open"));
  open->setShortcut(QKeySequence::Open);
  connect(open, &QAction::triggered, this, [this] {
    commands_->Open();
    ShowRecent();
  });
  file->addSeparator()->setObjectName(QStringLiteral("mnuProjSep1"));
  QAction* printer = AddItem(file, "mnuFilePrinter", tr("&Printer setup"));
  printer->setShortcut(QKeySequence::Print);
  connect(printer, &QAction::triggered, this, &MainWindow::PrinterSetup);
  connect(AddItem(file, "mnuProjProp", tr("P&roperties")), &QAction::triggered, this,
          &MainWindow::ShowProperties);
  file->addSeparator()->setObjectName(QStringLiteral("mnuFileSepLandXml"));
  AddCommandItem(file, CommandId::ExportLandXml);
  AddCommandItem(file, CommandId::ImportLandXml);
  file->addSeparator()->setObjectName(QStringLiteral("mnuProjSep2"));
  for (std::size_t i = 0; i < recentItems_.size(); ++i) {
    recentItems_[i] = file->addAction(QString());
    recentItems_[i]->setObjectName(Indexed("mnuProjRecent", i));
    connect(recentItems_[i], &QAction::triggered, this, [this, i] {
      commands_->OpenRecent(i);
      ShowRecent();
    });
  }
  recentSeparator_ = file->addSeparator();
  recentSeparator_->setObjectName(QStringLiteral("mnuProjSep3"));
  QAction* exit = AddItem(file, "mnuProgExit", tr("&Exit"));
  exit->setShortcut(QKeySequence::Quit);
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  const std::array<std::tuple<const char*, QString, WorkingFileKind>, 3> editors = {{
      {"mnuEditData", tr("&Data"), WorkingFileKind::Data},
      {"mnuEditVar", tr("&Typical cross section"), WorkingFileKind::Variant},
      {"mnuEditCRV", tr("&Alignment"), WorkingFileKind::Alignment},
  }};
  for (const auto& [name, caption, kind] : editors) {
    connect(AddItem(edit, name, caption), &QAction::triggered, this, [this, kind = kind] {
      if (commands_->MayEdit(kind)) {
        emit editorRequested(kind);
      }
    });
  }

  QMenu* draw = menuBar()->addMenu(tr("&Draw"));
  draw->setObjectName(QStringLiteral("mnuDraw"));
  AddCommandItem(draw, CommandId::CrossSections);
  AddCommandItem(draw, CommandId::LongitudinalSection);
  AddCommandItem(draw, CommandId::MassHaul);
  AddCommandItem(draw, CommandId::Plan);

  QMenu* tools = menuBar()->addMenu(tr("&Tools"));
  tools->setObjectName(QStringLiteral("mnuTool"));
  AddCommandItem(tools, CommandId::ProjectElevations);
  AddItem(tools, "mnuToolVar", tr("Create &Variants"));
  AddCommandItem(tools, CommandId::WidenGround);

  QMenu* calc = menuBar()->addMenu(tr("&Calculations"));
  calc->setObjectName(QStringLiteral("mnuCalc"));
  AddCommandItem(calc, CommandId::Volumes);
  AddCommandItem(calc, CommandId::PlanCoordinates);

  QMenu* design = menuBar()->addMenu(tr("De&sign"));
  design->setObjectName(QStringLiteral("mnuDesign"));
  AddCommandItem(design, CommandId::HorizontalCurves);
  AddCommandItem(design, CommandId::SpiralCurves);

  QMenu* window = menuBar()->addMenu(tr("&Window"));
  window->setObjectName(QStringLiteral("mnuWindow"));
  const QString arrangements[] = {tr("&Cascade"), tr("Tile &Horizontally"), tr("Tile &Vertically"),
                                  tr("&Arrange Icons")};
  for (std::size_t i = 0; i < std::size(arrangements); ++i) {
    QAction* item = window->addAction(arrangements[i]);
    item->setObjectName(Indexed("mnuWindowChild", i));
    connect(item, &QAction::triggered, this, [this, i] { ArrangeChildren(int(i)); });
  }
  connect(window, &QMenu::aboutToShow, this, [this, window] { ListChildren(window); });

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  AddItem(help, "mnuHelpContents", tr("&Help Contents"));
  connect(AddItem(help, "mnuHelpAbout", tr("&About Calvora")), &QAction::triggered, this,
          &MainWindow::ShowAbout);

  // Never in the menu bar: the typical cross-section editor pops it up.
  typeMenu_ = new QMenu(tr("Type"), this);
  typeMenu_->setObjectName(QStringLiteral("mnuType"));
  AddItem(typeMenu_, "mnuTypeInsert", tr("&Insert"));
  AddItem(typeMenu_, "mnuTypeDelete", tr("&Delete"));
  AddItem(typeMenu_, "mnuTypeEdit", tr("&Edit"));
}

void MainWindow::CreateToolBar() {
  QToolBar* bar = addToolBar(tr("Main"));
  bar->setObjectName(QStringLiteral("ToolBarMain"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar->setIconSize(QSize(24, 24));
  const auto button = [this, bar](const char* key, const QIcon& icon, const char* menuItem) {
    QAction* action = bar->addAction(icon, tr(key));
    action->setObjectName(QString::fromLatin1(key));
    QAction* item = findChild<QAction*>(QString::fromLatin1(menuItem));
    connect(action, &QAction::triggered, item, &QAction::trigger);
    return action;
  };
  bar->addSeparator();
  button("New", style()->standardIcon(QStyle::SP_FileIcon), "mnuProjNew")
      ->setToolTip(tr("New project"));
  button("Open", style()->standardIcon(QStyle::SP_DialogOpenButton), "mnuProjOpen")
      ->setToolTip(tr("Open project"));
  bar->addSeparator();
  propertiesButton_ =
      button("Properties", style()->standardIcon(QStyle::SP_FileDialogDetailedView), "mnuProjProp");
  propertiesButton_->setToolTip(tr("Project properties"));
  bar->addSeparator();
  button("Cross", CrossSectionIcon(), "mnuDrawCross")->setToolTip(tr("Draw cross sections"));
}

QAction* MainWindow::AddCommandItem(QMenu* menu, CommandId id) {
  const CommandEntry& command = Command(id);
  QAction* item = AddItem(menu, command.menuItem.c_str(), QString::fromStdString(command.caption));
  connect(item, &QAction::triggered, this, [this, id] { RunCommand(id); });
  return item;
}

void MainWindow::RunCommand(CommandId id) {
  const CommandEntry& command = Command(id);
  if (!command.run) {
    if (!commands_->MayStart(id)) {
      return;
    }
    if (id == CommandId::CrossSections) {
      emit crossSectionsRequested();
    } else {
      ShowDrawing(id);
    }
    return;
  }
  if (command.rewritesData) {
    emit dataFileAboutToBeRewritten();
  }
  commands_->Run(command);
  if (command.rewritesData) {
    emit dataFileRewritten();
  }
}

void MainWindow::ShowRecent() {
  const auto& entries = recent_.Entries();
  for (std::size_t i = 0; i < recentItems_.size(); ++i) {
    const bool used = i < entries.size();
    recentItems_[i]->setText(used ? MenuText(entries[i]) : QString());
    recentItems_[i]->setVisible(used);
  }
  recentSeparator_->setVisible(!entries.empty());
}

void MainWindow::ListChildren(QMenu* menu) {
  qDeleteAll(childItems_);
  childItems_.clear();
  const QList<QMdiSubWindow*> children = children_->subWindowList();
  if (children.isEmpty()) {
    return;
  }
  childItems_ << menu->addSeparator();
  int number = 0;
  for (QMdiSubWindow* child : children) {
    QAction* item =
        menu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(child->windowTitle()));
    item->setCheckable(true);
    item->setChecked(child == children_->activeSubWindow());
    connect(item, &QAction::triggered, this,
            [this, child] { children_->setActiveSubWindow(child); });
    childItems_ << item;
  }
}

void MainWindow::ArrangeChildren(int arrangement) {
  switch (arrangement) {
    case 0:
      children_->cascadeSubWindows();
      break;
    case 1:
    case 2:
      Tile(*children_, arrangement == 1);
      break;
    default:
      ArrangeIcons(*children_);
      break;
  }
}

void MainWindow::PrinterSetup() {
  QPrintDialog dialog(&printer_, this);
  dialog.setWindowTitle(tr("Printer setup"));
  dialog.exec();
}

void MainWindow::OpenProjectPath(const std::string& path) {
  commands_->OpenPath(path);
  ShowRecent();
}

void MainWindow::ShowProperties() {
  if (!commands_->MayShowProperties()) {
    return;
  }
  ProjectPropertiesDialog dialog(state_, dialogs_, this);
  dialog.exec();
}

void MainWindow::HideCrossSections() {
  if (crossSections_ != nullptr) {
    crossSections_->hide();
  }
}

void MainWindow::ShowCrossSections() {
  emit crossSectionsShowing();
  if (crossSections_ == nullptr) {
    auto* window = new CrossWindow(state_, dialogs_, printer_, *progress_);
    connect(this, &MainWindow::dataFileRewritten, window, &CrossWindow::Redraw);
    connect(window, &CrossWindow::findRequested, this, [this, window] {
      FindSectionModel find;
      find.Tag = kDataFindTag;
      FindSectionDialog dialog(find, state_, dialogs_, window);
      dialog.exec();
      if (find.Found()) {
        window->ShowSection(state_.Data.Current);
      }
    });
    connect(window, &CrossWindow::sectionActivated, this, [this](int record) {
      if (commands_->MayEdit(WorkingFileKind::Data)) {
        emit sectionEditRequested(record);
      }
    });
    crossSections_ = children_->addSubWindow(window);
    crossSections_->setAttribute(Qt::WA_DeleteOnClose);
  }
  crossSections_->show();
  children_->setActiveSubWindow(crossSections_);
}

void MainWindow::ShowDrawing(CommandId id) {
  QPointer<QMdiSubWindow>& child = id == CommandId::LongitudinalSection ? profile_
                                   : id == CommandId::Plan              ? plan_
                                                                        : massHaul_;
  if (child == nullptr) {
    SheetWindow* window = nullptr;
    if (id == CommandId::LongitudinalSection || id == CommandId::Plan) {
      window =
          id == CommandId::Plan
              ? static_cast<SheetWindow*>(new PlanWindow(state_, dialogs_, printer_, *progress_))
              : new ProfileWindow(state_, dialogs_, printer_, *progress_);
      connect(this, &MainWindow::dataFileRewritten, window, &SheetWindow::Redraw);
    } else {
      auto* diagram = new MassHaulWindow(state_, dialogs_, printer_, *progress_);
      connect(this, &MainWindow::dataFileRewritten, diagram, &MassHaulWindow::Recompute);
      window = diagram;
    }
    child = children_->addSubWindow(window);
    child->setAttribute(Qt::WA_DeleteOnClose);
  }
  child->show();
  children_->setActiveSubWindow(child);
}

void MainWindow::ShowAbout() {
  AboutDialog dialog(dialogs_, this);
  dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  children_->closeAllSubWindows();
  if (!children_->subWindowList().isEmpty()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace calvora
