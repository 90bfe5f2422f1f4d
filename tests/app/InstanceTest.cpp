// The real executable refuses to run twice.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {
QProcessEnvironment environmentFor(const QString& config, const QString& dialogs)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env.insert(QStringLiteral("QUELVAR_TEST_DIALOGS"), dialogs);
    return env;
}

QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

TEST(Instance, ASecondCopyShowsTheInstanceMessageAndLeavesTheFirstRunning)
{
    QTemporaryDir dir;
    const QString firstDialogs = dir.filePath(QStringLiteral("first.txt"));
    const QString secondDialogs = dir.filePath(QStringLiteral("second.txt"));

    QProcess first;
    first.setProcessEnvironment(environmentFor(dir.path(), firstDialogs));
    first.start(QStringLiteral(QUELVAR_EXECUTABLE), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    // Wait until the first copy has passed its instance test and shows its windows.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 4000 && first.state() == QProcess::Running)
        QThread::msleep(100);
    ASSERT_EQ(first.state(), QProcess::Running);

    QProcess second;
    second.setProcessEnvironment(environmentFor(dir.path(), secondDialogs));
    second.start(QStringLiteral(QUELVAR_EXECUTABLE), {});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(readAll(secondDialogs),
              QStringLiteral("Instance Detection Error|This application is already running. Please terminate your "
                             "current session to start a new one.\n"));
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_FALSE(readAll(firstDialogs).contains(QStringLiteral("Instance Detection Error")));

    first.kill();
    first.waitForFinished(5000);
}
