#pragma once

// What program logic asks of the desktop. Program code talks to this interface only, so
// tests hand it a scripted fake; QtDesktop is the real one.

#include <QByteArray>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace sentari::platform {

// Message box styles; each value is the Windows flag of the same box.
enum class MessageStyle : int {
    Question = 32,      // question icon, OK
    QuestionYesNo = 36, // question icon, Yes and No
    Warning = 48,       // warning icon, OK: failures
    Information = 64,   // information icon, OK
};

enum class Answer { Ok, Yes, No };

struct FileDialogRequest {
    QString title;
    // Windows form: "Text (*.txt)|*.txt|Richtext (*.rtf)|*.rtf"
    QString filter;
    QString initialPath; // folder and proposed file name
    bool fileMustExist = false;
};

struct FontChoice {
    QString family;
    double pointSize = 10;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box with the application's title.
    virtual Answer message(const QString& text, MessageStyle style) = 0;
    // Each dialog returns nothing when the user cancels.
    virtual std::optional<QString> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    // Colours as 0x00BBGGRR.
    virtual std::optional<quint32> chooseColor(quint32 initial) = 0;

    virtual QString clipboardText() = 0;
    // Clears the clipboard and puts the text on it, with the RTF form beside it when given.
    virtual void setClipboard(const QString& text, const QByteArray& rtf) = 0;

    // The busy pointer; calls nest.
    virtual void setBusy(bool busy) = 0;
    virtual QPoint cursorPos() = 0;
    // Of the screen under the cursor, in logical pixels.
    virtual QRect screenGeometry() = 0;
    virtual QRect workArea() = 0;
    // 1440 divided by the logical DPI of that screen, in x and y.
    virtual QPointF twipsPerPixel() = 0;

    // Opens a document with the desktop's handler; false when that fails.
    virtual bool openDocument(const QString& path) = 0;
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

// Holds the busy pointer for a scope.
class BusyPointer {
public:
    explicit BusyPointer(Desktop& desktop) : desktop_(desktop) { desktop_.setBusy(true); }
    ~BusyPointer() { desktop_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Desktop& desktop_;
};

// "Text (*.txt)|*.txt|HTML File (*.htm)|*.htm" -> "Text (*.txt);;HTML File (*.htm)"
QString qtFileFilter(const QString& windowsFilter);

} // namespace sentari::platform
