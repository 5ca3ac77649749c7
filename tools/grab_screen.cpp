// Development tool: waits until something has been drawn on the X screen (a window of the
// program under test), then saves the drawn part of the screen as a PNG file.
// Usage: grab_screen <file.png> [seconds to wait, 10 by default]
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>

namespace {

// The smallest rectangle holding every pixel that differs from the bottom-right one, which
// no window covers.
QRect drawnArea(const QImage &image)
{
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: grab_screen <file.png> [seconds]\n", stderr);
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 10;
    QScreen *screen = QGuiApplication::primaryScreen();

    QImage previous;
    for (int tick = 0; tick < seconds * 4; ++tick) {
        QThread::msleep(250);
        const QImage image = screen->grabWindow(0).toImage();
        const QRect area = drawnArea(image);
        // Done once something is drawn and it has stopped changing.
        if (!area.isEmpty() && image == previous)
            return image.copy(area).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        previous = image;
    }
    std::fputs("grab_screen: nothing was drawn on the screen\n", stderr);
    return 1;
}
