#include "ui/accessibletextbox.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace velantra::ui
{
namespace
{

class AccessibleTextBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleTextBox(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        if (!box()->isReadOnly())
            box()->setText(text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (box()->isReadOnly())
            state.readOnly = true;
        else
            state.editable = true;
        state.selectableText = true;
        if (box()->echoMode() != QLineEdit::Normal)
            state.passwordEdit = true;
        return state;
    }

    // Text
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    QString attributes(int offset, int* start, int* end) const override
    {
        // One run without attributes over the whole text.
        *start = 0;
        *end = characterCount();
        if (offset < 0 || offset > *end)
            *start = *end = offset;
        return QString();
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    QRect characterRect(int offset) const override
    {
        const QString before = shown().left(offset);
        const QRect inside = box()->contentsRect();
        const int x = inside.left() + box()->fontMetrics().horizontalAdvance(before);
        const int width = box()->fontMetrics().horizontalAdvance(shown().mid(offset, 1));
        return QRect(box()->mapToGlobal(QPoint(x, inside.top())), QSize(width, inside.height()));
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }

    // Editable text: as typing would, within the box's limits.
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override
    {
        box()->setCursorPosition(offset);
        box()->insert(text);
    }
    void replaceText(int start, int end, const QString& text) override
    {
        box()->setSelection(start, end - start);
        box()->insert(text);
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
    QString shown() const
    {
        return box()->echoMode() == QLineEdit::Normal ? box()->text() : box()->displayText();
    }
};

} // namespace

QAccessibleInterface* makeAccessibleTextBox(QLineEdit* box)
{
    return new AccessibleTextBox(box);
}

} // namespace velantra::ui
