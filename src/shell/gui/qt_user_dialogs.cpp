#include "shell/gui/qt_user_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace calvora {

namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

// Prompts may break their lines with CR LF.
QString PromptText(const std::string& text) {
  return FromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                                QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, QStringLiteral("Calvora"), PromptText(text), buttons, parent);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::string RunFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent, FromUtf8(request.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
  }
  if (save) {
    // "ROAD" typed in a dialog for project files becomes "ROAD.PRJ".
    const QString pattern = FromUtf8(request.filter).section(QLatin1Char('|'), 1, 1);
    if (pattern.startsWith(QStringLiteral("*.")) && !pattern.contains(QLatin1Char(';'))) {
      dialog.setDefaultSuffix(pattern.mid(2));
    }
  }
  if (!request.proposedName.empty()) {
    dialog.selectFile(FromUtf8(request.proposedName));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = FromUtf8(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const qsizetype bracket = description.indexOf(QLatin1Char('('));
    if (bracket > 0) {
      description = description.left(bracket).trimmed();
    }
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      for (const QString& spelling : {pattern, pattern.toLower(), pattern.toUpper()}) {
        if (!patterns.contains(spelling)) {
          patterns << spelling;
        }
      }
    }
    filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                   QLatin1Char(')');
  }
  return filters;
}

void QtUserDialogs::Message(const std::string& text) {
  Ask(parent_, QMessageBox::Information, text, QMessageBox::Ok);
}

bool QtUserDialogs::YesNo(QuestionId, const std::string& text) {
  return Ask(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

bool QtUserDialogs::RetryCancel(const std::string& text) {
  return Ask(parent_, QMessageBox::Critical, text, QMessageBox::Retry | QMessageBox::Cancel) ==
         QMessageBox::Retry;
}

std::string QtUserDialogs::InputBox(const Question&, const std::string& prompt,
                                    const std::string& title, const std::string& defaultText) {
  QInputDialog dialog(parent_);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(FromUtf8(title));
  dialog.setLabelText(PromptText(prompt));
  dialog.setTextValue(FromUtf8(defaultText));
  if (dialog.exec() != QDialog::Accepted) {
    return {};
  }
  return dialog.textValue().toStdString();
}

std::string QtUserDialogs::OpenFileName(const FileDialogRequest& request) {
  return RunFileDialog(parent_, request, false);
}

std::string QtUserDialogs::SaveFileName(const FileDialogRequest& request) {
  return RunFileDialog(parent_, request, true);
}

}  // namespace calvora
