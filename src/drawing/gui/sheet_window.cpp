#include "drawing/gui/sheet_window.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "drawing/gui/painter_device.h"
#include "drawing/gui/qt_printer_sheets.h"
#include "drawing/gui/sheet_range_dialog.h"
#include "records/file_error.h"
#include "shell/gui/app_icons.h"

namespace calvora {

namespace {

// Scroll bars run over the sheet in thousandths.
constexpr int kScrollRange = 1000;
// A wheel notch moves a tenth of the visible part, or zooms by this factor with Ctrl.
constexpr double kWheelStep = 0.1;
constexpr double kWheelZoom = 1.25;
constexpr int kNotch = 120;

}  // namespace

// The sheet drawn through the painter device; the wheel scrolls and zooms, dragging pans, a
// double-click goes to the window.
class SheetPicture : public QWidget {
 public:
  SheetPicture(SheetWindow& window, const char* name) : QWidget(&window), window_(window) {
    setObjectName(QString::fromLatin1(name));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Drawing sheet"));
    setMinimumSize(200, 150);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF sheet = SheetRect();
    if (sheet.isEmpty()) {
      return;
    }
    painter.fillRect(sheet, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterDevice device(painter, sheet, logicalDpiX());
    window_.model_->Paint(device);
  }

  void wheelEvent(QWheelEvent* event) override {
    const double notches = event->angleDelta().y() / double(kNotch);
    SheetWindowModel& model = *window_.model_;
    if (event->modifiers() & Qt::ControlModifier) {
      const QPointF at = SheetFraction(event->position());
      model.ZoomAbout(std::pow(kWheelZoom, -notches), at.x(), at.y());
    } else if (event->modifiers() & Qt::ShiftModifier) {
      model.SetCentre(model.CentreX() - notches * kWheelStep * model.Zoom(), model.CentreY());
    } else {
      model.SetCentre(model.CentreX(), model.CentreY() - notches * kWheelStep * model.Zoom());
    }
    window_.ScreenSheet();
    event->accept();
  }

  void mousePressEvent(QMouseEvent* event) override {
    dragFrom_ = event->position();
    setFocus();
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    const QRectF sheet = SheetRect();
    if (!(event->buttons() & Qt::LeftButton) || sheet.isEmpty()) {
      return;
    }
    const QPointF moved = event->position() - dragFrom_;
    dragFrom_ = event->position();
    SheetWindowModel& model = *window_.model_;
    model.SetCentre(model.CentreX() - moved.x() / sheet.width(),
                    model.CentreY() - moved.y() / sheet.height());
    window_.ScreenSheet();
  }

  void mouseDoubleClickEvent(QMouseEvent* event) override {
    const QPointF at = SheetFraction(event->position());
    window_.SheetDoubleClicked(at.x(), at.y());
  }

 private:
  QRectF SheetRect() const {
    const PictureRect sheet = window_.model_->SheetInPicture(width(), height());
    return {sheet.Left, sheet.Top, sheet.Width, sheet.Height};
  }
  // The point as fractions of the sheet's width and height from its top left corner.
  QPointF SheetFraction(const QPointF& point) const {
    const QRectF sheet = SheetRect();
    if (sheet.isEmpty()) {
      return {-1, -1};
    }
    return {(point.x() - sheet.left()) / sheet.width(), (point.y() - sheet.top()) / sheet.height()};
  }

  SheetWindow& window_;
  QPointF dragFrom_;
};

SheetWindow::SheetWindow(std::unique_ptr<SheetWindowModel> model, const char* formName,
                         const char* pictureName, UserDialogs& dialogs, QPrinter& printer,
                         Progress& progress, QWidget* parent)
    : QWidget(parent),
      model_(std::move(model)),
      dialogs_(dialogs),
      printer_(printer),
      progress_(progress) {
  setObjectName(QString::fromLatin1(formName));
  picture_ = new SheetPicture(*this, pictureName);
  hScroll_ = new QScrollBar(Qt::Horizontal, this);
  hScroll_->setObjectName(QStringLiteral("HScroll"));
  hScroll_->setAccessibleName(tr("Scroll the sheet sideways"));
  vScroll_ = new QScrollBar(Qt::Vertical, this);
  vScroll_->setObjectName(QStringLiteral("VScroll"));
  vScroll_->setAccessibleName(tr("Scroll the sheet up and down"));
  for (QScrollBar* scroll : {hScroll_, vScroll_}) {
    scroll->setRange(0, kScrollRange);
    scroll->setValue(kScrollRange / 2);
    scroll->setFocusPolicy(Qt::StrongFocus);
    connect(scroll, &QScrollBar::valueChanged, this, [this] { ScrollsMoved(); });
  }
  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("StatusBar"));
  status->setSizeGripEnabled(false);
  pagePanel_ = new QLabel(status);
  pagePanel_->setObjectName(QStringLiteral("Page"));
  zoomPanel_ = new QLabel(status);
  zoomPanel_->setObjectName(QStringLiteral("Zoom"));
  status->addWidget(pagePanel_, 1);
  status->addWidget(zoomPanel_, 1);

