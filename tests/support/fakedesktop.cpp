#include "fakedesktop.h"

namespace sentari::testing {

using namespace platform;

Answer FakeDesktop::message(const QString& text, MessageStyle style)
{
    messages.append({text, style});
    if (style != MessageStyle::QuestionYesNo)
        return Answer::Ok;
    if (answers.empty())
        return Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

namespace {
template <typename T> std::optional<T> take(std::deque<std::optional<T>>& queue)
{
    std::optional<T> answer;
    if (!queue.empty()) {
        answer.swap(queue.front());
        queue.pop_front();
    }
    return answer;
}
} // namespace

std::optional<QString> FakeDesktop::openFileName(const FileDialogRequest& request)
{
    fileDialogs.append(request);
    return take(fileAnswers);
}

std::optional<QString> FakeDesktop::saveFileName(const FileDialogRequest& request)
{
    fileDialogs.append(request);
    return take(fileAnswers);
}

std::optional<FontChoice> FakeDesktop::chooseFont(const FontChoice&)
{
    return take(fontAnswers);
}

std::optional<quint32> FakeDesktop::chooseColor(quint32)
{
    return take(colorAnswers);
}

void FakeDesktop::setClipboard(const QString& text, const QByteArray& rtf)
{
    clipboard = text;
    clipboardRtf = rtf;
}

void FakeDesktop::setBusy(bool busy)
{
    busyDepth += busy ? 1 : -1;
    ++busyCalls;
}

bool FakeDesktop::openDocument(const QString& path)
{
    openedDocuments << path;
    return openDocumentSucceeds;
}

bool FakeDesktop::startDetached(const QString& program, const QStringList& arguments)
{
    startedProcesses.append(QStringList{program} + arguments);
    return startSucceeds;
}

QStringList FakeDesktop::messageTexts() const
{
    QStringList texts;
    for (const auto& m : messages)
        texts << m.text;
    return texts;
}

} // namespace sentari::testing
