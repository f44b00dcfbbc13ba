#include "app/application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    velantra::setUpApplication(app);
    velantra::WindowRegistry registry;
    velantra::Main main(registry);
    main.show();
    return app.exec();
}
