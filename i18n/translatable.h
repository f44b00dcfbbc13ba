#pragma once

// Marks a text for translation where Qt is not at hand (the device table, the engine's profiles,
// budgets, cards, plans): it expands to the English text itself, which the code keeps using, and
// tells lupdate (as QT_TRANSLATE_NOOP) to collect it under `context`. Where the text is shown,
// i18n::text(context, text) gives it in the user's language. The web page shows these texts as
// written, in English.
#define VT_TEXT(context, text) text

// The contexts: one per family of texts, so that a text reads the same wherever it is shown.
namespace velantra::i18n::context
{
inline constexpr const char* kLayout = "Layout"; // window captions, their controls, the menu
inline constexpr const char* kMessages = "Messages"; // the windows' message boxes and error lines
inline constexpr const char* kSheets = "Sheets";     // the data sheets' headings, units and notes
inline constexpr const char* kCards = "Cards";       // setting cards and budget reports
inline constexpr const char* kPlans = "Plans";       // rig plans, their rows and problems
inline constexpr const char* kCommandLine = "CommandLine"; // help, options, the commands' messages
} // namespace velantra::i18n::context
