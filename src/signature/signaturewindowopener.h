#pragma once

#include "signature/signaturewindow.h"

#include <QIcon>
#include <QObject>
#include <QPointer>

namespace sentari::signature {

// Owns the one signature window: opening it again brings the same window forward as it is,
// and a closed window is discarded, so the next opening reads the store afresh.
class SignatureWindowOpener : public QObject {
    Q_OBJECT
public:
    SignatureWindowOpener(SettingsStore& store, platform::Desktop& desktop, QIcon icon,
                          QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SignatureWindowOpener)
    ~SignatureWindowOpener() override;

    SignatureWindow* open();
    // The open window, if any.
    SignatureWindow* window() const;

signals:
    // Every window's SignatureWindow::saved and newQuoteAfterReadChanged.
    void saved(const QString& unwrittenFile);
    void newQuoteAfterReadChanged();

private:
    SettingsStore& store_;
    platform::Desktop& desktop_;
    QIcon icon_;
    QPointer<SignatureWindow> window_;
};

} // namespace sentari::signature
