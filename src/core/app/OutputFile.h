#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// One output of the program, a file the user named or standard output,
// written so that a failure is never taken for success: every write, the
// flush, the sync and the close are checked, and ErrorMessage() names the
// output and the system's reason ("No space left on device").
//
// How the output is put in place depends on what the name is:
// - a regular file, or a name not taken yet: the text goes to a temporary
//   file beside it, which is synced and renamed over the name by Commit(),
//   and only while the name is still a regular file or free. Until then the
//   old file stays as it was; a failure removes the temporary file.
// - a device, FIFO, socket or terminal: written in place, never removed or
//   replaced.
// - standard output (an empty path): written to descriptor 1, which stays
//   open for the rest of the run.
//
// An output neither committed nor discarded is discarded when destroyed.
class COutputFile : public QIODevice
{
public:
    // An empty `path` means standard output.
    explicit COutputFile(const QString &path);
    ~COutputFile() override;
    COutputFile(const COutputFile &) = delete;
    COutputFile &operator=(const COutputFile &) = delete;

    // Whether open() waits for a program to read a FIFO (the default), or
    // fails at once when none does, as a window that must not hang wants.
    void SetWaitForReader(bool wait) { m_waitForReader = wait; }

    // Opens for writing; `mode` must hold WriteOnly and no ReadOnly.
    bool open(OpenMode mode) override;
    bool isSequential() const override { return true; }

    // Writes what is buffered, syncs and closes the output and, for a file
    // written beside its name, puts it in place. False with ErrorMessage()
    // set when any of it failed; nothing of the output is left behind then,
    // except on a device or standard output, which cannot be taken back.
    bool Commit();
    // Closes without putting anything in place; the temporary file goes.
    void Discard();

    // Why open(), a write or Commit() failed, naming the output; empty when
    // nothing failed.
    QString ErrorMessage() const { return m_error; }
    // The output as messages name it: the path, or "standard output".
    QString DisplayName() const;

    // "standard output", followed by the file it goes to when it goes to one.
    static QString StandardOutputName();
    // The message for a write to `name` that failed with `errorNumber`.
    static QString WriteFailedMessage(const QString &name, int errorNumber);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    enum class Target
    {
        StandardOutput,
        ReplaceFile, // a regular file or a free name, written beside it
        InPlace      // a device, FIFO, socket or terminal
    };

    bool OpenTarget();
    bool OpenInPlace(const QByteArray &name, bool fifo);
    bool CreateTemporary();
    bool Flush();
    bool PutInPlace();
    QByteArray FinalFolder() const;
    void SyncFolder() const;
    void CloseDescriptor();
    void FailWith(int errorNumber, bool opening = false);
    void FailWithText(const QString &reason);

    QString m_path;
    bool m_waitForReader = true;
    Target m_target = Target::StandardOutput;
    int m_fd = -1;
    QByteArray m_finalPath; // the resolved name the file is put at
    QByteArray m_tempPath;  // the temporary file while it exists
    // The permissions and owner of the file replaced, given to its successor.
    int m_keepMode = -1;
    uint m_keepUser = 0;
    uint m_keepGroup = 0;
    QByteArray m_buffer;
    QString m_error;
};
