#pragma once

// Translatable texts where Qt is not at hand (the device table, the engine's profiles, budgets,
// cards, plans). Two ways, both read by lupdate:
// - VT_TEXT(context, text) marks a text kept in a table: it expands to the English text itself,
//   which the code keeps using; where the text is shown, the Qt side's i18n::text(context, text)
//   gives it in the user's language.
// - i18n::translated(context, text) gives a text the core composes (a card's lines, a plan's
//   problems) in the language of the run, through the translator the program set; without one
//   (the web page, the core's own tests) it is the English text.

#include <initializer_list>
#include <string>

#define VT_TEXT(context, text) text

namespace velantra::i18n
{

// The contexts the Qt side looks texts up in: one per family of texts.
namespace context
{
inline constexpr const char* kLayout = "Layout";     // window captions, their controls, the menu
inline constexpr const char* kMessages = "Messages"; // the windows' message boxes
inline constexpr const char* kSheets = "Sheets";     // the data sheets' headings, units and notes
inline constexpr const char* kCards = "Cards";       // setting cards and budget reports
inline constexpr const char* kPlans = "Plans";       // rig plans, their rows and problems
inline constexpr const char* kCommandLine = "CommandLine"; // help, options, messages
} // namespace context

// UTF-8 in, UTF-8 out.
using Translator = std::string (*)(const char* context, const char* text);
void setTranslator(Translator translator);
std::string translated(const char* context, const char* text);

// `pattern` with %1, %2, … replaced by `args` in order (as QString::arg does, for the core).
std::string arg(std::string pattern, std::initializer_list<std::string> args);

} // namespace velantra::i18n
