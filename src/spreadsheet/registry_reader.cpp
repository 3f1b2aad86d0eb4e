#include "spreadsheet/registry_reader.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quillmar::spreadsheet {

#ifdef _WIN32
namespace {

class WindowsRegistry final : public RegistryReader {
public:
    std::optional<std::string> classesRootDefault(const std::string& key) const override
    {
        char buffer[256] = {};
        DWORD size = sizeof buffer;
        if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size)
            != ERROR_SUCCESS)
            return std::nullopt;
        return std::string(buffer);
    }
};

} // namespace

std::unique_ptr<RegistryReader> systemRegistry()
{
    return std::make_unique<WindowsRegistry>();
}
#else
std::unique_ptr<RegistryReader> systemRegistry()
{
    return std::make_unique<NoRegistry>();
}
#endif

} // namespace quillmar::spreadsheet
