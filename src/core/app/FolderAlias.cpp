#include "app/FolderAlias.h"

#include "app/NativeFileName.h"

#include <fcntl.h>
#include <unistd.h>

CFolderAlias::CFolderAlias(const QString &folder)
{
    if (!HasStrayBytes(folder)) {
        m_path = folder;
        return;
    }
    m_fd = ::open(NativeFileName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    // A folder that cannot be opened gets a name under /proc where nothing
    // is found and nothing can be made, never the name Qt would spell.
    m_path = m_fd >= 0 ? QStringLiteral("/proc/%1/fd/%2").arg(::getpid()).arg(m_fd)
                       : QStringLiteral("/proc/%1/fd/unopened").arg(::getpid());
}

CFolderAlias::~CFolderAlias()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
