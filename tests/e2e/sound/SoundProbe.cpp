// Plays the two sample sounds the way the free-text joke does: copies them
// to WAV names, drives the hidden multimedia control with "Open", "Sound"
// and "Close" for each, deletes the copies right after the second "Close",
// and then keeps the event loop running until the queued sound has ended.
//
// Usage: zornalit_sound_probe FOLDER
// FOLDER holds statsa.dll and noven.dll. Exit code 0 when every command was
// accepted and the sound played out; 1 otherwise.

#include "platform/SoundFileBudget.h"
#include "platform/qt/MultimediaControl.h"
#include "platform/files/QtFiles.h"
#include "platform/sound/QtSoundDevice.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

using namespace zornalit;

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool command(MultimediaControl& control, const QString& word)
{
    QString why;
    if (control.setCommand(word, &why))
        return true;
    err() << "command " << word << " failed: " << why << Qt::endl;
    return false;
}

bool playThrough(MultimediaControl& control, const QString& path)
{
    control.setFileName(path);
    return command(control, QStringLiteral("Open")) && command(control, QStringLiteral("Sound"))
        && command(control, QStringLiteral("Close"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        err() << "usage: zornalit_sound_probe FOLDER" << Qt::endl;
        return 2;
    }
    const QString folder = QDir::cleanPath(QString::fromLocal8Bit(argv[1]));
    const auto inFolder = [&](const char* name) { return folder + QLatin1Char('/') + QString::fromUtf8(name); };

    QtFiles files;
    QtSoundDevice device;
    MultimediaControl control(device);

    QString why;
    const QString first = inFolder("Ostatsa.wav");
    const QString second = inFolder("Mgnoven.wav");
    if (!files.copyReplacing(inFolder("statsa.dll"), first, soundFileSizeProblem, &why)
        || !files.copyReplacing(inFolder("noven.dll"), second, soundFileSizeProblem, &why)) {
        err() << why << Qt::endl;
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    if (!playThrough(control, first) || !playThrough(control, second))
        return 1;
    if (!files.remove(first, &why) || !files.remove(second, &why)) {
        err() << why << Qt::endl;
        return 1;
    }
    const qint64 queuedAfter = clock.elapsed();
    // Had "Sound" played synchronously, nothing would be left to hear now.
    if (!device.isPlaying()) {
        err() << "nothing is playing after the commands returned" << Qt::endl;
        return 1;
    }

    bool drained = false;
    QTimer::singleShot(60000, &app, &QApplication::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (!device.isPlaying()) {
            drained = true;
            app.quit();
        }
    });
    poll.start(50);
    app.exec();
    drained = drained || !device.isPlaying();

    QTextStream(stdout) << "commands returned after " << queuedAfter << " ms; sound ended after " << clock.elapsed()
                        << " ms" << Qt::endl;
    if (!drained) {
        err() << "the sound did not end within a minute" << Qt::endl;
        return 1;
    }
    return 0;
}
