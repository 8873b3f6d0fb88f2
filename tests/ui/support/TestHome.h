#pragma once
// A home folder of a test's own: while the object lives, HOME and
// XDG_CONFIG_HOME point into a new temporary folder, so that the user's
// folders Qt names (home, documents) are the test's and not those of the
// machine's user.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace testing_support {

class TestHome {
public:
    TestHome()
    {
        qputenv("HOME", QFile::encodeName(folder_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_.filePath(".config")));
    }
    ~TestHome()
    {
        Restore("HOME", oldHome_);
        Restore("XDG_CONFIG_HOME", oldConfig_);
    }
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

private:
    static void Restore(const char* name, const QByteArray& value)
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

    const QByteArray oldHome_ = qgetenv("HOME");
    const QByteArray oldConfig_ = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir folder_;
};

} // namespace testing_support
