#include "FreeTextClick.h"

#include <QStringList>

namespace zornalit {

namespace {

const QString jokeTrigger = QStringLiteral("5555555555555555");
const QString creditTrigger = QStringLiteral("Сыщик?");
const QString creditLine = QStringLiteral("Программа создана командой разработчиков «Зорналит» в 2026 году.");

const QString jokeTitle = QStringLiteral("Фронтальная проверка :-(");
const QString jokePrompt = QStringLiteral(
    "Chtirliz, und wo Sie bewahren die Instruktion N 9?! Wo die Instruktionen N 10 und N 2?!! "
    "Chtirliz, und warum bei Ihnen auf den Stirnen ist die Inventarzimmer nicht bezeichnet?!!!");

struct SoundCopy {
    const char* stored;
    const char* played;
};

constexpr SoundCopy sounds[] = {
    {"statsa.dll", "Ostatsa.wav"},
    {"noven.dll", "Mgnoven.wav"},
};

void reportFailure(const Platform& platform, const QString& why)
{
    platform.messages.show(why, MessageStyle::Error, errorTitle);
}

// Copies the stored sounds to their playing names, plays them in turn and
// removes the copies. Stops at the first failure, but never leaves a copy
// it made behind.
void playJokeSounds(const Platform& platform, SoundCommands& control)
{
    QStringList copies;
    QString why;
    bool failed = false;

    for (const SoundCopy& sound : sounds) {
        const QString copy = platform.folder.fileNamed(QString::fromLatin1(sound.played));
        if (!platform.files.copyReplacing(platform.folder.fileNamed(QString::fromLatin1(sound.stored)), copy, &why)) {
            failed = true;
            break;
        }
        copies << copy;
    }

    if (!failed) {
        for (const QString& copy : std::as_const(copies)) {
            control.setFileName(copy);
            failed = !control.setCommand(QStringLiteral("Open"), &why)
                || !control.setCommand(QStringLiteral("Sound"), &why)
                || !control.setCommand(QStringLiteral("Close"), &why);
            if (failed) {
                control.setCommand(QStringLiteral("Close"), nullptr);
                break;
            }
        }
    }
    if (failed)
        reportFailure(platform, why);

    for (const QString& copy : std::as_const(copies)) {
        QString removeWhy;
        if (!platform.files.remove(copy, &removeWhy) && !failed) {
            failed = true;
            reportFailure(platform, removeWhy);
        }
    }
}

} // namespace

QStringList jokeSoundCopies()
{
    QStringList names;
    for (const SoundCopy& sound : sounds)
        names << QString::fromLatin1(sound.played);
    return names;
}

QString clickFreeText(const Platform& platform, SoundCommands& control, const QString& text)
{
    if (text == jokeTrigger) {
        platform.messages.show(jokePrompt, MessageStyle::Plain, jokeTitle);
        playJokeSounds(platform, control);
    }
    if (text == creditTrigger)
        return creditLine;
    return text;
}

} // namespace zornalit
