// The Extract dialog's tree of folders: "Desktop", "My Computer" under it,
// the volumes under that, and their folders filled in only when a node is
// expanded. Each node keeps its folder as data; captions are only shown.
#pragma once

#include "Volumes.h"

#include <QString>
#include <QTreeWidget>

#include <functional>
#include <vector>

class FolderTree : public QTreeWidget
{
    Q_OBJECT
public:
    enum Kind { DesktopNode, ComputerNode, DriveNode, FolderNode };
    static constexpr int FolderRole = Qt::UserRole;
    static constexpr int KindRole = Qt::UserRole + 1;

    explicit FolderTree(QWidget *parent = nullptr);

    // Where the volumes and the desktop folder come from; tests give their own.
    std::function<std::vector<Volume>()> volumeSource;
    std::function<QString()> desktopSource;

    // Deletes every node and adds Desktop, My Computer and the volumes,
    // both upper nodes expanded.
    void rebuild();

    QTreeWidgetItem *desktopNode() const { return m_desktop; }
    QTreeWidgetItem *computerNode() const { return m_computer; }

    // The folder a node stands for; empty for "My Computer".
    static QString folderOf(const QTreeWidgetItem *node);
    static Kind kindOf(const QTreeWidgetItem *node);

    // Fills a volume's or folder's children (once) and expands it; each new
    // child gets an expand button only when it has a sub-folder itself.
    void expandNode(QTreeWidgetItem *node);

    // Rebuilds the tree and opens it down to target (absolute, no trailing
    // '/'). The node of target is made current; when the tree cannot reach
    // it, the deepest node reached is selected instead without the change
    // being signalled (what the user typed stays), and reached() is false.
    // Returns the node selected, or null.
    QTreeWidgetItem *locate(const QString &target);
    bool reached() const { return m_reached; }

    // The node of a folder among the nodes filled so far, or null.
    QTreeWidgetItem *findFolder(const QString &folder) const;

private:
    void fillChildren(QTreeWidgetItem *node);
    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &caption, const QString &folder,
        Kind kind, const QIcon &icon);

    QTreeWidgetItem *m_desktop = nullptr;
    QTreeWidgetItem *m_computer = nullptr;
    bool m_reached = false;
};

// True when the folder holds at least one sub-folder (hidden ones count).
bool hasSubFolder(const QString &folder);
// The sub-folders of a folder, hidden ones included, by name.
QStringList subFolders(const QString &folder);
