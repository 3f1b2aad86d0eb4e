#pragma once
// UTF-8 texts of the core as Qt strings and back.
#include <QString>

#include <string>
#include <string_view>

namespace quillmar {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toStdString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

} // namespace quillmar
