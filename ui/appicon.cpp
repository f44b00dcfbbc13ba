#include "ui/appicon.h"

namespace velantra::ui
{

QIcon applicationIcon()
{
    const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48})
            i.addFile(QStringLiteral(":/icons/velantra-%1.png").arg(size), QSize(size, size));
        return i;
    }();
    return icon;
}

} // namespace velantra::ui
