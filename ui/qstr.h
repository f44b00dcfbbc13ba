#pragma once

#include <QString>
#include <string_view>

namespace velantra
{

// The tables' texts are UTF-8 ("°K", "×"); names are plain ASCII.
inline QString qstr(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace velantra
