#include "ui/appicon.h"

#include "ui/shownpicture.h"

#include <QPixmap>

namespace velantra::ui
{

QIcon applicationIcon()
{
    // Not QIcon::addFile, which asks every image plugin whether it reads a PNG.
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(
            QPixmap::fromImage(readResource(QStringLiteral(":/icons/velantra-%1.png").arg(size))));
    return icon;
}

} // namespace velantra::ui
