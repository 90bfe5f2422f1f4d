#pragma once
// The base of tests that run the client's code: each test starts with no
// window, fresh state, an empty settings store, a program folder of its own
// and recording platform services.

#include "support/RecordingServices.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class ClientTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // No windows and fresh state, as at a new start of the program; the
    // settings store and the program folder stay.
    static void resetClientState();
    // The test's program folder (executable folder of the client).
    QString programFolder() const;
    // Copies the generated assets (Graphics, Map, Dat, ...) into the program folder.
    void installAssets();
    // Writes a file below the program folder.
    void writeFile(const QString& relativePath, const QByteArray& bytes);
    QByteArray readFile(const QString& relativePath) const;

    RecordingServices& services() { return *services_; }
    // Message box texts shown so far.
    QStringList messageTexts() const;

private:
    std::unique_ptr<QTemporaryDir> folder_;
    RecordingServices* services_ = nullptr;
};

// Removes every settings file of the test run's configuration folder.
void ClearSettingsStore();
