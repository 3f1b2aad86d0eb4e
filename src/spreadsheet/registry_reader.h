#pragma once
// Read-only access to the registry of the operating system, as far as finding
// the spreadsheet program needs it. Only Windows has a registry; elsewhere the
// reader finds nothing.
#include <memory>
#include <optional>
#include <string>

namespace quillmar::spreadsheet {

class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    // The default value of a key under HKEY_CLASSES_ROOT (at most 255
    // characters), or nothing when it cannot be read.
    virtual std::optional<std::string> classesRootDefault(const std::string& key) const = 0;
};

class NoRegistry final : public RegistryReader {
public:
    std::optional<std::string> classesRootDefault(const std::string&) const override { return std::nullopt; }
};

// The registry of this machine: the Windows registry on Windows, NoRegistry elsewhere.
std::unique_ptr<RegistryReader> systemRegistry();

} // namespace quillmar::spreadsheet
