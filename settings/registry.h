#pragma once
#include <windows.h>

#include <string>

// General registry accessor for locations outside the settings key (the Run key, the shell
// verb, the system cache setting, the desktop folder). Unlike the settings access layer it
// reports failures: opening and deleting return false, and a failed read or write throws
// platform::Error with the program's own message.
class Registry {
public:
    explicit Registry(HKEY root = HKEY_CURRENT_USER) : root_(root) {}
    ~Registry() { CloseKey(); }
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    void SetRootKey(HKEY root) { root_ = root; }
    bool OpenKey(const std::string& path, bool create);
    // Opens for reading only, for keys the user may not be allowed to change.
    bool OpenKeyReadOnly(const std::string& path);
    void CloseKey();
    bool ValueExists(const std::string& name) const;

    int ReadInteger(const std::string& name) const;
    void WriteInteger(const std::string& name, int value);
    std::string ReadString(const std::string& name) const;
    // The data written includes the text's terminating zero.
    void WriteString(const std::string& name, const std::string& value);
    bool DeleteValue(const std::string& name);
    // Deletes a key below the root together with all its sub-keys.
    bool DeleteKey(const std::string& path);

private:
    HKEY root_;
    HKEY key_ = nullptr;
};
