#include "tests/ui/support/EditorPaste.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace testing_support {

namespace {

// Opens the editor's context menu as the right mouse button does and
// picks its Paste entry with the arrow keys and Enter (the one that shows the paste shortcut).
bool PasteByContextMenu(QLineEdit* editor)
{
    const QPoint at = editor->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, editor->mapToGlobal(at));
    QApplication::sendEvent(editor, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return false;
    const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* entry : menu->actions()) {
        if (!entry->text().endsWith('\t' + shortcut) || !entry->isEnabled())
            continue;
        // Down the menu to the entry, then Enter.
        for (int step = 0; menu->activeAction() != entry && step < menu->actions().size(); ++step)
            QTest::keyClick(menu, Qt::Key_Down);
        const bool reached = menu->activeAction() == entry;
        QTest::keyClick(menu, reached ? Qt::Key_Return : Qt::Key_Escape);
        return reached;
    }
    menu->close();
    return false;
}

void DropAtCursor(QLineEdit* editor, const QString& text)
{
    QMimeData data;
    data.setText(text);
    const QPointF at = editor->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(editor, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(editor, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(editor, &drop);
}

} // namespace

bool PutIntoEditor(QLineEdit* editor, const QString& text, PasteRoute route)
{
    switch (route) {
    case PasteRoute::Keys:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        return true;
    case PasteRoute::Menu:
        QGuiApplication::clipboard()->setText(text);
        return PasteByContextMenu(editor);
    case PasteRoute::Drop:
        DropAtCursor(editor, text);
        return true;
    case PasteRoute::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(editor, &commit);
        return true;
    }
    }
    return false;
}

const char* RouteName(PasteRoute route)
{
    switch (route) {
    case PasteRoute::Keys: return "Ctrl+V";
    case PasteRoute::Menu: return "menu";
    case PasteRoute::Drop: return "drop";
    case PasteRoute::InputMethod: return "input method";
    }
    return "?";
}

} // namespace testing_support
