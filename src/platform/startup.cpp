#include "startup.h"

#include "platform/translations.h"
#include "sentari/buildinfo.h"

#include <QDir>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace sentari::platform {

std::optional<int> answerHelpOrVersion(int argc, char** argv, const char* program,
                                       const char* usage)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(translatedText(program, usage).toLocal8Bit().constData(), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n%s; runs on Qt %s\n", program, SENTARI_VERSION,
                        SENTARI_BUILD_SUMMARY, qVersion());
            return 0;
        }
    }
    return std::nullopt;
}

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category;
    QString text;
};

std::string noDisplayLine;
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

// Only while the application object is made: Qt's fatal error (no display, no platform
// plug-in) becomes the one line and an error exit; the platform's warnings before it are
// held back, and passed on if all went well.
void whileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs(noDisplayLine.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0)
        heldMessages.push_back({type, context.category, text});
    else
        previousHandler(type, context, text);
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv, const char* program,
                                          const char* hint)
{
    const QByteArray display = qgetenv("DISPLAY");
    noDisplayLine = std::string(program) + ": cannot open the display " +
                    (display.isEmpty() ? std::string("(DISPLAY is not set)")
                                       : '"' + display.toStdString() + '"') +
                    "; " + hint + "\n";
    previousHandler = qInstallMessageHandler(whileOpening);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& m : heldMessages)
        previousHandler(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category), m.text);
    heldMessages.clear();
    return app;
}

std::unique_ptr<QLockFile> runtimeLock(const QString& fileName)
{
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    auto lock = std::make_unique<QLockFile>(runtime + QLatin1Char('/') + fileName);
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError)
        return nullptr;
    return lock;
}

} // namespace sentari::platform
