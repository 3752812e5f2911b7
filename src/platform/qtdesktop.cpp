#include "qtdesktop.h"

#include "platform/colour.h"
#include "platform/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <climits>
#include <cstdlib>

namespace sentari::platform {

namespace {

QScreen* screenUnderCursor()
{
    if (QScreen* s = QGuiApplication::screenAt(QCursor::pos()))
        return s;
    return QGuiApplication::primaryScreen();
}

} // namespace

Answer QtDesktop::message(const QString& text, MessageStyle style)
{
    QMessageBox box;
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setText(text);
    switch (style) {
    case MessageStyle::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageStyle::QuestionYesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MessageStyle::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageStyle::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const int result = box.exec();
    if (style == MessageStyle::QuestionYesNo)
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

namespace {

std::optional<QString> runFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(nullptr, request.title, request.initialPath, qtFileFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && request.fileMustExist
                           ? QFileDialog::ExistingFile
                           : QFileDialog::AnyFile);
    const QFileInfo initial(request.initialPath);
    dialog.setDirectory(initial.absolutePath());
    dialog.selectFile(initial.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtDesktop::openFileName(const FileDialogRequest& request)
{
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDesktop::saveFileName(const FileDialogRequest& request)
{
    return runFileDialog(request, QFileDialog::AcceptSave);
}

QFont regularFont(const QString& family, double pointSize)
{
    // A family that is not installed shows in its stand-in; the dialog can only offer that.
    const QString shown = QFontInfo(QFont(family)).family();
    QFont font(shown);
    font.setPointSizeF(pointSize > 0 ? pointSize : 10);
    // Without a style name the dialog guesses one from the weight and may land on an italic
    // or condensed face; name the upright, normal-weight, normal-width one.
    static const QStringList Unusual = {QStringLiteral("condensed"), QStringLiteral("narrow"),
                                        QStringLiteral("expanded"),  QStringLiteral("extended"),
                                        QStringLiteral("oblique"),   QStringLiteral("italic")};
    QString best;
    int bestScore = INT_MAX;
    for (const QString& style : QFontDatabase::styles(shown)) {
        int score = std::abs(QFontDatabase::weight(shown, style) - QFont::Normal) +
                    (QFontDatabase::italic(shown, style) ? 10000 : 0) +
                    static_cast<int>(style.size());
        for (const QString& word : Unusual)
            if (style.contains(word, Qt::CaseInsensitive))
                score += 1000;
        if (score < bestScore) {
            bestScore = score;
            best = style;
        }
    }
    if (!best.isEmpty())
        font.setStyleName(best);
    return font;
}

std::optional<FontChoice> QtDesktop::chooseFont(const FontChoice& initial)
{
    bool ok = false;
    const QFont start = regularFont(initial.family, initial.pointSize);
    const QFont font = QFontDialog::getFont(&ok, start);
    if (!ok)
        return std::nullopt;
    // Left on the stand-in, the entry keeps the family it names (Arial where it is missing).
    const QString family = font.family() == start.family() ? initial.family : font.family();
    return FontChoice{family, font.pointSizeF()};
}

std::optional<quint32> QtDesktop::chooseColor(quint32 initial)
{
    const QColor c = QColorDialog::getColor(toQColor(initial));
    if (!c.isValid())
        return std::nullopt;
    return fromQColor(c);
}

QString QtDesktop::clipboardText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() ? data->text() : QString();
}

void QtDesktop::setClipboard(const QString& text, const QByteArray& rtf)
{
    auto* data = new QMimeData;
    data->setText(text);
    if (!rtf.isEmpty()) {
        data->setData(QStringLiteral("text/rtf"), rtf);
        data->setData(QStringLiteral("application/rtf"), rtf);
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(data);
}

void QtDesktop::setBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

QPoint QtDesktop::cursorPos()
{
    return QCursor::pos();
}

QRect QtDesktop::screenGeometry()
{
    QScreen* s = screenUnderCursor();
    return s ? s->geometry() : QRect();
}

QRect QtDesktop::workArea()
{
    QScreen* s = screenUnderCursor();
    return s ? s->availableGeometry() : QRect();
}

QPointF QtDesktop::twipsPerPixel()
{
    return platform::twipsPerPixel(screenUnderCursor());
}

bool QtDesktop::openDocument(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDesktop::startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

QStringList installedFontFamilies()
{
    return QFontDatabase::families();
}

} // namespace sentari::platform
