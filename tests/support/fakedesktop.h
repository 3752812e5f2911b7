#pragma once

// A scripted desktop for tests: records what the program showed and answers as told.

#include "platform/desktop.h"

#include <QList>
#include <deque>

namespace sentari::testing {

class FakeDesktop : public platform::Desktop {
public:
    struct Shown {
        QString text;
        platform::MessageStyle style;
    };

    // What was shown, in order.
    QList<Shown> messages;
    QList<platform::FileDialogRequest> fileDialogs;
    int busyDepth = 0;
    int busyCalls = 0;
    QStringList openedDocuments;
    QList<QStringList> startedProcesses; // program first, then its arguments

    // Answers, taken in order; an empty queue answers Yes, and cancels every dialog.
    std::deque<platform::Answer> answers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<platform::FontChoice>> fontAnswers;
    std::deque<std::optional<quint32>> colorAnswers;
    bool openDocumentSucceeds = true;
    bool startSucceeds = true;

    QString clipboard;
    QByteArray clipboardRtf;
    QPoint cursor{0, 0};
    QRect screen{0, 0, 1024, 768};
    QRect available{0, 0, 1024, 738};
    QPointF twips{15.0, 15.0};

    platform::Answer message(const QString& text, platform::MessageStyle style) override;
    std::optional<QString> openFileName(const platform::FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const platform::FileDialogRequest& request) override;
    std::optional<platform::FontChoice> chooseFont(const platform::FontChoice& initial) override;
    std::optional<quint32> chooseColor(quint32 initial) override;
    QString clipboardText() override { return clipboard; }
    void setClipboard(const QString& text, const QByteArray& rtf) override;
    void setBusy(bool busy) override;
    QPoint cursorPos() override { return cursor; }
    QRect screenGeometry() override { return screen; }
    QRect workArea() override { return available; }
    QPointF twipsPerPixel() override { return twips; }
    bool openDocument(const QString& path) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;

    // The texts of all messages shown, for compact checks.
    QStringList messageTexts() const;
};

} // namespace sentari::testing
