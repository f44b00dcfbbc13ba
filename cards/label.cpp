#include "cards/label.h"

#include "i18n/translatable.h"

namespace velantra::cards
{

std::optional<std::string> labelProblem(std::string_view label)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < label.size(); ++i) {
        const auto byte = static_cast<unsigned char>(label[i]);
        if ((byte & 0xC0) != 0x80)
            ++characters;
        // C0 controls and DEL, and the C1 controls U+0080 to U+009F (0xC2 0x80 to 0xC2 0x9F).
        const bool c1 = byte == 0xC2 && i + 1 < label.size() &&
                        static_cast<unsigned char>(label[i + 1]) <= 0x9F &&
                        static_cast<unsigned char>(label[i + 1]) >= 0x80;
        // U+FEFF, the byte order mark (0xEF 0xBB 0xBF): UTF-8 readers drop it at the start of
        // a text, so a label holding it would not read back as it was saved.
        const bool byteOrderMark = byte == 0xEF && label.substr(i + 1, 2) == "\xBB\xBF";
        if (byte < 0x20 || byte == 0x7F || c1 || byteOrderMark)
            return i18n::translated("Cards", "the label holds a control character");
    }
    if (characters > kMaxLabelLength)
        return i18n::arg(i18n::translated("Cards", "the label is longer than %1 characters"),
                         {std::to_string(kMaxLabelLength)});
    return std::nullopt;
}

} // namespace velantra::cards
