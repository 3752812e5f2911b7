#pragma once

// The store speaks UTF-8 std::string; the programs speak QString.

#include <QString>
#include <string>
#include <string_view>

namespace sentari {

inline QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string u8(const QString& s)
{
    return s.toStdString();
}

} // namespace sentari
