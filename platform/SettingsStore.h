// The store behind the user's settings: named integer and string values under
// one key, rewritten whole at every save.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

// Raised for a value that cannot be read as asked.
class SettingsError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual bool keyExists() = 0;
    // Throws SettingsError "Failed to get data for '<name>'" when missing and
    // "Invalid data type for '<name>'" when the value is not an integer.
    virtual int readInteger(const std::string &name) = 0;
    // A missing string reads as empty.
    virtual std::string readString(const std::string &name) = 0;
    // Drops every value, so that only what is written next remains.
    virtual void recreateKey() = 0;
    virtual void writeInteger(const std::string &name, int value) = 0;
    virtual void writeString(const std::string &name, const std::string &value) = 0;
    // Puts the written values on disk; throws SettingsError when that fails.
    virtual void commit() = 0;
};

// An INI file, by default $XDG_CONFIG_HOME/Ambermox/Ambermox.conf.
class IniSettingsStore : public SettingsStore
{
public:
    explicit IniSettingsStore(std::string path = defaultPath());
    ~IniSettingsStore() override;
    IniSettingsStore(IniSettingsStore &&) noexcept;
    IniSettingsStore &operator=(IniSettingsStore &&) noexcept;

    static std::string defaultPath();
    const std::string &path() const { return m_path; }

    bool keyExists() override;
    int readInteger(const std::string &name) override;
    std::string readString(const std::string &name) override;
    void recreateKey() override;
    void writeInteger(const std::string &name, int value) override;
    void writeString(const std::string &name, const std::string &value) override;
    void commit() override;

private:
    struct Impl;
    std::string m_path;
    std::unique_ptr<Impl> m_impl; // move-only: a copy would share the file's state
};
