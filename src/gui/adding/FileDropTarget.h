#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

// Lets files from a file manager be dropped on the widgets it watches (the
// book list's views). It takes only local files, and only while
// `acceptsFiles` says yes; every other drag is refused, the list's own books
// too. The dropped paths go to `onFilesDropped` once the drop has returned
// to the file manager.
class CFileDropTarget : public QObject
{
    Q_OBJECT

public:
    explicit CFileDropTarget(QObject *parent = nullptr) : QObject(parent) {}

    // Watches `widget` (an item view; its viewport receives the drags).
    void Watch(QWidget *widget);

    std::function<bool()> acceptsFiles;
    std::function<void(const QStringList &paths)> onFilesDropped;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
