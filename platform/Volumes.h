// The program's "drives": the mounted volumes that hold real file systems,
// and the user's home folder beside them.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

struct Volume
{
    QString displayName; // "Root (/)", "Home (/home/ann)"
    QString root; // with its trailing '/'
    int64_t total = -1; // bytes; -1 when the volume could not be queried
    int64_t free = -1;
    bool home = false;
};

// "/" first, then by root path.
std::vector<Volume> mountedVolumes();

// False for the kernel's and the session's own file systems (proc, tmpfs,
// snap images, ...), which hold nothing a user adds to an archive.
bool isUserVolume(const QString &root, const QString &fileSystemType);

// The label (or the last component of the root, "Root" for "/") followed
// by the root in parentheses.
QString volumeDisplayName(const QString &label, const QString &root);

// Puts "/" first and the rest in root-path order.
void sortVolumes(std::vector<Volume> &volumes);
