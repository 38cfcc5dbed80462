// Files dropped on a window from the desktop, and files dragged from the
// program to the desktop, as local file URLs ("text/uri-list").
#pragma once

#include "DropSource.h"

#include <QMimeData>
#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDrag;
class QWidget;

// Makes its owner window accept files and folders dropped from a file
// manager and collects their full paths.
class TFileDropTarget : public QObject
{
public:
    explicit TFileDropTarget(QWidget *owner);
    ~TFileDropTarget() override;

    // The paths of the last drop, in the order the desktop gave them.
    std::vector<std::string> Files;
    int FileCount() const { return int(Files.size()); }
    // The owner's own "accepts drops" state, so that whoever sets that sets this.
    bool EnableDrop() const;
    void setEnableDrop(bool on);
    // Called once the names of a drop are collected, after the drop itself
    // has ended (the source is not kept waiting).
    std::function<void(TFileDropTarget &sender)> OnDrop;
    // While this answers true, drops are refused although enabled.
    std::function<bool()> Refuse;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool accepting(const QMimeData *data) const;

    QWidget *m_owner;
};

// The local paths a drop carries; other addresses are left out, and a
// folder's trailing '/' is dropped.
std::vector<std::string> droppedPaths(const QMimeData &data);

// Mime data that reads its file list out of a file-drop data object when a
// target asks for it.
class FileDropMimeData : public QMimeData
{
public:
    explicit FileDropMimeData(std::shared_ptr<dnd::TDropSource> source);
    QStringList formats() const override;
    bool hasFormat(const QString &mimeType) const override;

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override;

private:
    std::shared_ptr<dnd::TDropSource> m_source;
};

// Runs a drag to its end and returns what the target did. The real one is
// QDrag::exec offering copy only; tests read the drag's data instead.
using DragExec = std::function<Qt::DropAction(QDrag &drag)>;
Qt::DropAction execCopyDrag(QDrag &drag);

// Offers the source's files from the source widget as a copy.
Qt::DropAction dragFiles(
    QWidget *from, std::shared_ptr<dnd::TDropSource> source, const DragExec &exec);
