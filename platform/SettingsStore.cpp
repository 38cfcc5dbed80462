#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kGroup = QStringLiteral("Ambermox");

QString key(const std::string &name)
{
    return kGroup + QLatin1Char('/') + QString::fromStdString(name);
}

} // namespace

struct IniSettingsStore::Impl
{
    explicit Impl(const QString &path)
        : settings(path, QSettings::IniFormat)
    {
    }
    QSettings settings;
};

IniSettingsStore::IniSettingsStore(std::string path)
    : m_path(std::move(path))
    , m_impl(std::make_unique<Impl>(QString::fromStdString(m_path)))
{
}

IniSettingsStore::~IniSettingsStore() = default;
IniSettingsStore::IniSettingsStore(IniSettingsStore &&) noexcept = default;
IniSettingsStore &IniSettingsStore::operator=(IniSettingsStore &&) noexcept = default;

std::string IniSettingsStore::defaultPath()
{
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Ambermox/Ambermox.conf"))
        .toStdString();
}

bool IniSettingsStore::keyExists()
{
    m_impl->settings.sync();
    m_impl->settings.beginGroup(kGroup);
    const bool exists = !m_impl->settings.childKeys().isEmpty();
    m_impl->settings.endGroup();
    return exists;
}

int IniSettingsStore::readInteger(const std::string &name)
{
    const QVariant value = m_impl->settings.value(key(name));
    if (!value.isValid())
        throw SettingsError("Failed to get data for '" + name + "'");
    bool ok = false;
    const int n = value.typeId() == QMetaType::QString ? value.toString().trimmed().toInt(&ok) : 0;
    if (!ok)
        throw SettingsError("Invalid data type for '" + name + "'");
    return n;
}

std::string IniSettingsStore::readString(const std::string &name)
{
    const QVariant value = m_impl->settings.value(key(name));
    // An unquoted value with commas comes back as a list; take it as written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

void IniSettingsStore::recreateKey()
{
    m_impl->settings.clear();
}

void IniSettingsStore::writeInteger(const std::string &name, int value)
{
    m_impl->settings.setValue(key(name), QString::number(value));
}

void IniSettingsStore::writeString(const std::string &name, const std::string &value)
{
    m_impl->settings.setValue(key(name), QString::fromStdString(value));
}

void IniSettingsStore::commit()
{
    QDir().mkpath(QFileInfo(QString::fromStdString(m_path)).absolutePath());
    m_impl->settings.sync();
    if (m_impl->settings.status() != QSettings::NoError)
        throw SettingsError("Cannot write the settings file " + m_path);
}
