#pragma once

#include "platform/desktop.h"

#include <QFont>

namespace sentari::platform {

// The desktop as Qt sees it. Needs a QApplication.
class QtDesktop : public Desktop {
public:
    Answer message(const QString& text, MessageStyle style) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    std::optional<quint32> chooseColor(quint32 initial) override;
    QString clipboardText() override;
    void setClipboard(const QString& text, const QByteArray& rtf) override;
    void setBusy(bool busy) override;
    QPoint cursorPos() override;
    QRect screenGeometry() override;
    QRect workArea() override;
    QPointF twipsPerPixel() override;
    bool openDocument(const QString& path) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

// Font families installed on this desktop.
QStringList installedFontFamilies();

// What the font dialog opens on: the family as text in it shows (the stand-in of a family
// that is missing), in its upright style of normal weight and width, at that size.
QFont regularFont(const QString& family, double pointSize);

} // namespace sentari::platform
