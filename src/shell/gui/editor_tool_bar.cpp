#include "shell/gui/editor_tool_bar.h"

#include <QAction>
#include <QStyle>
#include <QToolBar>
#include <QWidget>

namespace calvora {

namespace {

QStyle::StandardPixmap ImageOf(EditorKey key) {
  switch (key) {
    case EditorKey::First:
      return QStyle::SP_MediaSkipBackward;
    case EditorKey::Prev:
      return QStyle::SP_MediaSeekBackward;
    case EditorKey::Next:
      return QStyle::SP_MediaSeekForward;
    case EditorKey::Last:
      return QStyle::SP_MediaSkipForward;
    case EditorKey::Delete:
      return QStyle::SP_TrashIcon;
    case EditorKey::Insert:
      return QStyle::SP_FileIcon;
    case EditorKey::Properties:
      return QStyle::SP_FileDialogDetailedView;
    case EditorKey::Assign:
      return QStyle::SP_ArrowRight;
    case EditorKey::Find:
      return QStyle::SP_FileDialogContentsView;
    case EditorKey::Exit:
      break;
  }
  return QStyle::SP_DialogCloseButton;
}

}  // namespace

QToolBar* MakeEditorToolBar(QWidget* parent, std::span<const EditorButton> buttons,
                            const std::function<void(EditorKey)>& pressed) {
  auto* bar = new QToolBar(parent);
  bar->setObjectName(QStringLiteral("Toolbar1"));
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar->setIconSize(QSize(24, 24));
  for (const EditorButton& button : buttons) {
    if (button.separatorBefore) {
      bar->addSeparator();
    }
    QAction* action = bar->addAction(parent->style()->standardIcon(ImageOf(button.key)),
                                     QString::fromLatin1(button.keyed));
    action->setObjectName(QString::fromLatin1(button.text));
    action->setIconText(QString::fromLatin1(button.text));
    action->setToolTip(QString::fromLatin1(button.toolTip));
    action->setShortcut(QKeySequence::mnemonic(action->text()));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    parent->addAction(action);
    bar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
    const EditorKey key = button.key;
    QObject::connect(action, &QAction::triggered, parent, [pressed, key] { pressed(key); });
  }
  return bar;
}

}  // namespace calvora
