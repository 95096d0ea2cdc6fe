#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace BrindlewickTest {

// A temporary home folder for one test process: HOME and the XDG folders point into it, so that
// the store, preferences and ~/.claude of the test never touch the real ones.
class TempHome {
public:
    TempHome();
    ~TempHome();
    QString path() const { return m_dir.path(); }
    QString dataHome() const { return path() + QStringLiteral("/.local/share"); }
    QString configHome() const { return path() + QStringLiteral("/.config"); }
    QString runtimeDir() const { return path() + QStringLiteral("/run"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
};

// A real, small file system (tmpfs) mounted for one test, to see what a full disk does. Mounting
// needs root; `isMounted` says whether it worked.
class SmallDisk {
public:
    explicit SmallDisk(const QString &size);
    ~SmallDisk();
    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &data);

} // namespace BrindlewickTest
