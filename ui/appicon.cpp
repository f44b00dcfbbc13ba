#include "ui/appicon.h"

namespace velantra::ui
{

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/velantra-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace velantra::ui
