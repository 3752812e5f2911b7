// The yardstick for sentari's footprint and start-up: a bare Qt Widgets program that shows
// one label and idles.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("A bare Qt label"));
    label.setWindowTitle(QStringLiteral("barelabel"));
    label.show();
    return app.exec();
}
