#include "platform/QtServices.h"

#include "platform/Endpoints.h"
#include "platform/TopMost.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLockFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

QtServices::QtServices() = default;
QtServices::~QtServices() = default;

namespace {

// The window that raises a dialog: the dialog stands over it, and when the
// dialog closes the keyboard goes back to it. Left alone, a window manager
// gives it to whichever window it likes, often the main window.
class DialogOwner {
public:
    DialogOwner()
        : window_(QApplication::activeWindow())
    {
    }
    ~DialogOwner()
    {
        if (window_ && window_->isVisible())
            window_->activateWindow();
    }
    QWidget* window() const { return window_; }

private:
    QPointer<QWidget> window_;
};

// Runs a dialog made for the window that raised it, above any window that
// stays on top, and reads its answer when it was accepted. The owner may go
// while the dialog is open, taking the dialog with it.
template <class Dialog, class Read>
auto RunDialog(Dialog* made, Read read) -> decltype(read(*made))
{
    const QPointer<Dialog> dialog = made;
    StandOverTopMost(dialog);
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog;
    decltype(read(*made)) answer{};
    if (accepted)
        answer = read(*dialog);
    delete dialog.data();
    return answer;
}

// The window manager writes a box's title in its own face, often bold, beside
// an icon and its buttons; a box narrower than that shows the title cut.
// Room for the title in the desktop's face made bold, and for the rest.
int TitleRoom(const QString& title)
{
    QFont face = QApplication::font();
    face.setBold(true);
    const QFontMetrics metrics(face);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

} // namespace

int QtServices::messageBox(const QString& text, int style, const QString& title)
{
    // Test runs of the real executable record their message boxes in a file
    // and take the first answer instead of waiting for a user.
    const QString record = qEnvironmentVariable("QUELVAR_TEST_DIALOGS");
    if (!record.isEmpty()) {
        QFile file(record);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            file.write((title + QLatin1Char('|') + text + QLatin1Char('\n')).toUtf8());
        const int buttons = style & kButtonMask;
        return (buttons == vbYesNo || buttons == vbYesNoCancel) ? vbYes : buttons == vbRetryCancel ? vbRetry : vbOK;
    }
    return DesktopMessageBox(text, style, title);
}

int DesktopMessageBox(const QString& text, int style, const QString& title)
{
    const DialogOwner owner;
    // The owner may go while the box is open, taking the box with it.
    const QPointer<QMessageBox> box = new QMessageBox(owner.window());
    box->setWindowTitle(title);
    box->setText(text);
    switch (style & kIconMask) {
    case vbCritical: box->setIcon(QMessageBox::Critical); break;
    case vbQuestion: box->setIcon(QMessageBox::Question); break;
    case vbExclamation: box->setIcon(QMessageBox::Warning); break;
    case vbInformation: box->setIcon(QMessageBox::Information); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
    }
    struct Choice { QMessageBox::StandardButton button; int answer; };
    std::vector<Choice> choices;
    switch (style & kButtonMask) {
    case vbOKCancel: choices = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}}; break;
    case vbAbortRetryIgnore:
        choices = {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
        break;
    case vbYesNoCancel:
        choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
        break;
    case vbYesNo: choices = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}}; break;
    case vbRetryCancel: choices = {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}}; break;
    default: choices = {{QMessageBox::Ok, vbOK}}; break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice& c : choices)
        buttons |= c.button;
    box->setStandardButtons(buttons);
    // The box sizes itself to its layout when it shows: a row as wide as the
    // title needs holds it open. Added last, as setting the icon lays the box
    // out anew.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(TitleRoom(title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    StandOverTopMost(box);
    const int pressed = box->exec();
    delete box.data();
    for (const Choice& c : choices)
        if (pressed == c.button)
            return c.answer;
    // Closed by the window's close box: the cancelling answer when there is one.
    for (const Choice& c : choices)
        if (c.answer == vbCancel || c.answer == vbNo)
            return c.answer;
    return choices.front().answer;
}

QString QtServices::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    const DialogOwner owner;
    auto* dialog = new QInputDialog(owner.window());
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    return RunDialog(dialog, [](QInputDialog& d) { return d.textValue(); });
}

namespace {
// "Text (*.txt)|*.txt;*.log|All|*.*" as Qt writes it:
// "Text (*.txt) (*.txt *.log);;All (*.*)". Qt takes the patterns from the
// last parentheses of each entry, separated by blanks.
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        entries << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}
} // namespace

QString QtServices::openFileDialog(const QString& title, const QString& directory, const QString& filter)
{
    const DialogOwner owner;
    auto* dialog = new QFileDialog(owner.window(), title, directory, qtFilter(filter));
    dialog->setFileMode(QFileDialog::ExistingFile);
    return RunDialog(dialog, [](QFileDialog& d) { return d.selectedFiles().value(0); });
}

QString QtServices::openFolderDialog(const QString& title, const QString& directory)
{
    const DialogOwner owner;
    auto* dialog = new QFileDialog(owner.window(), title, directory);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    return RunDialog(dialog, [](QFileDialog& d) { return d.selectedFiles().value(0); });
}

bool QtServices::isPrevInstance()
{
    if (instanceLock_)
        return false;
    // One lock per executable path, so two installations can run side by side.
    const QByteArray key = QCryptographicHash::hash(QFileInfo(QCoreApplication::applicationFilePath())
                                                        .absoluteFilePath()
                                                        .toUtf8(),
                                                    QCryptographicHash::Sha1)
                               .toHex()
                               .left(16);
    auto lock = std::make_unique<QLockFile>(QDir::tempPath() + QStringLiteral("/quelvar-") +
                                            QString::fromLatin1(key) + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return true;
    instanceLock_ = std::move(lock);
    return false;
}

int QtServices::waveOutDeviceCount()
{
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

void QtServices::playWave(const QString& path)
{
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
        effect = new QSoundEffect(qApp);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    // One sound at a time: a new one takes the place of the one playing.
    for (QSoundEffect* other : std::as_const(effects_))
        if (other != effect && other->isPlaying())
            other->stop();
    effect->play();
}

void QtServices::playSoundFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.suffix().compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0)
        playWave(info.absoluteFilePath());
    else
        playWave(programFolder() + QStringLiteral("/Sounds/Default.wav"));
}

void QtServices::playSoundAlias(const QString& alias)
{
    const QString path = programFolder() + QStringLiteral("/Sounds/") + alias + QStringLiteral(".wav");
    if (QFileInfo::exists(path))
        playWave(path);
    else
        playWave(programFolder() + QStringLiteral("/Sounds/Default.wav"));
}

void QtServices::openUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

void QtServices::shellExecute(const QString&, const QString& file, const QString&, const QString& directory, int)
{
    QString target = file;
    if (!directory.isEmpty() && QFileInfo(file).isRelative() && QFileInfo::exists(directory + QLatin1Char('/') + file))
        target = directory + QLatin1Char('/') + file;
    QDesktopServices::openUrl(QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile));
}

void QtServices::requestDisplayMode(int, int)
{
    // The desktop keeps its own resolution: windows are laid out for
    // 1024 x 768 but the screen mode is never changed.
}

quint32 QtServices::tickCount() { return systemTickCount(); }

} // namespace platform
