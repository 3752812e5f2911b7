#pragma once

#include "saver/quotecycle.h"
#include "saver/saversettings.h"

#include <QWidget>
#include <memory>

namespace sentari::saver {

class SaverEngine;

// The saver as the options stand, drawn small: the engine lays the quotes out for the
// primary screen, and the widget shows that picture scaled to its own size. It runs only
// while shown.
class SaverPreview : public QWidget {
    Q_OBJECT
public:
    SaverPreview(QuoteSource quotes, QWidget* parent = nullptr);
    ~SaverPreview() override;
    SaverPreview(const SaverPreview&) = delete;
    SaverPreview& operator=(const SaverPreview&) = delete;

    // Starts over with these settings.
    void showSettings(const SaverSettings& settings);
    // The picture the engine draws, at the screen's size; null while not running.
    const QImage* picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void restart();

    QuoteSource quotes_;
    SaverSettings settings_;
    std::unique_ptr<SaverEngine> engine_;
};

} // namespace sentari::saver
