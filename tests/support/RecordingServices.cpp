#include "support/RecordingServices.h"

#include "platform/QtServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

int RecordingServices::messageBox(const QString& text, int style, const QString& title)
{
    messageBoxes.push_back({text, style, title});
    if (onMessageBox)
        onMessageBox(messageBoxes.back());
    if (onDesktopBox) {
        // Runs in the box's own event loop, where it is the modal window.
        QTimer::singleShot(0, [look = onDesktopBox] {
            const QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box)
                look(*box);
            if (box && box->isVisible())
                QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        });
        return platform::DesktopMessageBox(text, style, title);
    }
    if (!messageBoxAnswers.empty()) {
        const int answer = messageBoxAnswers.front();
        messageBoxAnswers.pop_front();
        return answer;
    }
    const int buttons = style & platform::kButtonMask;
    return (buttons == platform::vbYesNo || buttons == platform::vbYesNoCancel) ? platform::vbYes : platform::vbOK;
}

QString RecordingServices::inputBox(const QString& prompt, const QString&, const QString& defaultText)
{
    inputPrompts.append(prompt);
    if (!inputAnswers.empty()) {
        QString a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }
    return defaultText;
}

void RecordingMusicPlayer::setFileName(const QString& path)
{
    fileName_ = path;
    requests.append(QStringLiteral("file ") + path);
}

QString RecordingServices::openFileDialog(const QString&, const QString&, const QString& filter)
{
    fileDialogFilters.append(filter);
    if (!fileDialogAnswers.empty()) {
        QString a = fileDialogAnswers.front();
        fileDialogAnswers.pop_front();
        return a;
    }
    return {};
}

void RecordingServices::shellExecute(const QString&, const QString& file, const QString&, const QString&, int)
{
    shellFiles.append(file);
}

QString RecordingServices::openFolderDialog(const QString&, const QString&)
{
    if (folderDialogAnswers.empty())
        return {};
    QString a = folderDialogAnswers.front();
    folderDialogAnswers.pop_front();
    return a;
}
