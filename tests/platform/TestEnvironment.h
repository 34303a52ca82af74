#pragma once

#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QTemporaryDir>
#include <optional>
#include <utility>

// Gives one test fresh XDG folders, a HOME and a PATH of its own in a temporary folder, and puts the
// previous values back when the test ends, so a test sees nothing of this machine's desktop.
class TestEnvironment {
public:
    TestEnvironment()
    {
        set("HOME", path("home"));
        set("XDG_CONFIG_HOME", path("config"));
        set("XDG_DATA_HOME", path("data"));
        set("XDG_CONFIG_DIRS", path("etc-xdg"));
        set("XDG_DATA_DIRS", path("usr-share"));
        set("PATH", path("bin"));
        set("XDG_CURRENT_DESKTOP", {});
    }
    ~TestEnvironment()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second) {
                qputenv(it->first.constData(), *it->second);
            } else {
                qunsetenv(it->first.constData());
            }
        }
    }

    // A path in the test's folder.
    QString path(const QString& relative) const { return m_dir.path() + u'/' + relative; }

    void set(const char* name, const QString& value)
    {
        m_saved.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        qputenv(name, value.toUtf8());
    }

    // Writes a file below the test's folder, with its folders; `executable` makes it a program.
    void writeFile(const QString& relative, const QByteArray& contents, bool executable = false) const
    {
        const QString file = path(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly)) return;
        out.write(contents);
        if (executable) out.setPermissions(out.permissions() | QFileDevice::ExeOwner);
    }

    static QByteArray contentsOf(const QString& file) { return ::contentsOf(file); }

private:
    QTemporaryDir m_dir;
    QList<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};
