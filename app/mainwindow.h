#pragma once

#include "app/windowcatalogue.h"

#include <QMainWindow>

namespace velantra
{

class WindowRegistry;

// The start-up window: the maker's logo and the menu bar from which every other window is shown.
class Main : public QMainWindow
{
    Q_OBJECT
public:
    explicit Main(WindowRegistry& registry, QWidget* parent = nullptr);

private:
    void createMenus();
    QWidget* showWindow(WindowId id);
    void exit_Click();

    WindowRegistry& registry_;
};

} // namespace velantra
