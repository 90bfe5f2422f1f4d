#include "support/ClientTest.h"

#include "connection/ConnectionState.h"
#include "foundation/Forms.h"
#include "foundation/MenuState.h"
#include "foundation/OptionsState.h"
#include "foundation/RuntimeError.h"
#include "foundation/SettingsState.h"
#include "platform/Endpoints.h"
#include "world/WorldState.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

void ClearSettingsStore()
{
    QDir dir(qEnvironmentVariable("XDG_CONFIG_HOME"));
    if (dir.path().isEmpty() || !dir.exists())
        return;
    for (const QFileInfo& f : dir.entryInfoList({QStringLiteral("*.ini")}, QDir::Files))
        QFile::remove(f.absoluteFilePath());
}

void ClientTest::resetClientState()
{
    Forms::destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ResetProgramEnded();
    resetSettings();
    resetOptions();
    resetOptionMenus();
    resetWorldState();
    resetConnectionState();
}

void ClientTest::SetUp()
{
    resetClientState();
    ClearSettingsStore();
    folder_ = std::make_unique<QTemporaryDir>();
    platform::setProgramFolder(folder_->path());
    auto recorder = std::make_unique<RecordingServices>();
    services_ = recorder.get();
    platform::install(std::move(recorder));
}

void ClientTest::TearDown()
{
    Forms::destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ResetProgramEnded();
    resetOptionMenus();
    platform::install(nullptr);
    services_ = nullptr;
    platform::setProgramFolder(QString());
    folder_.reset();
}

QString ClientTest::programFolder() const { return folder_->path(); }

void ClientTest::installAssets()
{
    const QDir source(QStringLiteral(QUELVAR_PROGRAM_DIR));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString rel = source.relativeFilePath(path);
        if (rel == QLatin1String("Quelvar"))
            continue;
        const QString target = folder_->path() + QLatin1Char('/') + rel;
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(path, target);
    }
    QDir().mkpath(folder_->path() + QStringLiteral("/Dat"));
    QDir().mkpath(folder_->path() + QStringLiteral("/Map"));
}

void ClientTest::writeFile(const QString& relativePath, const QByteArray& bytes)
{
    const QString path = folder_->path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray ClientTest::readFile(const QString& relativePath) const
{
    QFile f(folder_->path() + QLatin1Char('/') + relativePath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList ClientTest::messageTexts() const
{
    QStringList texts;
    for (const auto& m : services_->messageBoxes)
        texts.append(m.text);
    return texts;
}
