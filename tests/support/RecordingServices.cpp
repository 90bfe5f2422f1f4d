#include "support/RecordingServices.h"

#include "platform/QtServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {
// Waits in the box's own event loop until it is the modal window, lets the
// test look at it and answers it with its first button.
void AnswerDesktopBox(const std::function<void(QMessageBox&)>& look, int triesLeft = 100)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
        if (triesLeft > 0)
            QTimer::singleShot(10, [look, triesLeft] { AnswerDesktopBox(look, triesLeft - 1); });
        return;
    }
    const QPointer<QMessageBox> open(box);
    look(*box);
    if (open && open->isVisible() && !open->buttons().isEmpty())
        QTest::mouseClick(open->buttons().first(), Qt::LeftButton);
}
} // namespace

int RecordingServices::messageBox(const QString& text, int style, const QString& title)
{
    messageBoxes.push_back({text, style, title});
    if (onMessageBox)
        onMessageBox(messageBoxes.back());
    if (onDesktopBox) {
        QTimer::singleShot(0, [look = onDesktopBox] { AnswerDesktopBox(look); });
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
