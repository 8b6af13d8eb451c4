#include "shell/gui/about_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

#include "shell/gui/app_icons.h"
#include "shell/gui/centre_on_screen.h"

namespace calvora {

namespace {

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  return label;
}

}  // namespace

SystemFacts CollectSystemFacts() {
  SystemFacts facts;
  facts.operatingSystem = QSysInfo::prettyProductName().toStdString();
  facts.kernel = (QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion())
                     .trimmed()
                     .toStdString();
  facts.toolkit = qVersion();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QSize size = screen->size();
    facts.screens.push_back(QStringLiteral("%1, %2 x %3 pixels at %4 dpi")
                                .arg(screen->name())
                                .arg(size.width())
                                .arg(size.height())
                                .arg(qRound(screen->logicalDotsPerInch()))
                                .toStdString());
  }
  return facts;
}

AboutDialog::AboutDialog(UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QString::fromStdString(AboutModel::Caption()));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setPixmap(CalvoraIcon().pixmap(64, 64));
  icon->setAlignment(Qt::AlignTop);

  auto* title = NamedLabel("lblTitle", QString::fromLatin1(AboutModel::kTitle), this);
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* version =
      NamedLabel("lblVersion",
                 QString::fromStdString(AboutModel::VersionText(
                     CALVORA_VERSION_MAJOR, CALVORA_VERSION_MINOR, CALVORA_VERSION_PATCH)),
                 this);
  auto* description =
      NamedLabel("lblDescription", QString::fromStdString(AboutModel::Description()), this);
  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("linOrnament"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  auto* disclaimer =
      NamedLabel("lblDisclaimer", QString::fromStdString(AboutModel::Disclaimer()), this);
  auto* platform =
      NamedLabel("lblPlatform", tr("Built with Qt %1.").arg(QLatin1String(QT_VERSION_STR)), this);
  auto* licence = NamedLabel("lblLicence", tr("Projects and reports stay on this computer."), this);
  description->setMinimumWidth(340);
  disclaimer->setMinimumWidth(340);
  for (QLabel* small : {disclaimer, platform, licence}) {
    QFont font = small->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    small->setFont(font);
  }

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  auto* sysInfo = new QPushButton(tr("&System Info..."), this);
  sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(sysInfo, &QPushButton::clicked, this,
          [this] { dialogs_.Message(AboutModel::SystemInformation(CollectSystemFacts())); });

  auto* texts = new QVBoxLayout;
  texts->addWidget(title);
  texts->addWidget(version);
  texts->addSpacing(6);
  texts->addWidget(description);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addSpacing(12);
  top->addLayout(texts, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(sysInfo);
  buttons->addStretch();
  auto* notes = new QVBoxLayout;
  notes->addWidget(disclaimer);
  notes->addWidget(platform);
  notes->addWidget(licence);
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(notes, 1);
  bottom->addSpacing(12);
  bottom->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(line);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
}

}  // namespace calvora
