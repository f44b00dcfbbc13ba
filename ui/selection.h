#pragma once

#include <QRadioButton>

namespace velantra::ui
{

// Runs an option button's click procedure when it becomes selected. Its deselection, which is
// its group peer's selection, runs nothing.
template <typename Procedure>
void onSelected(QRadioButton* option, const QObject* context, Procedure procedure)
{
    QObject::connect(option, &QRadioButton::toggled, context, [procedure](bool on) {
        if (on)
            procedure();
    });
}

} // namespace velantra::ui
