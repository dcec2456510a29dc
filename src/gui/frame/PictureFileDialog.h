#pragma once

#include <QFileDialog>

class QLabel;

// An open-file dialog for pictures that shows, beside the file list, the
// picture under the cursor and its size in pixels.
class CPictureFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    CPictureFileDialog(QWidget *parent, const QString &caption, const QString &filter);

    // Shows `path` in the preview (a folder or no picture empties it).
    void ShowPreview(const QString &path);

    const QLabel *Preview() const { return m_preview; }
    const QLabel *PreviewInfo() const { return m_info; }

private:
    QLabel *m_preview;
    QLabel *m_info;
};
