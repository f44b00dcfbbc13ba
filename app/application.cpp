#include "app/application.h"

#include <QApplication>

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
