#pragma once

#include "ui/layouttable.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <span>

class QAbstractButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace velantra::ui
{

// The controls of one built window, by name.
class Controls
{
public:
    QObject* find(QStringView name) const;
    QWidget* widget(QStringView name) const;
    template <typename T> T* get(QStringView name) const
    {
        // Names in code are checked against the table at compile time where they can be; this
        // holds in every build type.
        T* object = qobject_cast<T*>(find(name));
        if (!object)
            qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name.toString()));
        return object;
    }
    void add(QObject* object);

private:
    QHash<QString, QObject*> byName_;
};

// Builds the table's controls into `client` in creation order: names, rectangles, captions,
// fonts, colours, initial states, stacking (earlier rows lie in front) and tab order. Option
// buttons directly in one container form one exclusive group. Building connects nothing, so no
// procedure runs.
Controls buildLayout(QWidget* client, std::span<const Control> table);

// Name, caption, icon, border, client size and start-up position of a top-level window.
void setUpWindow(QWidget* window, const WindowSpec& spec);

// Deselects an option button, leaving its group with none selected.
void deselect(QRadioButton* button);

} // namespace velantra::ui