  auto* area = new QGridLayout;
  area->setSpacing(0);
  area->addWidget(picture_, 0, 0);
  area->addWidget(vScroll_, 0, 1);
  area->addWidget(hScroll_, 1, 0);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  CreateToolBar();
  layout->addWidget(findChild<QToolBar*>(QStringLiteral("Toolbar1")));
  layout->addLayout(area, 1);
  layout->addWidget(status);
  resize(760, 620);
  UpdateScale();
}

SheetWindow::~SheetWindow() = default;

QAction* SheetWindow::AddButton(const char* key, const QIcon& icon, const QString& tip,
                                QAction* before) {
  auto* bar = findChild<QToolBar*>(QStringLiteral("Toolbar1"));
  auto* action = new QAction(icon, tr(key), bar);
  bar->insertAction(before, action);
  action->setObjectName(QString::fromLatin1(key));
  action->setToolTip(tip);
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  bar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
  return action;
}

void SheetWindow::CreateToolBar() {
  auto* bar = new QToolBar(tr("Sheets"), this);
  bar->setObjectName(QStringLiteral("Toolbar1"));
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar->setIconSize(QSize(24, 24));
  const auto turning = [this](const char* key, const QIcon& icon, const QString& tip,
                              void (SheetWindowModel::*turn)()) {
    QAction* action = AddButton(key, icon, tip);
    connect(action, &QAction::triggered, this, [this, turn] {
      (model_.get()->*turn)();
      ScreenSheet();
    });
    return action;
  };
  const auto standard = [this](QStyle::StandardPixmap image) {
    return style()->standardIcon(image);
  };
  // The sheet keys (Home, Page Up, Page Down, End) work wherever the focus is in the window.
  turning("First", standard(QStyle::SP_MediaSkipBackward), tr("First sheet (Home)"),
          &SheetWindowModel::First);
  turning("Prev", standard(QStyle::SP_MediaSeekBackward), tr("Previous sheet (Page Up)"),
          &SheetWindowModel::Prev);
  turning("Next", standard(QStyle::SP_MediaSeekForward), tr("Next sheet (Page Down)"),
          &SheetWindowModel::Next);
  turning("Last", standard(QStyle::SP_MediaSkipForward), tr("Last sheet (End)"),
          &SheetWindowModel::Last);
  bar->addSeparator();
  print_ = AddButton("Print", PrinterIcon(), tr("Print sheets (Ctrl+P)"));
  print_->setShortcut(QKeySequence::Print);
  connect(print_, &QAction::triggered, this, &SheetWindow::Print);
  QAction* exportDxf = AddButton("Export", standard(QStyle::SP_DialogSaveButton),
                                 tr("Export sheets to DXF (Ctrl+E)"));
  exportDxf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  connect(exportDxf, &QAction::triggered, this, &SheetWindow::Export);
  bar->addSeparator();
  turning("Zoom-in", ZoomIcon(true), tr("Zoom in (Ctrl++)"), &SheetWindowModel::ZoomIn)
      ->setShortcut(QKeySequence::ZoomIn);
  turning("Zoom-out", ZoomIcon(false), tr("Zoom out (Ctrl+-)"), &SheetWindowModel::ZoomOut)
      ->setShortcut(QKeySequence::ZoomOut);
  QAction* setup =
      AddButton("Pagesetup", standard(QStyle::SP_FileDialogDetailedView), tr("Page setup"));
  connect(setup, &QAction::triggered, this, &SheetWindow::PageSetup);
  bar->addSeparator();
  QAction* exit =
      AddButton("Exit", standard(QStyle::SP_DialogCloseButton), tr("Close the window (Esc)"));
  exit->setShortcut(Qt::Key_Escape);
  connect(exit, &QAction::triggered, this, [this] {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
      frame->close();
    } else {
      close();
    }
  });
}

