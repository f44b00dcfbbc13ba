#pragma once

#include <QApplication>
#include <memory>

namespace velantra::cli
{

// The application on the user's display, the platform chosen by the environment
// (QT_QPA_PLATFORM, else Qt's default). Where no display can be opened it prints one line that
// says so on standard error and returns null, where Qt alone would abort.
std::unique_ptr<QApplication> displayApplication(char* argv0);

// An application for drawing without a display: the offscreen platform, whatever the environment
// says. On Windows, where every session can draw and the fonts are the system's, the platform the
// environment chooses. From then on only Qt's errors reach standard error, not its warnings.
std::unique_ptr<QApplication> offscreenApplication(char* argv0);

} // namespace velantra::cli
