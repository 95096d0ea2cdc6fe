#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <sys/mount.h>

namespace BrindlewickTest {

TempHome::TempHome() : m_oldHome(qgetenv("HOME"))
{
    QDir().mkpath(runtimeDir());
    QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", QFile::encodeName(path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome());
}

TempHome::~TempHome()
{
    qputenv("HOME", m_oldHome);
}

SmallDisk::SmallDisk(const QString &size)
{
    const QByteArray options = "size=" + size.toLatin1() + ",mode=0755";
    m_mounted = m_dir.isValid() &&
                ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(data) == data.size();
}

} // namespace BrindlewickTest