QAction* SheetWindow::AddOwnButton(const char* key, const QIcon& icon, const QString& tip) {
  return AddButton(key, icon, tip, print_);
}

void SheetWindow::SheetDoubleClicked(double, double) {}

void SheetWindow::UpdateScale() {
  model_->SetPage(PrinterSheet(printer_));
  ScreenSheet();
}

void SheetWindow::Redraw() {
  model_->Redraw();
  ScreenSheet();
}

void SheetWindow::ScreenSheet() {
  pagePanel_->setText(QString::fromStdString(model_->PageText()));
  zoomPanel_->setText(QString::fromStdString(model_->ZoomText()));
  showingScrolls_ = true;
  const int visible = static_cast<int>(std::min(1.0, model_->Zoom()) * kScrollRange);
  hScroll_->setPageStep(visible);
  vScroll_->setPageStep(visible);
  hScroll_->setValue(static_cast<int>(std::lround(model_->CentreX() * kScrollRange)));
  vScroll_->setValue(static_cast<int>(std::lround(model_->CentreY() * kScrollRange)));
  hScroll_->setEnabled(model_->Zoom() < 1);
  vScroll_->setEnabled(model_->Zoom() < 1);
  showingScrolls_ = false;
  picture_->update();
}

void SheetWindow::ScrollsMoved() {
  if (showingScrolls_) {
    return;
  }
  model_->SetCentre(hScroll_->value() / double(kScrollRange),
                    vScroll_->value() / double(kScrollRange));
  ScreenSheet();
}

void SheetWindow::keyPressEvent(QKeyEvent* event) {
  // Arrows scroll a tenth of the visible part.
  const double step = kWheelStep * model_->Zoom();
  switch (event->key()) {
    case Qt::Key_Home:
      model_->First();
      break;
    case Qt::Key_PageUp:
      model_->Prev();
      break;
    case Qt::Key_PageDown:
      model_->Next();
      break;
    case Qt::Key_End:
      model_->Last();
      break;
    case Qt::Key_Left:
      model_->SetCentre(model_->CentreX() - step, model_->CentreY());
      break;
    case Qt::Key_Right:
      model_->SetCentre(model_->CentreX() + step, model_->CentreY());
      break;
    case Qt::Key_Up:
      model_->SetCentre(model_->CentreX(), model_->CentreY() - step);
      break;
    case Qt::Key_Down:
      model_->SetCentre(model_->CentreX(), model_->CentreY() + step);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  ScreenSheet();
}

void SheetWindow::Print() {
  SheetRangeDialog range(SheetRangeModel::Purpose::Print, this);
  if (range.exec() != QDialog::Accepted) {
    return;
  }
  if (askPrinter_) {
    QPrintDialog choose(&printer_, this);
    if (choose.exec() != QDialog::Accepted) {
      return;
    }
  }
  try {
    QtPrinterSheets sheets(printer_);
    model_->Print(range.Model().choice, sheets, progress_);
  } catch (const FileError& error) {
    progress_.Finish();
    dialogs_.Message(error.what());
  }
  UpdateScale();
}

void SheetWindow::Export() {
  SheetRangeDialog range(SheetRangeModel::Purpose::Export, this);
  if (range.exec() != QDialog::Accepted) {
    return;
  }
  model_->Export(range.Model().choice, range.Model().Format(), progress_);
  ScreenSheet();
}

void SheetWindow::PageSetup() {
  QPageSetupDialog setup(&printer_, this);
  if (setup.exec() == QDialog::Accepted) {
    UpdateScale();
  }
}

}  // namespace calvora
