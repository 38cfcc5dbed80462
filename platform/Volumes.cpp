#include "Volumes.h"
#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {

QString slashed(const QString &path)
{
    return QString::fromStdString(withSlash(path.toStdString()));
}

bool under(const QString &root, const char *folder)
{
    const QString f = QString::fromLatin1(folder);
    return root == f || root.startsWith(f + QLatin1Char('/'));
}

Volume describe(const QStorageInfo &info, const QString &root, const QString &label)
{
    Volume v;
    v.root = slashed(root);
    v.displayName = volumeDisplayName(label, root);
    if (info.isValid() && info.isReady() && info.bytesTotal() >= 0) {
        v.total = info.bytesTotal();
        v.free = info.bytesAvailable();
    }
    return v;
}

} // namespace

bool isUserVolume(const QString &root, const QString &fileSystemType)
{
    static const char *const pseudo[] = { "autofs", "binfmt_misc", "bpf", "cgroup", "cgroup2",
        "configfs", "debugfs", "devpts", "devtmpfs", "efivarfs", "fusectl", "hugetlbfs", "mqueue",
        "nsfs", "proc", "pstore", "ramfs", "rpc_pipefs", "securityfs", "squashfs", "sysfs", "tmpfs",
        "tracefs" };
    for (const char *type : pseudo)
        if (fileSystemType == QLatin1String(type))
            return false;
    for (const char *folder : { "/proc", "/sys", "/dev", "/run", "/snap" })
        if (under(root, folder))
            return false;
    return true;
}

QString volumeDisplayName(const QString &label, const QString &root)
{
    QString name = label;
    if (name.isEmpty()) {
        QString trimmed = root;
        while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/')))
            trimmed.chop(1);
        name = trimmed == QLatin1String("/")
            ? QCoreApplication::translate("Volumes", "Root")
            : trimmed.mid(trimmed.lastIndexOf(QLatin1Char('/')) + 1);
    }
    QString shown = root;
    while (shown.size() > 1 && shown.endsWith(QLatin1Char('/')))
        shown.chop(1);
    return QCoreApplication::translate("Volumes", "%1 (%2)").arg(name, shown);
}

void sortVolumes(std::vector<Volume> &volumes)
{
    std::stable_sort(volumes.begin(), volumes.end(), [](const Volume &a, const Volume &b) {
        const bool aRoot = a.root == QLatin1String("/"), bRoot = b.root == QLatin1String("/");
        if (aRoot != bRoot)
            return aRoot;
        return a.root < b.root;
    });
}

std::vector<Volume> mountedVolumes()
{
    std::vector<Volume> out;
    auto known = [&out](const QString &root) {
        return std::any_of(out.begin(), out.end(), [&](const Volume &v) {
            return v.root == root;
        });
    };
    for (const QStorageInfo &info : QStorageInfo::mountedVolumes()) {
        const QString root = info.rootPath();
        // Containers bind-mount single files (/etc/hosts); only folders can be browsed.
        if (!info.isValid() || !QFileInfo(root).isDir()
            || !isUserVolume(root, QString::fromLatin1(info.fileSystemType())))
            continue;
        if (known(slashed(root)))
            continue;
        out.push_back(describe(info, root, info.name()));
    }
    const QString home = QDir::homePath();
    if (!home.isEmpty() && home != QLatin1String("/") && !known(slashed(home))) {
        Volume v =
            describe(QStorageInfo(home), home, QCoreApplication::translate("Volumes", "Home"));
        v.home = true;
        out.push_back(v);
    }
    sortVolumes(out);
    return out;
}
