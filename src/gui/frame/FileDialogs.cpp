#include "frame/FileDialogs.h"

#include "frame/OptionFileDialog.h"
#include "frame/PictureFileDialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

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
        QFileDialog dialog(parent, caption, suggested, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without extension gets the filter's, before the
        // dialog asks whether to replace an existing file of that name.
        static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.(\\w+)"));
        const QRegularExpressionMatch match = firstPattern.match(filter);
        if (match.hasMatch())
            dialog.setDefaultSuffix(match.captured(1));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
};

CDesktopFilePrompt g_desktopPrompt;
CFilePrompt *g_filePrompt = nullptr;

CFilePrompt &FilePrompt()
{
    return g_filePrompt ? *g_filePrompt : g_desktopPrompt;
}

} // namespace

QString CFilePrompt::FolderName(QWidget *parent, const QString &caption)
{
    return QFileDialog::getExistingDirectory(parent, caption);
}

QString CFilePrompt::PictureFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    // Pictures for several books tend to sit in one folder: the next
    // choice starts where the last one was made.
    static QString lastFolder;
    CPictureFileDialog dialog(parent, caption, filter);
    if (!lastFolder.isEmpty())
        dialog.setDirectory(lastFolder);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QString chosen = dialog.selectedFiles().value(0);
    lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString CFilePrompt::OpenFileNameWithOption(QWidget *parent, const QString &caption,
                                            const QString &filter, const QString &optionText,
                                            const QString &optionHint, bool *checked)
{
    COptionFileDialog dialog(parent, caption, filter, optionText, optionHint);
    dialog.Option()->setChecked(*checked);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    *checked = dialog.Option()->isChecked();
    return dialog.selectedFiles().value(0);
}

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

QString AskFolderName(QWidget *parent, const QString &caption)
{
    return FilePrompt().FolderName(parent, caption);
}

QString AskPictureFileName(QWidget *parent, const QString &caption, const QString &filter)
{
    return FilePrompt().PictureFileName(parent, caption, filter);
}

QString AskOpenFileNameWithOption(QWidget *parent, const QString &caption, const QString &filter,
                                  const QString &optionText, const QString &optionHint,
                                  bool *checked)
{
    return FilePrompt().OpenFileNameWithOption(parent, caption, filter, optionText, optionHint,
                                               checked);
}

QString DialogFilter(const QString &tableFilter)
{
    const QStringList parts = tableFilter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed();
        if (name.isEmpty() || patterns.isEmpty())
            continue;
        // The name's own list of patterns is written again the way Qt reads it.
        const int open = name.lastIndexOf(u'(');
        if (open > 0 && name.endsWith(u')'))
            name = name.left(open).trimmed();
        QStringList list = patterns.split(u';', Qt::SkipEmptyParts);
        for (QString &pattern : list) {
            pattern = pattern.trimmed();
            // "*.*" means every file, also one without a dot in its name.
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters += QStringLiteral("%1 (%2)").arg(name, list.join(u' '));
    }
    return filters.join(QStringLiteral(";;"));
}
