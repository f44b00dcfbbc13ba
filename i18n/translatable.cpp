#include "i18n/translatable.h"

namespace velantra::i18n
{
namespace
{
Translator current = nullptr;
} // namespace

void setTranslator(Translator translator)
{
    current = translator;
}

std::string translated(const char* context, const char* text)
{
    return current ? current(context, text) : std::string(text);
}

std::string arg(std::string pattern, std::initializer_list<std::string> args)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const bool marker = c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                            pattern[i + 1] <= '9' &&
                            std::size_t(pattern[i + 1] - '1') < args.size();
        if (!marker) {
            out += c;
            continue;
        }
        out += *(args.begin() + (pattern[i + 1] - '1'));
        ++i;
    }
    return out;
}

} // namespace velantra::i18n
