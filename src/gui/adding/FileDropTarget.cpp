#include "adding/FileDropTarget.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

// The local files a drag carries, in the order given; empty when it carries
// anything else.
QStringList LocalFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace

void CFileDropTarget::Watch(QWidget *widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget)) {
        area->viewport()->setAcceptDrops(true);
        area->viewport()->installEventFilter(this);
    }
}

bool CFileDropTarget::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!LocalFiles(drag->mimeData()).isEmpty() && acceptsFiles && acceptsFiles()) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::DragLeave:
        return true;
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = LocalFiles(drop->mimeData());
        if (paths.isEmpty() || !acceptsFiles || !acceptsFiles()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // The file manager waits for the drop to return: the files are read
        // afterwards.
        QTimer::singleShot(0, this, [this, paths] {
            if (onFilesDropped)
                onFilesDropped(paths);
        });
        return true;
    }
    default:
        return false;
    }
}
