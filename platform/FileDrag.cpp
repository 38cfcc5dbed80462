#include "FileDrag.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

} // namespace

std::vector<std::string> droppedPaths(const QMimeData &data)
{
    std::vector<std::string> paths;
    for (const QUrl &url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        std::string path = url.toLocalFile().toStdString();
        while (path.size() > 1 && path.back() == '/')
            path.pop_back();
        if (!path.empty())
            paths.push_back(std::move(path));
    }
    return paths;
}

TFileDropTarget::TFileDropTarget(QWidget *owner)
    : QObject(owner)
    , m_owner(owner)
{
    m_owner->installEventFilter(this);
    setEnableDrop(true);
}

TFileDropTarget::~TFileDropTarget()
{
    m_owner->removeEventFilter(this);
}

bool TFileDropTarget::EnableDrop() const
{
    return m_owner->acceptDrops();
}

void TFileDropTarget::setEnableDrop(bool on)
{
    m_owner->setAcceptDrops(on);
}

bool TFileDropTarget::accepting(const QMimeData *data) const
{
    return EnableDrop() && !(Refuse && Refuse()) && data && !droppedPaths(*data).empty();
}

bool TFileDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_owner)
        return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (accepting(drag->mimeData()) && (drag->possibleActions() & Qt::CopyAction)) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!accepting(drop->mimeData())) {
            drop->ignore();
            return true;
        }
        Files = droppedPaths(*drop->mimeData());
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        QTimer::singleShot(0, this, [this] {
            if (OnDrop)
                OnDrop(*this);
        });
        return true;
    }
    default:
        return false;
    }
}

FileDropMimeData::FileDropMimeData(std::shared_ptr<dnd::TDropSource> source)
    : m_source(std::move(source))
{
}

QStringList FileDropMimeData::formats() const
{
    std::unique_ptr<dnd::TEnumFormatEtc> formats;
    if (m_source->EnumFormatEtc(dnd::DataDir::Get, formats) != dnd::S_OK)
        return {};
    dnd::FormatEtc f;
    while (formats->Next(1, &f, nullptr) == dnd::S_OK)
        if (m_source->QueryGetData(f) == dnd::S_OK && f.format == dnd::CF_HDROP)
            return { kUriList };
    return {};
}

bool FileDropMimeData::hasFormat(const QString &mimeType) const
{
    return formats().contains(mimeType);
}

QVariant FileDropMimeData::retrieveData(const QString &mimeType, QMetaType) const
{
    if (mimeType != kUriList)
        return {};
    dnd::StgMedium medium;
    if (m_source->GetData(dnd::TFileDropSource::kContent, medium) != dnd::S_OK || !medium.block)
        return {};
    QByteArray list;
    for (const std::string &name : dnd::dropFilesNames(*medium.block))
        list += QUrl::fromLocalFile(QString::fromStdString(name)).toEncoded() + "\r\n";
    return list;
}

Qt::DropAction execCopyDrag(QDrag &drag)
{
    return drag.exec(Qt::CopyAction, Qt::CopyAction);
}

Qt::DropAction dragFiles(
    QWidget *from, std::shared_ptr<dnd::TDropSource> source, const DragExec &exec)
{
    // Qt disposes of a drag that ran (on X11 only once the target has read
    // its data, after the drop); one that never ran goes with its widget.
    auto *drag = new QDrag(from);
    drag->setMimeData(new FileDropMimeData(std::move(source)));
    return exec(*drag);
}
