#pragma once

#include <QString>

namespace selvana {

// The user settings file: sections and keys in the usual INI form, Windows-1250,
// CR LF, so the same file serves on every system.
class IniFile {
public:
    // The stored text, or defaultValue when the key is missing or empty.
    static QString getString(const QString& path, const QString& section, const QString& key,
                             const QString& defaultValue);
    // Writes one value, keeping the rest of the file; false when it could not be written.
    static bool setString(const QString& path, const QString& section, const QString& key,
                          const QString& value);
};

} // namespace selvana
