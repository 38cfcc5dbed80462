// An environment variable set for a test's span, then put back as it was.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <string>

class EnvValue
{
public:
    EnvValue(const char *name, const std::string &value)
        : m_name(name)
        , m_old(qgetenv(name))
        , m_had(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, QByteArray::fromStdString(value));
    }
    // An empty TMPDIR is not an unset one: temp_directory_path() fails on it.
    ~EnvValue()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    EnvValue(const EnvValue &) = delete;
    EnvValue &operator=(const EnvValue &) = delete;

private:
    const char *m_name;
    QByteArray m_old;
    bool m_had;
};
