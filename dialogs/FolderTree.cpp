#include "FolderTree.h"

#include "ExtractLogic.h"

#include "FileIcons.h"
#include "Guard.h"

#include <QDir>
#include <QDirIterator>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTreeWidgetItemIterator>

namespace {

constexpr QDir::Filters kFolderFilter =
    QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;

QString withoutTrailingSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString childFolder(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The open folder shows while a folder node is selected.
QIcon folderIcon()
{
    static const QIcon icon = [] {
        QIcon closed = FileIcons::themed(QStringLiteral("folder"));
        QIcon open = FileIcons::themed(QStringLiteral("folder-open"), QStringLiteral("folder"));
        QIcon both;
        for (const QSize &size : { QSize(16, 16), QSize(22, 22), QSize(32, 32) }) {
            both.addPixmap(closed.pixmap(size), QIcon::Normal);
            both.addPixmap(open.pixmap(size), QIcon::Selected);
        }
        return both;
    }();
    return icon;
}

std::vector<Volume> defaultVolumes()
{
    return mountedVolumes();
}

QString defaultDesktop()
{
    return withoutTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

} // namespace

bool hasSubFolder(const QString &folder)
{
    QDirIterator it(folder, kFolderFilter);
    return it.hasNext();
}

QStringList subFolders(const QString &folder)
{
    return QDir(folder).entryList(kFolderFilter, QDir::Name | QDir::IgnoreCase);
}

FolderTree::FolderTree(QWidget *parent)
    : QTreeWidget(parent)
    , volumeSource(defaultVolumes)
    , desktopSource(defaultDesktop)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        guard([=, this] {
            fillChildren(item);
        });
    });
}

QTreeWidgetItem *FolderTree::addNode(QTreeWidgetItem *parent, const QString &caption,
    const QString &folder, Kind kind, const QIcon &icon)
{
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setText(0, caption);
    node->setIcon(0, icon);
    node->setData(0, FolderRole, folder);
    node->setData(0, KindRole, kind);
    return node;
}

void FolderTree::rebuild()
{
    clear();
    m_desktop = addNode(nullptr, tr("Desktop"), desktopSource ? desktopSource() : QString(),
        DesktopNode, FileIcons::themed(QStringLiteral("user-desktop"), QStringLiteral("folder")));
    m_computer = addNode(m_desktop, tr("My Computer"), QString(), ComputerNode,
        FileIcons::themed(QStringLiteral("computer"), QStringLiteral("drive-harddisk")));

    std::vector<Volume> volumes = volumeSource ? volumeSource() : std::vector<Volume>();
    for (const Volume &volume : volumes) {
        const QString icon =
            volume.home ? QStringLiteral("user-home") : QStringLiteral("drive-harddisk");
        QTreeWidgetItem *drive =
            addNode(m_computer, volume.displayName, withoutTrailingSlash(volume.root), DriveNode,
                FileIcons::themed(icon, QStringLiteral("folder")));
        drive->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    m_desktop->setExpanded(true);
    m_computer->setExpanded(true);
}

QString FolderTree::folderOf(const QTreeWidgetItem *node)
{
    return node ? node->data(0, FolderRole).toString() : QString();
}

FolderTree::Kind FolderTree::kindOf(const QTreeWidgetItem *node)
{
    return static_cast<Kind>(node->data(0, KindRole).toInt());
}

void FolderTree::fillChildren(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const Kind kind = kindOf(node);
    if (kind != DriveNode && kind != FolderNode)
        return;
    // A node is filled once; its button came from the probe of its parent.
    if (node->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator || node->childCount() > 0)
        return;
    const QString folder = folderOf(node);
    for (const QString &name : subFolders(folder)) {
        const QString path = childFolder(folder, name);
        QTreeWidgetItem *child = addNode(node, name, path, FolderNode, folderIcon());
        // One level deeper only to know whether it gets an expand button.
        child->setChildIndicatorPolicy(hasSubFolder(path) ? QTreeWidgetItem::ShowIndicator
                                                          : QTreeWidgetItem::DontShowIndicator);
    }
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void FolderTree::expandNode(QTreeWidgetItem *node)
{
    fillChildren(node);
    node->setExpanded(true);
}

QTreeWidgetItem *FolderTree::findFolder(const QString &folder) const
{
    for (QTreeWidgetItemIterator it(const_cast<FolderTree *>(this)); *it; ++it)
        if (kindOf(*it) != ComputerNode && folderOf(*it) == folder)
            return *it;
    return nullptr;
}

QTreeWidgetItem *FolderTree::locate(const QString &target)
{
    rebuild();
    m_reached = false;
    QTreeWidgetItem *deepest = nullptr;
    const std::vector<std::string> steps = locateSteps(target.toStdString());
    // Each step expands the first node, in the tree's order, that stands for
    // the next folder on the way; the walk ends after the target's own step
    // even when nothing matched, so a folder the tree cannot show never
    // keeps it going.
    for (const std::string &step : steps) {
        const QString prefix = QString::fromStdString(step);
        QTreeWidgetItem *hit = nullptr;
        for (QTreeWidgetItemIterator it(this); *it && !hit; ++it) {
            if (kindOf(*it) == ComputerNode)
                continue;
            const QString folder = folderOf(*it);
            if (folder == target) {
                expandNode(*it);
                setCurrentItem(*it);
                scrollToItem(*it, QAbstractItemView::PositionAtCenter);
                m_reached = true;
                return *it;
            }
            // Desktop has no folders below it to walk on through.
            if (folder == prefix && kindOf(*it) != DesktopNode)
                hit = *it;
        }
        if (hit) {
            expandNode(hit);
            deepest = hit;
        }
    }
    if (deepest) {
        const QSignalBlocker quiet(this);
        setCurrentItem(deepest);
        scrollToItem(deepest, QAbstractItemView::PositionAtCenter);
    }
    return deepest;
}
