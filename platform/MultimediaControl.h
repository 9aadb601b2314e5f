#pragma once

#include <QString>
#include <QWidget>

namespace zornalit {

class SoundDevice;

// The hidden multimedia control of the main window: a file name and a
// command word ("Open", "Sound", "Close"), carried out in the order they are
// set by the sound device behind it.
class MultimediaControl : public QWidget {
    Q_OBJECT
public:
    MultimediaControl(SoundDevice& device, QWidget* parent = nullptr);

    void setFileName(const QString& path);
    QString fileName() const;

    // Carries out one command word. False, with a reason naming the file,
    // when the device could not do it; an unknown word is refused too.
    bool setCommand(const QString& word, QString* why);

private:
    SoundDevice& m_device;
    QString m_fileName;
};

} // namespace zornalit
