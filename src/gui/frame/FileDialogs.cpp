#include "frame/FileDialogs.h"

#include <QFileDialog>

namespace {

class CDesktopFilePrompt : public CFilePrompt
{
public:
    QString OpenFileName(QWidget *parent, const QString &caption, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    }
    QString SaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &suggested) override
    {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    }
};

CDesktopFilePrompt g_desktopPrompt;
CFilePrompt *g_filePrompt = nullptr;

CFilePrompt &FilePrompt()
{
    return g_filePrompt ? *g_filePrompt : g_desktopPrompt;
}

} // namespace

void SetFilePrompt(CFilePrompt *prompt)
{
    g_filePrompt = prompt;
}

QString AskOpenFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    return FilePrompt().OpenFileName(parent, caption, filter);
}

QString AskSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                        const QString &suggested)
{
    return FilePrompt().SaveFileName(parent, caption, filter, suggested);
}
