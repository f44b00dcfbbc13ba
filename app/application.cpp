#include "app/application.h"

#include <QApplication>
#include <QSettings>

namespace velantra
{

int runWindows(QApplication& app)
{
    WindowRegistry registry;
    Main main(registry);
    main.show();
    return app.exec();
}

} // namespace velantra
