#include "platform/Services.h"

#include <chrono>
#include <cstdio>

namespace platform {

Services::~Services() = default;
MusicPlayer::~MusicPlayer() = default;

namespace {
std::unique_ptr<Services>& current()
{
    static std::unique_ptr<Services> s = std::make_unique<HeadlessServices>();
    return s;
}
} // namespace

Services& services() { return *current(); }

std::unique_ptr<Services> install(std::unique_ptr<Services> services)
{
    std::unique_ptr<Services> previous = std::move(current());
    current() = services ? std::move(services) : std::make_unique<HeadlessServices>();
    return previous;
}

quint32 systemTickCount()
{
    using namespace std::chrono;
    return static_cast<quint32>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

QString applicationTitle() { return QStringLiteral("Quelvar"); }

int MsgBox(const QString& text, int style, const QString& title)
{
    return services().messageBox(text, style, title.isEmpty() ? applicationTitle() : title);
}

int HeadlessServices::messageBox(const QString& text, int style, const QString& title)
{
    std::fprintf(stderr, "[%s] %s\n", qPrintable(title), qPrintable(text));
    switch (style & kButtonMask) {
    case vbYesNo:
    case vbYesNoCancel:
        return vbYes;
    case vbRetryCancel:
        return vbRetry;
    case vbAbortRetryIgnore:
        return vbIgnore;
    default:
        return vbOK;
    }
}

QString HeadlessServices::inputBox(const QString&, const QString&, const QString& defaultText) { return defaultText; }
QString HeadlessServices::openFileDialog(const QString&, const QString&, const QString&) { return {}; }
QString HeadlessServices::openFolderDialog(const QString&, const QString&) { return {}; }
bool HeadlessServices::isPrevInstance() { return false; }
int HeadlessServices::waveOutDeviceCount() { return 0; }
void HeadlessServices::playSoundFile(const QString&) {}
void HeadlessServices::playSoundAlias(const QString&) {}
void HeadlessServices::openUrl(const QString&) {}
void HeadlessServices::shellExecute(const QString&, const QString&, const QString&, const QString&, int) {}
void HeadlessServices::requestDisplayMode(int, int) {}
quint32 HeadlessServices::tickCount() { return systemTickCount(); }

} // namespace platform
