#pragma once

#include <QString>

class QWidget;

// The window's file dialogs go through this seam so that tests can give the
// next file name instead of a person.
class CFilePrompt
{
public:
    virtual ~CFilePrompt() = default;
    // The chosen file, or an empty text when the dialog was cancelled.
    virtual QString OpenFileName(QWidget *parent, const QString &caption,
                                 const QString &filter) = 0;
    virtual QString SaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                 const QString &suggested) = 0;
    // The chosen folder, or an empty text when cancelled.
    virtual QString FolderName(QWidget *parent, const QString &caption);
    // A picture file, chosen in a dialog that shows the picture under the
    // cursor; empty when cancelled.
    virtual QString PictureFileName(QWidget *parent, const QString &caption, const QString &filter);
    // A file to open, chosen in a dialog with a check box `optionText`
    // (`optionHint` its tool tip) that shows `*checked` and, unless the
    // dialog is cancelled, leaves its state there.
    virtual QString OpenFileNameWithOption(QWidget *parent, const QString &caption,
                                           const QString &filter, const QString &optionText,
                                           const QString &optionHint, bool *checked);
};

// Installs the file prompt used from now on (nullptr restores the desktop's
// dialogs). Not owned.
void SetFilePrompt(CFilePrompt *prompt);

QString AskOpenFileName(QWidget *parent, const QString &caption, const QString &filter);
QString AskSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                        const QString &suggested = QString());
QString AskFolderName(QWidget *parent, const QString &caption);
QString AskPictureFileName(QWidget *parent, const QString &caption, const QString &filter);
QString AskOpenFileNameWithOption(QWidget *parent, const QString &caption, const QString &filter,
                                  const QString &optionText, const QString &optionHint,
                                  bool *checked);

// A file dialog filter from the string table's form, "Name (*.a)|*.a|Other
// (*.b; *.c)|*.b;*.c||", as Qt writes it: "Name (*.a);;Other (*.b *.c)".
QString DialogFilter(const QString &tableFilter);
